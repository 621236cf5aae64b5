// Start-up from the main window's created event: the first entry, the engine
// and its settings, the logo, and the engine-missing state.
#include <gtest/gtest.h>

#include "framework/files.h"
#include "player/app/app.h"
#include "player/app/settings.h"
#include "player/playback/playback.h"
#include "player/windows/playlist/playlist_window.h"
#include "tests/player_spine/player_fixture.h"
#include "tests/support/child.h"
#include "tests/support/ui.h"

namespace spine {
namespace {

using Start = PlayerTest;

std::vector<std::string> openedSources() {
  std::vector<std::string> sources;
  for (const standin::JournalLine& call : journalCalls("APlayer_OpenA")) sources.push_back(call.at(2));
  return sources;
}

TEST_F(Start, CommandLinePathIsTheOnlyEntryAndPlaysWhetherOrNotItExists) {
  const std::string listed = makeFile("listed.mp4");
  ASSERT_TRUE(support::writeFile(temp.file("播放列表.txt"), listed + "\r\n"));
  // Unquoted, so the split cuts it in two; the two spaces come back as one.
  setPlayerArguments("C:\\no such\\  clip.mp4");
  startPlayer();

  EXPECT_EQ(player::playlist, fw::TextArray{"C:\\no such\\ clip.mp4"});
  EXPECT_EQ(player::currentIndex, 1);
  EXPECT_EQ(openedSources(), std::vector<std::string>{"C:\\no such\\ clip.mp4"});
}

TEST_F(Start, WithoutArgumentsThePlaylistFileGivesTheExistingFilesAndTheFirstPlays) {
  const std::string first = makeFile("first.mp4");
  const std::string second = makeFile("second.mp4");
  ASSERT_TRUE(support::writeFile(temp.file("播放列表.txt"),
                                 first + "\r\n" + temp.file("missing.mp4") + "\r\n" + second + "\r\n"));
  startPlayer();

  EXPECT_EQ(player::playlist, (fw::TextArray{first, second}));
  EXPECT_EQ(player::currentIndex, 1);
  EXPECT_EQ(openedSources(), std::vector<std::string>{first});
}

TEST_F(Start, WithNeitherArgumentsNorPlaylistFileNothingPlays) {
  startPlayer();
  EXPECT_TRUE(player::playlist.empty());
  EXPECT_EQ(player::currentIndex, 0);
  EXPECT_TRUE(openedSources().empty());
  EXPECT_TRUE(seam.calls.empty());
}

TEST_F(Start, WithoutSettingsFileEveryDefaultApplies) {
  startPlayer();

  EXPECT_EQ(player::settingsPath, temp.path() + "\\设置.txt");
  EXPECT_EQ(window().音量滑块条.position(), 80);
  ASSERT_EQ(journalCalls("APlayer_SetVolume").size(), 1u);
  EXPECT_EQ(journalCalls("APlayer_SetVolume")[0].at(2), "80");
  EXPECT_EQ(window().width(), 800);
  EXPECT_EQ(window().height(), 560);
  EXPECT_EQ(player::seekStepMs, 5000);
  EXPECT_EQ(player::autoSizeSetting, "假");
  EXPECT_EQ(player::overwriteOnDrop, "假");
  EXPECT_EQ(player::closeToTray, "假");
  EXPECT_EQ(player::audioDeviceSetting, "");
  EXPECT_TRUE(journalCalls("APlayer_SetConfigA").empty()) << "no audio device is set";
  EXPECT_EQ(player::loopMode, "0");
  EXPECT_TRUE(window().顺序播放.checked());
  EXPECT_FALSE(window().随机播放.checked());
  EXPECT_FALSE(window().单曲循环.checked());
  EXPECT_TRUE(player::dlnaSkipTypes.empty());
  EXPECT_TRUE(player::dlnaConvertTypes.empty());
  EXPECT_EQ(player::hintDuration, 5000);
  EXPECT_NE(player::engineReady, 0);
  // The settings are only read: the file is not created.
  EXPECT_FALSE(fw::fileExists(temp.file("设置.txt")));
}

TEST_F(Start, SettingsAreReadWithTheirValueRules) {
  writeSettings(
      "[设置]\r\n"
      "默认音量=４２\r\n"          // full-width digits
      "快进毫秒数=3000ms\r\n"       // leading digits count
      "自动调整尺寸=真\r\n"
      "音频输出设备=扬声器 (高清晰度音频)\r\n"
      "拖放时覆盖播放列表=true\r\n"
      "关闭时最小化到托盘=真\r\n");
  startPlayer();

  EXPECT_EQ(player::defaultVolume, 42);
  EXPECT_EQ(window().音量滑块条.position(), 42);
  EXPECT_EQ(journalCalls("APlayer_SetVolume").at(0).at(2), "42");
  EXPECT_EQ(player::seekStepMs, 3000);
  EXPECT_EQ(player::autoSizeSetting, "真");
  EXPECT_EQ(player::overwriteOnDrop, "true");
  EXPECT_EQ(player::closeToTray, "真");
  const auto configs = journalCalls("APlayer_SetConfigA");
  ASSERT_EQ(configs.size(), 1u);
  EXPECT_EQ(configs[0].at(2), "11");
  EXPECT_EQ(configs[0].at(3), "扬声器 (高清晰度音频)");
}

TEST_F(Start, EngineIsCreatedAtTheDescribedSizeThenTheWindowTakesTheSettingsSize) {
  writeSettings("[设置]\r\n播放器宽度=1024\r\n播放器高度=700\r\n");
  startPlayer();

  const auto creates = journalCalls("APlayer_Create");
  ASSERT_EQ(creates.size(), 1u);
  EXPECT_EQ(creates[0].at(1), std::to_string(reinterpret_cast<INT_PTR>(window().handle())));
  EXPECT_EQ((std::vector<std::string>(creates[0].begin() + 2, creates[0].end())),
            (std::vector<std::string>{"0", "40", "800", "450", "1", "1", "1", "0", "0", "0", "0", "0"}));

  EXPECT_EQ(window().width(), 1024);
  EXPECT_EQ(window().height(), 700);
  HWND video = player::playerEngine->getWindow();
  ASSERT_NE(video, nullptr);
  RECT placed = rectInParent(video);
  EXPECT_EQ(placed.left, 0);
  EXPECT_EQ(placed.top, 40);
  EXPECT_EQ(placed.right - placed.left, 1024);
  EXPECT_EQ(placed.bottom - placed.top, 590);
  EXPECT_EQ(window().图片框2.top(), 630);
}

// A remembered size the window cannot be used at, or a volume outside the
// slider's range, must not reach the window and the engine as it stands.
TEST_F(Start, WindowSizeAndVolumeFromTheSettingsStayUsable) {
  const int screenWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  struct Case {
    std::string width, height, volume;
    int windowWidth, windowHeight, startVolume;
  } cases[] = {
      {"-5", "-99999999999", "300", 800, 560, 100},
      {"399", "199", "-1", 800, 560, 0},
      {"400", "200", "0", 400, 200, 0},
      {std::to_string(screenWidth), std::to_string(screenHeight), "100", screenWidth, screenHeight, 100},
      {std::to_string(screenWidth + 1), std::to_string(screenHeight + 1), "55", 800, 560, 55},
      {"1024", "0", "80", 1024, 560, 80},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width + " x " + c.height + ", volume " + c.volume);
    endPlayer();
    writeSettings("[设置]\r\n播放器宽度=" + c.width + "\r\n播放器高度=" + c.height + "\r\n默认音量=" +
                  c.volume + "\r\n");
    startPlayer();

    EXPECT_EQ(window().width(), c.windowWidth);
    EXPECT_EQ(window().height(), c.windowHeight);
    EXPECT_EQ(player::playerWidth, c.windowWidth);
    EXPECT_EQ(player::playerHeight, c.windowHeight);
    EXPECT_EQ(window().音量滑块条.position(), c.startVolume);
    const auto volumes = journalCalls("APlayer_SetVolume");
    ASSERT_EQ(volumes.size(), 1u);
    EXPECT_EQ(volumes[0].at(2), std::to_string(c.startVolume));
  }
}

// A start after another in the same process finds nothing of the first one:
// every global is back at its start value.
TEST_F(Start, SecondStartInTheSameProcessIsLikeAFreshOne) {
  writeSettings("[设置]\r\n默认音量=30\r\n循环模式=1\r\n自动调整尺寸=真\r\n快进毫秒数=100\r\n"
                "[DLNA跳过音乐类型]\r\n.ape\r\n[DLNA自动转换类型]\r\n.flac\r\n");
  setPlayerArguments(makeFile("clip.mp4"));
  startPlayer();
  click(window().全屏按钮);
  ASSERT_EQ(player::isFullScreen, 1);
  ASSERT_EQ(player::currentIndex, 1);
  support::chooseMenuItem(window().显示播放列表);
  ASSERT_EQ(player::playlistCopy.size(), 1u);
  player::playlistChanged = 1;   // as a drop would
  player::closePlaylistWindow();

  endPlayer();
  ASSERT_TRUE(DeleteFileA(temp.file("设置.txt").c_str()));
  setPlayerArguments("");
  startPlayer();

  EXPECT_TRUE(player::playlist.empty());
  EXPECT_EQ(player::currentIndex, 0);
  EXPECT_EQ(player::isFullScreen, 0);
  EXPECT_EQ(player::openPending, 0);
  EXPECT_EQ(player::durationMs, 0);
  EXPECT_EQ(player::loopMode, "0");
  EXPECT_EQ(player::autoSizeSetting, "假");
  EXPECT_EQ(player::seekStepMs, 5000);
  EXPECT_EQ(player::defaultVolume, 80);
  EXPECT_TRUE(player::dlnaSkipTypes.empty());
  EXPECT_TRUE(player::dlnaConvertTypes.empty());
  EXPECT_TRUE(player::playlistCopy.empty());
  EXPECT_EQ(player::playlistChanged, 0);
  EXPECT_FALSE(player::playlistWindowOpen);
  EXPECT_EQ(window().width(), 800);
  EXPECT_EQ(window().height(), 560);
  EXPECT_TRUE(journalCalls("APlayer_OpenA").empty());
}

// The cases of the settings file and of the start-up, run one after another in
// one process, each on what its fixture gives it.
TEST(OneProcess, SettingsAndStartUpCasesRunOneAfterAnother) {
  std::string line = "\"";
  line += support::selfPath();
  line += "\" --gtest_filter=Cases/SettingsScan.*:Settings.*:Start.*";
  EXPECT_EQ(support::runChild(line, {}, 40000), 0);
}

TEST_F(Start, MissingLogoIsWrittenFromTheVideoAreaPictureAsA24BitBitmap) {
  startPlayer();

  EXPECT_EQ(player::logoPicture, window().图片框1.pictureBytes());
  EXPECT_FALSE(player::logoPicture.empty());
  const std::string bmp = support::readFile(temp.file("Quorle播放器.BMP"));
  ASSERT_GE(bmp.size(), 30u);
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(static_cast<unsigned char>(bmp[28]), 24) << "bits per pixel";
  const auto logos = journalCalls("APlayer_SetCustomLogo");
  ASSERT_EQ(logos.size(), 1u);
  EXPECT_NE(logos[0].at(2), "0") << "the bitmap loaded";
}

TEST_F(Start, ExistingLogoIsHandedToTheEngineUnchanged) {
  // Not a bitmap at all: still the file the engine is given, never rewritten.
  ASSERT_TRUE(support::writeFile(temp.file("Quorle播放器.BMP"), "left by an earlier start"));
  startPlayer();

  EXPECT_EQ(support::readFile(temp.file("Quorle播放器.BMP")), "left by an earlier start");
  const auto logos = journalCalls("APlayer_SetCustomLogo");
  ASSERT_EQ(logos.size(), 1u);
  EXPECT_EQ(logos[0].at(2), "0") << "a file that is no bitmap gives a null logo";
}

TEST_F(Start, EngineThatCannotBeCreatedLeavesThePlayerWithoutSettings) {
  standin::setConfig("createFails", "1");
  writeSettings("[设置]\r\n默认音量=30\r\n播放器宽度=900\r\n循环模式=1\r\n关闭时最小化到托盘=真\r\n"
                "[DLNA跳过音乐类型]\r\n.ape\r\n");
  setPlayerArguments("clip.mp4");
  startPlayer();

  ASSERT_EQ(seam.calls.size(), 1u);
  EXPECT_EQ(seam.calls[0].kind, support::ScriptedSeam::Call::Message);
  EXPECT_EQ(seam.calls[0].text, "播放器初始化失败！");
  EXPECT_EQ(seam.calls[0].caption, "信息：");
  EXPECT_EQ(seam.calls[0].flags & 0xFFu, 0u);

  EXPECT_EQ(player::engineReady, 0);
  EXPECT_EQ(player::defaultVolume, 0);
  EXPECT_EQ(player::playerWidth, 0);
  EXPECT_EQ(player::closeToTray, "");
  EXPECT_EQ(player::loopMode, "");
  EXPECT_EQ(player::hintDuration, 0);
  EXPECT_TRUE(player::dlnaSkipTypes.empty());
  EXPECT_FALSE(window().顺序播放.checked());
  EXPECT_FALSE(window().随机播放.checked());
  EXPECT_FALSE(window().单曲循环.checked());
  EXPECT_EQ(window().width(), 800);
  EXPECT_EQ(window().音量滑块条.position(), 80) << "as described";
  EXPECT_TRUE(journalCalls("APlayer_SetVolume").empty());
  EXPECT_TRUE(journalCalls("APlayer_SetCustomLogo").empty());
  EXPECT_FALSE(fw::fileExists(temp.file("Quorle播放器.BMP")));
  // The first playback still goes to the engine, with handle 0.
  const auto opens = journalCalls("APlayer_OpenA");
  ASSERT_EQ(opens.size(), 1u);
  EXPECT_EQ(opens[0].at(1), "0");
  EXPECT_EQ(opens[0].at(2), "clip.mp4");
}

struct LoopModeCase {
  const char* stored;     // nullptr: no key
  const char* loopMode;
  bool sequential, random, repeatOne;
};

void PrintTo(const LoopModeCase& c, std::ostream* out) { *out << (c.stored ? c.stored : "(none)"); }

class StartLoopMode : public PlayerTest, public ::testing::WithParamInterface<LoopModeCase> {};

TEST_P(StartLoopMode, MarksOneItemAndReadsAnyOtherValueAsSequential) {
  const LoopModeCase& c = GetParam();
  if (c.stored) writeSettings(std::string("[设置]\r\n循环模式=") + c.stored + "\r\n");
  const std::string before = support::readFile(temp.file("设置.txt"));
  startPlayer();

  EXPECT_EQ(player::loopMode, c.loopMode);
  EXPECT_EQ(window().顺序播放.checked(), c.sequential);
  EXPECT_EQ(window().随机播放.checked(), c.random);
  EXPECT_EQ(window().单曲循环.checked(), c.repeatOne);
  EXPECT_EQ(support::readFile(temp.file("设置.txt")), before) << "the file is not corrected";
}

INSTANTIATE_TEST_SUITE_P(Values, StartLoopMode,
                         ::testing::Values(LoopModeCase{nullptr, "0", true, false, false},
                                           LoopModeCase{"1", "1", false, true, false},
                                           LoopModeCase{"2", "2", false, false, true},
                                           LoopModeCase{"3", "0", true, false, false},
                                           LoopModeCase{"", "0", true, false, false}),
                         [](const auto& info) {
                           const char* stored = info.param.stored;
                           return !stored ? std::string("Missing")
                                          : *stored ? "Stored" + std::string(stored) : "Empty";
                         });

}  // namespace
}  // namespace spine
