// The main window used from the keyboard as a user does: the keys of the video
// (the engine's own window) right after the start with nothing clicked, and
// again after each window or message box the user closes and after a press on
// the duration slider. Keys and the press go through the system's input; what
// they did is read from the stand-in engine's journal.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/engine_items.h"
#include "framework/modal.h"
#include "player/app/app.h"
#include "player/windows/about/about_window.h"
#include "player/windows/file_types/association_window.h"
#include "tests/player_spine/player_fixture.h"
#include "tests/support/ui.h"
#include "tests/support/wait.h"

namespace keyboard {
namespace {

using player::AboutWindow;
using player::AssociationWindow;
using support::typeKeys;

PlayerEngine& engine() { return *player::playerEngine; }

::testing::AssertionResult inFront(const fw::Window& w) {
  if (support::bringToFront(w.handle())) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the window does not come to the front";
}

// A key pressed and released through the system's input, nothing handled
// meanwhile (for use inside a modal loop).
void sendKey(WORD key) {
  INPUT inputs[2] = {};
  for (INPUT& input : inputs) {
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
  }
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof(INPUT));
}

// A left press and release at a point of a unit, through the system's input.
void pointerClick(const fw::Unit& unit, int x, int y) {
  POINT p{x, y};
  ClientToScreen(unit.handle(), &p);
  INPUT inputs[3] = {};
  for (INPUT& input : inputs) input.type = INPUT_MOUSE;
  inputs[0].mi.dx = p.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  inputs[0].mi.dy = p.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(3, inputs, sizeof(INPUT));
  support::pumpMessages(300);
}

// The pauses, plays and seeks the engine was asked for, in order.
std::vector<std::string> playControls() {
  std::vector<std::string> seen;
  for (const standin::JournalLine& line : standin::journalLines()) {
    if (line[0] == "APlayer_Pause") seen.push_back("pause");
    if (line[0] == "APlayer_Play") seen.push_back("play");
    if (line[0] == "APlayer_SetPosition") seen.push_back("seek " + line.at(2));
  }
  return seen;
}

using MainWindowKeys = spine::PlayerTest;

TEST_F(MainWindowKeys, TheVideoTakesTheKeysFromTheStartAndAfterEachWindowBoxAndSliderPress) {
  spine::setPlayerArguments(makeFile("示例影片.mp4"));
  startPlayer();
  player::MainWindow& w = window();
  ASSERT_TRUE(support::waitUntil([] { return engine().getState() == engine::kPlaying; }));
  // In front as a program the user started is; nothing in it is clicked.
  ASSERT_TRUE(inFront(w));
  standin::clearJournal();

  // Space pauses and plays on the video.
  auto spaceToggles = [&](const char* after) {
    const int before = engine().getState();
    typeKeys({VK_SPACE});
    EXPECT_EQ(engine().getState(), before == engine::kPlaying ? engine::kPaused : engine::kPlaying)
        << "Space after " << after << " (the focus " << (GetFocus() == engine().getWindow() ? "is" : "is not")
        << " on the video)";
  };

  spaceToggles("the start");
  const int32_t paused = engine().getPosition();
  typeKeys({VK_RIGHT});
  std::vector<std::string> wanted{"pause", "seek " + std::to_string(paused + 5000)};

  // The about window, closed with Esc: the main window is active again.
  support::chooseMenuItem(w.关于Quorle);
  ASSERT_NE(fw::openWindow<AboutWindow>(), nullptr);
  ASSERT_TRUE(inFront(*fw::openWindow<AboutWindow>()));
  typeKeys({VK_ESCAPE});
  ASSERT_EQ(fw::openWindow<AboutWindow>(), nullptr);
  spaceToggles("the about window closed");
  wanted.push_back("play");

  // A box of the file-type window (no types: 默认程序 reports it), shown by
  // the system and closed with Enter: its window is active again, so Esc
  // closes it, and the main window is active after that.
  support::chooseMenuItem(w.关联文件类型);
  AssociationWindow* types = fw::openWindow<AssociationWindow>();
  ASSERT_NE(types, nullptr);
  ASSERT_TRUE(inFront(*types));
  typeKeys({VK_TAB, VK_TAB, VK_TAB, VK_TAB});
  ASSERT_EQ(GetFocus(), types->按钮4.handle());
  std::string boxText;
  HWND boxOwner = nullptr;
  bool boxInFront = false;
  int looks = 0;
  std::function<void()> closeBox = [&] {
    HWND box = support::findThreadWindow("#32770");
    if (box == nullptr || GetForegroundWindow() != box) {
      if (++looks < 30) {
        support::after(100, closeBox);
      } else if (box != nullptr) {
        PostMessageA(box, WM_COMMAND, IDOK, 0);   // so that the test goes on
      }
      return;
    }
    char text[256] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    boxText = text;
    boxOwner = GetWindow(box, GW_OWNER);
    boxInFront = true;
    sendKey(VK_RETURN);
  };
  support::after(200, closeBox);
  fw::setModalSeam(nullptr);   // the system's own box
  typeKeys({VK_SPACE});
  support::waitUntil([] { return !support::pendingAfter() && !support::findThreadWindow("#32770"); }, 3000);
  fw::setModalSeam(&seam);
  ASSERT_TRUE(boxInFront) << "no message box came to the front";
  ASSERT_EQ(boxText, "没有后缀名信息！");
  EXPECT_EQ(boxOwner, types->handle());
  EXPECT_EQ(GetForegroundWindow(), types->handle()) << "after the box";
  typeKeys({VK_ESCAPE});
  ASSERT_EQ(fw::openWindow<AssociationWindow>(), nullptr) << "Esc after the box";
  spaceToggles("the file-type window closed after its box");
  wanted.push_back("pause");

  // A press on the duration slider seeks there and gives the keys back.
  pointerClick(w.时长滑块条, w.时长滑块条.width() / 2, 5);
  const int32_t pressedAt = w.时长滑块条.position() * 1000;
  spaceToggles("a press on the duration slider");
  wanted.push_back("seek " + std::to_string(pressedAt));
  wanted.push_back("play");

  EXPECT_EQ(playControls(), wanted);
}

}  // namespace
}  // namespace keyboard
