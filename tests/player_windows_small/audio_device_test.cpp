// The audio output device window, opened from 文件 > 设置 > 选择声音输出设备(&S)
// and driven through its list, its 确定 button and its close picture button.
// What the engine was told is read from the stand-in's journal; what was
// stored, from "设置.txt" in the test's folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine-standin/standin_control.h"
#include "engine/engine_items.h"
#include "player/app/app.h"
#include "player/windows/audio_device/audio_device_window.h"
#include "tests/player_spine/player_fixture.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui.h"
#include "tests/support/wait.h"

namespace small {
namespace {

using player::AudioDeviceWindow;
using Lines = std::vector<std::string>;

// The list's lines, in order.
Lines lines(const fw::ListBox& list) {
  Lines texts;
  for (int line = 0; line < list.count(); ++line) texts.push_back(list.itemText(line));
  return texts;
}

void clickLine(const fw::ListBox& list, int line, bool doubleClick = false) {
  support::clickListLine(list.handle(), line, doubleClick);
}

constexpr char kTwoDevices[] = "扬声器 (Realtek High Definition Audio);耳机 (USB Audio)";

class AudioDeviceTest : public spine::PlayerTest {
 protected:
  // Starts the player with the engine reporting `devices` in item 10.
  void startWithDevices(const char* devices) {
    standin::setConfig("devices", devices);
    startPlayer();
    standin::clearJournal();
  }
  AudioDeviceWindow* open() {
    support::chooseMenuItem(window().选择声音输出设备);
    return fw::openWindow<AudioDeviceWindow>();
  }
  Lines devicesSet() { return standin::itemsSet(engine::kAudioDevice); }
  std::string settingsFile() { return support::readFile(temp.file("设置.txt")); }

  void expectOnlyMessage(const std::string& text) {
    ASSERT_EQ(seam.calls.size(), 1u);
    EXPECT_EQ(seam.calls[0].kind, support::ScriptedSeam::Call::Message);
    EXPECT_EQ(seam.calls[0].text, text);
    EXPECT_EQ(seam.calls[0].caption, "信息：");
    EXPECT_EQ(seam.calls[0].flags, 0u);   // OK button, no icon
  }
};

TEST_F(AudioDeviceTest, OpensFromItsMenuItemAsTheDescribedBorderlessPanelCentredWithoutOwner) {
  startWithDevices(kTwoDevices);
  AudioDeviceWindow* w = open();
  ASSERT_NE(w, nullptr);
  const HWND hwnd = w->handle();
  EXPECT_EQ(GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CAPTION, 0);
  EXPECT_EQ(GetWindow(hwnd, GW_OWNER), nullptr);
  EXPECT_EQ(GetParent(hwnd), nullptr);
  EXPECT_EQ(w->caption(), "");
  EXPECT_EQ(w->width(), 500);
  EXPECT_EQ(w->height(), 255);
  EXPECT_EQ(w->left(), (GetSystemMetrics(SM_CXSCREEN) - 500) / 2);
  EXPECT_EQ(w->top(), (GetSystemMetrics(SM_CYSCREEN) - 255) / 2);

  const struct {
    const fw::Unit& unit;
    const fw::Unit* parent;
    int left, top, width, height;
    const char* caption;
  } units[] = {
      {w->图片框1, nullptr, 0, 0, 500, 32, nullptr},
      {w->标签1, &w->图片框1, 150, 6, 200, 24, "选择音频输出设备"},
      {w->关闭图形按钮, nullptr, 483, 0, 17, 16, nullptr},
      {w->列表框1, nullptr, -1, 31, 502, 184, nullptr},
      {w->按钮1, nullptr, 210, 218, 80, 32, "确定"},
  };
  for (const auto& u : units) {
    SCOPED_TRACE(u.caption ? u.caption : "unit at " + std::to_string(u.left));
    EXPECT_EQ(u.unit.parent(), u.parent);
    EXPECT_EQ(u.unit.left(), u.left);
    EXPECT_EQ(u.unit.top(), u.top);
    EXPECT_EQ(u.unit.width(), u.width);
    EXPECT_EQ(u.unit.height(), u.height);
    EXPECT_TRUE(IsWindowVisible(u.unit.handle()));
    if (u.caption) {
      EXPECT_EQ(u.unit.caption(), u.caption);
    }
  }
  EXPECT_TRUE(seam.calls.empty());
}

// Each opening reads item 10 again and splits it at ";": empty names between
// or before separators stay as lines, a separator at the end adds none.
TEST_F(AudioDeviceTest, ListsTheEnginesNamesInItsOrderWithNothingSelected) {
  startPlayer();
  const struct {
    const char* devices;
    Lines lines;
  } cases[] = {
      {"扬声器;耳机", {"扬声器", "耳机"}},
      {"扬声器;耳机;", {"扬声器", "耳机"}},
      {"扬声器;;耳机", {"扬声器", "", "耳机"}},
      {";耳机", {"", "耳机"}},
      {"耳机;扬声器", {"耳机", "扬声器"}},
      {"", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.devices);
    standin::setConfig("devices", c.devices);
    AudioDeviceWindow* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(lines(w->列表框1), c.lines);
    EXPECT_EQ(w->列表框1.selectedLine(), -1);
    for (int line = 0; line < w->列表框1.count(); ++line) EXPECT_EQ(w->列表框1.itemValue(line), 0);
    spine::click(w->关闭图形按钮);
    EXPECT_FALSE(fw::isWindowOpen<AudioDeviceWindow>());
  }
}

// Nothing chosen, or an empty name: one box, nothing handed over or stored,
// the window left as it was.
TEST_F(AudioDeviceTest, RefusalsHandNothingToTheEngineStoreNothingAndLeaveTheWindowOpen) {
  startPlayer();
  const struct {
    const char* devices;
    int line;   // -1: none clicked
    const char* message;
  } cases[] = {
      {"扬声器;耳机", -1, "请选择设备！"},
      {"", -1, "请选择设备！"},
      {"扬声器;;耳机", 1, "声音设备名称不能为空！"},
      {";耳机", 0, "声音设备名称不能为空！"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.devices) + " line " + std::to_string(c.line));
    standin::setConfig("devices", c.devices);
    AudioDeviceWindow* w = open();
    ASSERT_NE(w, nullptr);
    if (c.line >= 0) clickLine(w->列表框1, c.line);
    ASSERT_EQ(w->列表框1.selectedLine(), c.line);
    standin::clearJournal();
    seam.calls.clear();

    spine::click(w->按钮1);

    expectOnlyMessage(c.message);
    EXPECT_TRUE(devicesSet().empty());
    EXPECT_EQ(GetFileAttributesA(temp.file("设置.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    ASSERT_EQ(fw::openWindow<AudioDeviceWindow>(), w);
    EXPECT_EQ(w->列表框1.selectedLine(), c.line);
    spine::click(w->关闭图形按钮);
  }
}

// 确定 and a double-click on the line do the same: the engine first, then the
// settings file, the confirmation, and the window is gone.
TEST_F(AudioDeviceTest, OkAndDoubleClickEachHandTheNameOverStoreItConfirmAndClose) {
  startWithDevices(kTwoDevices);
  for (const bool doubleClick : {false, true}) {
    SCOPED_TRACE(doubleClick ? "double-click" : "确定");
    DeleteFileA(temp.file("设置.txt").c_str());
    AudioDeviceWindow* w = open();
    ASSERT_NE(w, nullptr);
    clickLine(w->列表框1, 1, doubleClick);
    if (!doubleClick) spine::click(w->按钮1);

    EXPECT_EQ(devicesSet(), Lines{"耳机 (USB Audio)"});
    EXPECT_EQ(settingsFile(), "[设置]\r\n音频输出设备=耳机 (USB Audio)\r\n");
    expectOnlyMessage("输出设备已更改为：\r\n耳机 (USB Audio)\r\n\r\n将在播放下一个文件时生效！");
    EXPECT_FALSE(fw::isWindowOpen<AudioDeviceWindow>());
    standin::clearJournal();
    seam.calls.clear();
  }
}

TEST_F(AudioDeviceTest, StoredNameReachesTheEngineAtTheNextStartAndTheWindowReopensUnselected) {
  startWithDevices(kTwoDevices);
  AudioDeviceWindow* w = open();
  ASSERT_NE(w, nullptr);
  clickLine(w->列表框1, 0);
  spine::click(w->按钮1);
  ASSERT_FALSE(fw::isWindowOpen<AudioDeviceWindow>());

  w = open();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(lines(w->列表框1), (Lines{"扬声器 (Realtek High Definition Audio)", "耳机 (USB Audio)"}));
  EXPECT_EQ(w->列表框1.selectedLine(), -1);

  // The player ends and starts again in this folder.
  fw::destroyWindow<player::MainWindow>();
  support::pumpMessages();
  player::cleanupGlobals();
  player::initGlobals();
  standin::clearJournal();
  startPlayer();
  EXPECT_EQ(devicesSet(), Lines{"扬声器 (Realtek High Definition Audio)"});
}

// The system refuses the write when a folder stands where the file should be.
TEST_F(AudioDeviceTest, FailedSettingsWriteLeavesTheEngineSwitchedAndTheWindowOpenUntilATryThatStores) {
  ASSERT_TRUE(CreateDirectoryA(temp.file("设置.txt").c_str(), nullptr));
  startWithDevices(kTwoDevices);
  AudioDeviceWindow* w = open();
  ASSERT_NE(w, nullptr);
  clickLine(w->列表框1, 1);
  seam.calls.clear();

  spine::click(w->按钮1);
  expectOnlyMessage("写入配置文件失败！");
  EXPECT_EQ(devicesSet(), Lines{"耳机 (USB Audio)"});
  ASSERT_EQ(fw::openWindow<AudioDeviceWindow>(), w);
  EXPECT_EQ(w->列表框1.selectedLine(), 1);

  spine::click(w->按钮1);
  EXPECT_EQ(seam.messageTexts(), (Lines{"写入配置文件失败！", "写入配置文件失败！"}));
  EXPECT_EQ(devicesSet(), (Lines{"耳机 (USB Audio)", "耳机 (USB Audio)"}));
  ASSERT_EQ(fw::openWindow<AudioDeviceWindow>(), w);

  ASSERT_TRUE(RemoveDirectoryA(temp.file("设置.txt").c_str()));
  spine::click(w->按钮1);
  EXPECT_EQ(seam.messageTexts().back(), "输出设备已更改为：\r\n耳机 (USB Audio)\r\n\r\n将在播放下一个文件时生效！");
  EXPECT_EQ(devicesSet().size(), 3u);
  EXPECT_EQ(settingsFile(), "[设置]\r\n音频输出设备=耳机 (USB Audio)\r\n");
  EXPECT_FALSE(fw::isWindowOpen<AudioDeviceWindow>());
}

// A name the engine reports with a line break in it would write sections of
// its own into the settings file: it is not stored, and the user is told so.
TEST_F(AudioDeviceTest, ANameWithALineBreakIsNotStoredAndTheFailureIsShown) {
  const std::string settings = "[设置]\r\n默认音量=80\r\n";
  ASSERT_TRUE(support::writeFile(temp.file("设置.txt"), settings));
  const std::string broken = "耳机\r\n[格式列表]\r\n.injected";
  startWithDevices((broken + ";扬声器").c_str());
  AudioDeviceWindow* w = open();
  ASSERT_NE(w, nullptr);
  ASSERT_EQ(lines(w->列表框1), (Lines{broken, "扬声器"}));
  clickLine(w->列表框1, 0);
  seam.calls.clear();

  spine::click(w->按钮1);
  expectOnlyMessage("写入配置文件失败！");
  EXPECT_EQ(player::playerEngine->getConfig(engine::kAudioDevice), broken) << "the engine switches all the same";
  EXPECT_EQ(settingsFile(), settings);
  EXPECT_EQ(fw::openWindow<AudioDeviceWindow>(), w);
}

TEST_F(AudioDeviceTest, CloseButtonHandsNothingOverAndStoresNothing) {
  startWithDevices(kTwoDevices);
  AudioDeviceWindow* w = open();
  ASSERT_NE(w, nullptr);
  clickLine(w->列表框1, 0);
  spine::click(w->关闭图形按钮);
  EXPECT_FALSE(fw::isWindowOpen<AudioDeviceWindow>());
  EXPECT_TRUE(devicesSet().empty());
  EXPECT_EQ(GetFileAttributesA(temp.file("设置.txt").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(seam.calls.empty());
}

TEST_F(AudioDeviceTest, ChoosingTheItemAgainRestoresTheOpenWindowWithoutFillingItAgain) {
  startWithDevices(kTwoDevices);
  AudioDeviceWindow* w = open();
  ASSERT_NE(w, nullptr);
  clickLine(w->列表框1, 1);
  ShowWindow(w->handle(), SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(w->handle()));
  standin::setConfig("devices", "别的设备");

  EXPECT_EQ(open(), w);
  EXPECT_FALSE(IsIconic(w->handle()));
  EXPECT_EQ(lines(w->列表框1), (Lines{"扬声器 (Realtek High Definition Audio)", "耳机 (USB Audio)"}));
  EXPECT_EQ(w->列表框1.selectedLine(), 1);
  int reads = 0;
  for (const standin::JournalLine& line : spine::journalCalls("APlayer_GetConfigA"))
    if (line.size() >= 3 && line[2] == std::to_string(engine::kAudioDevices)) ++reads;
  EXPECT_EQ(reads, 1);
}

}  // namespace
}  // namespace small
