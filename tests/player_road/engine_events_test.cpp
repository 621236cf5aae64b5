// The engine's callbacks as the stand-in delivers them: keys and mouse on the
// video, state changes, the medium opened, and sizing to the video.
#include <windows.h>

#include <array>
#include <functional>

#include "player/playback/engine_events.h"
#include "player/app/app.h"
#include "player/playback/playback.h"
#include "player/sources/sources.h"
#include "player/windows/main/main_window_behaviour.h"
#include "tests/player_road/road_test.h"
#include "tests/support/ui.h"

namespace road {
namespace {

constexpr int32_t kKeyUpFlags = static_cast<int32_t>(0xC0000001u);
constexpr int32_t kKeyDownFlags = 1;

class EngineEventsTest : public RoadTest {
 protected:
  void SetUp() override {
    RoadTest::SetUp();
    player::loopMode = std::string("0");
    screenWidth = GetSystemMetrics(SM_CXSCREEN);
    screenHeight = GetSystemMetrics(SM_CYSCREEN);
    fakeMonitors({screenWidth});
  }
  void message(int32_t message, int32_t wParam, int32_t lParam = 0) {
    standin::fireMessage(engineHandle, message, wParam, lParam);
  }
  void keyUp(int32_t key) { message(WM_KEYUP, key, kKeyUpFlags); }
  void keyDown(int32_t key) { message(WM_KEYDOWN, key, kKeyDownFlags); }
  void playWav(uint32_t milliseconds = 20000) {
    setPlaylist({wav("clip.wav", milliseconds)});
    ASSERT_TRUE(playIndex(1));
    clearJournal();
  }
  int screenWidth = 0;
  int screenHeight = 0;
};

TEST_F(EngineEventsTest, ControlBarShowsNearTheBottomInFullScreenOnly) {
  player::enterFullScreen();
  ASSERT_FALSE(controlBarAboveVideo());
  struct Step {
    int aboveBottom;
    bool barShown;
  } steps[] = {{540, false}, {31, false}, {30, true}, {60, true},
               {90, true},   {91, false}, {45, false}, {0, true}};
  for (const Step& step : steps) {
    fakeCursorY(screenHeight - step.aboveBottom);
    message(WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(controlBarAboveVideo(), step.barShown) << step.aboveBottom << " px above the bottom";
  }

  player::leaveFullScreen();
  const bool before = controlBarAboveVideo();
  for (int aboveBottom : {0, 200}) {
    fakeCursorY(screenHeight - aboveBottom);
    message(WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(controlBarAboveVideo(), before);
  }
}

TEST_F(EngineEventsTest, ClickAndSpaceToggleBetweenPlayingAndPausedOnly) {
  playWav();
  const std::function<void()> presses[] = {[this] { message(WM_LBUTTONDOWN, MK_LBUTTON, 0); },
                                           [this] { keyUp(VK_SPACE); }};
  for (const auto& press : presses) {
    clearJournal();
    press();
    settle();
    EXPECT_EQ(engine().getState(), 3);
    press();
    settle();
    EXPECT_EQ(engine().getState(), 5);
    EXPECT_EQ(calls("APlayer_Pause").size(), 1u);
    EXPECT_EQ(calls("APlayer_Play").size(), 1u);
  }

  keyDown(VK_SPACE);
  settle();
  EXPECT_EQ(engine().getState(), 5) << "Space acts on its release";

  standin::setItem(engineHandle, 7, "1");
  for (int state : {1, 0}) {
    standin::fireStateChange(engineHandle, engine().getState(), state);
    clearJournal();
    message(WM_LBUTTONDOWN, MK_LBUTTON, 0);
    keyUp(VK_SPACE);
    EXPECT_TRUE(calls("APlayer_Pause").empty()) << state;
    EXPECT_TRUE(calls("APlayer_Play").empty()) << state;
  }
}

TEST_F(EngineEventsTest, DoubleClickTabAndEscapeEnterAndLeaveFullScreen) {
  message(WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
  EXPECT_EQ(player::isFullScreen, 1);
  message(WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
  EXPECT_EQ(player::isFullScreen, 0);
  EXPECT_EQ(window().width(), 800);

  keyDown(VK_TAB);
  EXPECT_EQ(player::isFullScreen, 1);
  keyUp(VK_TAB);
  EXPECT_EQ(player::isFullScreen, 1) << "one press acts once";
  keyDown(VK_TAB);
  EXPECT_EQ(player::isFullScreen, 0);

  keyDown(VK_ESCAPE);
  EXPECT_EQ(window().width(), 800) << "Esc outside full screen does nothing";
  keyDown(VK_TAB);
  keyDown(VK_ESCAPE);
  EXPECT_EQ(player::isFullScreen, 0);
  EXPECT_EQ(window().width(), 800);

  // Mouse messages whose key flags add up to a key code are not keys.
  message(WM_MOUSEMOVE, MK_LBUTTON | MK_CONTROL, 0);
  EXPECT_EQ(player::isFullScreen, 0);
}

TEST_F(EngineEventsTest, TabOnAScreenSizedWindowLeavesItThroughMaximise) {
  player::playerWidth = 900;
  player::playerHeight = 600;
  window().setBounds(0, 0, screenWidth, screenHeight);
  keyDown(VK_TAB);
  EXPECT_EQ(player::isFullScreen, 0);
  EXPECT_EQ(window().width(), 900);
  EXPECT_EQ(window().height(), 600);
}

TEST_F(EngineEventsTest, MKeyPausesAndMinimises) {
  playWav();
  keyDown('M');
  settle();
  EXPECT_EQ(engine().getState(), 3);
  EXPECT_EQ(window().startState(), fw::kStateMinimised);
}

TEST_F(EngineEventsTest, RightKeySeeksOnReleaseAndAltRightPlaysTheNextEntry) {
  const std::string second = wav("second.wav");
  setPlaylist({wav("first.wav", 20000), second});
  ASSERT_TRUE(playIndex(1));
  standin::advanceClock(10000);
  clearJournal();

  keyDown(VK_RIGHT);
  EXPECT_TRUE(calls("APlayer_SetPosition").empty());
  keyUp(VK_RIGHT);
  ASSERT_EQ(calls("APlayer_SetPosition").size(), 1u);
  EXPECT_EQ(calls("APlayer_SetPosition")[0].at(2), "15000");

  // Near the end the sum goes to the engine unbounded.
  standin::advanceClock(3000);
  player::seekStepMs = 9000;
  keyUp(VK_RIGHT);
  EXPECT_EQ(calls("APlayer_SetPosition").back().at(2), "27000");

  message(WM_SYSKEYDOWN, VK_RIGHT, 0x20000001);
  EXPECT_EQ(opened(), std::vector<std::string>{second});
  EXPECT_EQ(player::currentIndex, 2);
}

TEST_F(EngineEventsTest, UpAndDownStepTheVolumeUnclampedWithAHint) {
  engine().setVolume(98);
  window().音量滑块条.setPosition(40);
  clearJournal();

  keyUp(VK_UP);
  keyDown(VK_DOWN);
  keyUp(VK_DOWN);
  keyUp(VK_DOWN);

  std::vector<std::string> volumes;
  for (const Line& line : calls("APlayer_SetVolume")) volumes.push_back(line.at(2));
  EXPECT_EQ(volumes, (std::vector<std::string>{"103", "98", "93"}));
  EXPECT_EQ(overlayTexts(), (std::vector<std::string>{"音量：103%", "音量：98%", "音量：93%"}));
  EXPECT_EQ(window().时钟_销毁提示文本.interval(), 5000);
  EXPECT_EQ(window().音量滑块条.position(), 40);
}

TEST_F(EngineEventsTest, FailedOpenMovesToTheNextEntry) {
  const std::string next = wav("next.wav");
  setPlaylist({temp.file("missing.wav"), next}, 1);
  player::playEntry(player::playlist[0]);
  settle();
  EXPECT_EQ(opened(), (std::vector<std::string>{player::playlist[0], next}));
  EXPECT_EQ(player::currentIndex, 2);
  EXPECT_EQ(engine().getState(), 5);
}

TEST_F(EngineEventsTest, RepeatOneReopensAnEntryThatFailsAfterEveryFailure) {
  player::loopMode = std::string("2");
  setPlaylist({temp.file("missing.wav")}, 1);
  player::playEntry(player::playlist[0]);
  standin::deliverPending(engineHandle, 12);
  EXPECT_GE(opened().size(), 3u);
}

TEST_F(EngineEventsTest, FirstPlayingReportStartsTheProgressTimer) {
  struct Case {
    int reachedByNext;
    int interval;
  } cases[] = {{0, 500}, {1, 1000}};
  for (const Case& k : cases) {
    setPlaylist({wav("clip.wav")}, 1);
    player::playEntry(player::playlist[0]);
    player::reachedByNext = k.reachedByNext;
    window().时钟_标记播放进度.setInterval(0);
    window().电影名标签.setVisible(false);
    settle();
    EXPECT_EQ(window().时钟_标记播放进度.interval(), k.interval);
    EXPECT_EQ(player::openPending, 0);
    EXPECT_EQ(window().电影名标签.visible(), k.reachedByNext == 1);
  }

  // Playing again after a pause leaves the timer alone.
  window().时钟_标记播放进度.setInterval(0);
  engine().pause();
  settle();
  engine().play();
  settle();
  EXPECT_EQ(window().时钟_标记播放进度.interval(), 0);
}

TEST_F(EngineEventsTest, StateChangesThatDoNothing) {
  setPlaylist({wav("a.wav"), wav("b.wav")}, 1);
  struct Case {
    int from, to;
    const char* endCode;
  } cases[] = {{1, 0, "0"}, {1, 0, "3"}, {6, 0, "1"}, {6, 0, "-1"}, {3, 5, "0"}};
  for (const Case& k : cases) {
    standin::setItem(engineHandle, 7, k.endCode);
    clearJournal();
    standin::fireStateChange(engineHandle, k.from, k.to);
    EXPECT_TRUE(opened().empty()) << k.from << "->" << k.to << " with " << k.endCode;
    EXPECT_EQ(player::currentIndex, 1);
  }
  EXPECT_EQ(window().时钟_标记播放进度.interval(), 0);
}

TEST_F(EngineEventsTest, MediumOpenedShowsItsDuration) {
  struct Case {
    const char* duration;
    std::array<int, 4> parts;
    int sliderMaximum;
    const char* label;
  } cases[] = {
      {"3599999", {0, 59, 59, 999}, 59 * 60 + 59, "00:00:00/00:59:59"},
      {"62000", {0, 1, 2, 0}, 62, "00:00:00/00:01:02"},
      {"3725000", {1, 2, 5, 0}, 3725, "00:00:00/01:02:05"},
      {"0", {0, 0, 0, 0}, 0, "00:00:00/00:00:00"},
  };
  const std::string clip = file("clip.mp4");
  for (const Case& k : cases) {
    standin::setConfig("duration.mp4", k.duration);
    window().时长滑块条.setMaximum(100);
    player::playEntry(clip);
    settle();
    EXPECT_EQ(player::durationMs, std::stoll(k.duration));
    EXPECT_EQ(player::durationParts, k.parts) << k.duration;
    EXPECT_EQ(window().时长滑块条.maximum(), k.sliderMaximum) << k.duration;
    EXPECT_EQ(window().进度标签.caption(), k.label) << k.duration;
  }
}

TEST_F(EngineEventsTest, AutoSizeFitsTheWindowToTheVideo) {
  ASSERT_EQ(screenWidth, 1920) << "the tests run on a 1920 x 1080 screen";
  ASSERT_EQ(screenHeight, 1080);
  standin::setConfig("video.avi", "320x240");
  struct Case {
    const char* name;
    int left, top, width, height;
    int fullScreen;
    int rememberedWidth, rememberedHeight;
  } cases[] = {
      {"big.mkv", 0, 0, 1920, 1080, 1, 800, 560},   // 1920 x 1080: not below the screen's width
      {"clip.mp4", 320, 125, 1280, 830, 0, 1280, 720},
      {"song.mp3", 100, 100, 650, 110, 0, 800, 560},
      {"small.avi", 100, 100, 800, 560, 0, 800, 560},
  };
  for (const Case& k : cases) {
    player::autoSizeSetting = "真";
    player::isFullScreen = 0;
    player::playerWidth = 800;
    player::playerHeight = 560;
    window().setBounds(100, 100, 800, 560);
    player::playEntry(file(k.name));
    settle();
    EXPECT_EQ(window().left(), k.left) << k.name;
    EXPECT_EQ(window().top(), k.top) << k.name;
    EXPECT_EQ(window().width(), k.width) << k.name;
    EXPECT_EQ(window().height(), k.height) << k.name;
    EXPECT_EQ(player::isFullScreen, k.fullScreen) << k.name;
    EXPECT_EQ(player::playerWidth, k.rememberedWidth) << k.name;
    EXPECT_EQ(player::playerHeight, k.rememberedHeight) << k.name;
    if (k.fullScreen == 0 && k.width == 1280) {
      const RECT video = videoRect();
      EXPECT_EQ(video.left, 0);
      EXPECT_EQ(video.top, 40);
      EXPECT_EQ(video.right - video.left, 1280);
      EXPECT_EQ(video.bottom - video.top, 720);
    }
  }

  player::autoSizeSetting = "真 ";
  window().setBounds(100, 100, 800, 560);
  player::playEntry(file("other.mp4"));
  settle();
  EXPECT_EQ(window().width(), 800) << "only the exact text 真 turns sizing on";
}

// Full screen chosen by the user stays for whatever the next entry is; leaving
// it afterwards gives back the window it was entered from.
TEST_F(EngineEventsTest, AutoSizeLeavesFullScreenAsItIs) {
  fakeMonitors({1920});
  standin::setConfig("video.avi", "320x240");
  player::autoSizeSetting = "真";
  player::loopMode = std::string("0");
  const char* names[] = {"film.mp4", "song.mp3", "small.avi", "big.mkv", "clip.mp4"};
  for (const char* name : names) player::playlist.push_back(file(name));
  window().setBounds(100, 100, 800, 560);
  player::currentIndex = 1;
  player::playEntry(player::playlist[0]);
  settle();
  window().setBounds(100, 100, 800, 560);
  support::click(window().全屏按钮.handle());
  ASSERT_EQ(player::isFullScreen, 1);

  for (int index = 2; index <= 5; ++index) {
    SCOPED_TRACE(player::playlist[static_cast<std::size_t>(index - 1)]);
    support::click(window().下一个按钮.handle());
    settle();
    ASSERT_EQ(player::currentIndex, index);
    EXPECT_EQ(player::isFullScreen, 1);
    EXPECT_EQ(window().left(), 0);
    EXPECT_EQ(window().top(), 0);
    EXPECT_EQ(window().width(), screenWidth);
    EXPECT_EQ(window().height(), screenHeight);
    const RECT video = videoRect();
    EXPECT_EQ(video.left, 0);
    EXPECT_EQ(video.top, 0);
    EXPECT_EQ(video.right - video.left, screenWidth);
    EXPECT_EQ(video.bottom - video.top, screenHeight);
    EXPECT_EQ(window().全屏按钮.left(), screenWidth - 40);
  }

  support::click(window().全屏按钮.handle());
  EXPECT_EQ(player::isFullScreen, 0);
  EXPECT_EQ(window().left(), 100);
  EXPECT_EQ(window().top(), 100);
  EXPECT_EQ(window().width(), 800);
  EXPECT_EQ(window().height(), 560);
}

}  // namespace
}  // namespace road
