// Full screen over the monitors the system reports, and back.
#include <windows.h>

#include "player/playback/full_screen.h"
#include "player/app/app.h"
#include "player/playback/playback.h"
#include "player/sources/sources.h"
#include "player/windows/main/main_window_behaviour.h"
#include "tests/player_road/road_test.h"
#include "tests/support/ui.h"

namespace road {
namespace {

class FullScreenTest : public RoadTest {
 protected:
  void SetUp() override {
    RoadTest::SetUp();
    screenWidth = GetSystemMetrics(SM_CXSCREEN);
    screenHeight = GetSystemMetrics(SM_CYSCREEN);
  }
  void placeWindow(int left, int top) {
    window().setBounds(left, top, 800, 560);
    ASSERT_EQ(videoRect().top, 40);
  }
  void expectBounds(int left, int top, int width, int height, const std::string& what) {
    EXPECT_EQ(window().left(), left) << what;
    EXPECT_EQ(window().top(), top) << what;
    EXPECT_EQ(window().width(), width) << what;
    EXPECT_EQ(window().height(), height) << what;
  }
  void expectVideo(int left, int top, int width, int height, const std::string& what) {
    const RECT video = videoRect();
    EXPECT_EQ(video.left, left) << what;
    EXPECT_EQ(video.top, top) << what;
    EXPECT_EQ(video.right - video.left, width) << what;
    EXPECT_EQ(video.bottom - video.top, height) << what;
  }
  int screenWidth = 0;
  int screenHeight = 0;
};

TEST_F(FullScreenTest, ListsTheMonitorsTheSystemReports) {
  std::vector<player::MonitorInfo> monitors;
  ASSERT_GE(player::listMonitors(monitors), 1);
  EXPECT_EQ(monitors[0].deviceName, "\\\\.\\DISPLAY1");
  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  ASSERT_TRUE(EnumDisplaySettingsA(monitors[0].deviceName.c_str(), ENUM_CURRENT_SETTINGS, &mode));
  EXPECT_EQ(monitors[0].width, screenWidth);
  EXPECT_EQ(monitors[0].height, screenHeight);
  EXPECT_EQ(monitors[0].refreshRate, static_cast<int>(mode.dmDisplayFrequency));
  EXPECT_EQ(monitors[0].bitsPerPixel, static_cast<int>(mode.dmBitsPerPel));
  EXPECT_GT(monitors[0].bitsPerPixel, 0);

  fakeMonitors({1920, 1280, 1024}, 1);
  ASSERT_EQ(player::listMonitors(monitors), 3);
  EXPECT_EQ(monitors[0].deviceName, "\\\\.\\DISPLAY1");
  EXPECT_EQ(monitors[0].width, 1920);
  EXPECT_EQ(monitors[0].refreshRate, 60);
  EXPECT_EQ(monitors[0].bitsPerPixel, 32);
  // A failed query leaves the record with what the pass before found.
  EXPECT_EQ(monitors[1].deviceName, "\\\\.\\DISPLAY1");
  EXPECT_EQ(monitors[1].width, 1920);
  EXPECT_EQ(monitors[2].deviceName, "\\\\.\\DISPLAY3");
  EXPECT_EQ(monitors[2].width, 1024);

  fakeMonitors({});
  EXPECT_EQ(player::listMonitors(monitors), 0);
  EXPECT_EQ(monitors.size(), 3u) << "untouched";
}

TEST_F(FullScreenTest, OneMonitorCoversTheScreenAndLeavingRestoresTheWindow) {
  fakeMonitors({screenWidth});
  placeWindow(100, 100);

  player::toggleFullScreen();
  EXPECT_EQ(player::isFullScreen, 1);
  expectBounds(0, 0, screenWidth, screenHeight, "full screen");
  expectVideo(0, 0, screenWidth, screenHeight, "full screen");
  EXPECT_EQ(window().图片框2.top(), screenHeight - 70);
  EXPECT_EQ(window().图片框2.width(), screenWidth);
  EXPECT_EQ(window().全屏按钮.left(), screenWidth - 40);
  EXPECT_EQ(window().图片框1.left(), 0);
  EXPECT_EQ(window().图片框1.height(), screenHeight - 110);

  player::toggleFullScreen();
  EXPECT_EQ(player::isFullScreen, 0);
  expectBounds(100, 100, 800, 560, "left");
  expectVideo(0, 40, 800, 450, "left");
  EXPECT_EQ(window().图片框2.top(), 490);
  EXPECT_EQ(window().全屏按钮.left(), 760);
}

TEST_F(FullScreenTest, EnteringAgainKeepsThePlaceToGoBackTo) {
  fakeMonitors({screenWidth});
  placeWindow(100, 100);
  player::enterFullScreen();
  player::enterFullScreen();
  player::leaveFullScreen();
  expectBounds(100, 100, 800, 560, "left after two entries");
  expectVideo(0, 40, 800, 450, "left after two entries");
}

TEST_F(FullScreenTest, TwoMonitorsTakeTheOneTheWindowIsOn) {
  struct Case {
    int left;
    int leftAfter;
  } cases[] = {{1719, 0}, {1720, 1920}, {2000, 1920}, {0, 0}};
  fakeMonitors({1920, 1280});
  for (const Case& k : cases) {
    placeWindow(k.left, 100);
    player::enterFullScreen();
    const std::string what = "left " + std::to_string(k.left);
    expectBounds(k.leftAfter, 0, screenWidth, screenHeight, what);
    expectVideo(0, 0, screenWidth, screenHeight, what);
    player::leaveFullScreen();
    expectBounds(k.left, 100, 800, 560, what);
  }
}

TEST_F(FullScreenTest, ThreeMonitorsMaximiseWhereTheWindowIs) {
  fakeMonitors({1920, 1920, 1920});
  placeWindow(100, 100);
  player::enterFullScreen();
  EXPECT_EQ(window().startState(), fw::kStateMaximised);
  expectVideo(0, 0, window().width(), window().height(), "maximised");
}

TEST_F(FullScreenTest, NoMonitorLeavesPlaceAndVideoWindowAlone) {
  fakeMonitors({});
  placeWindow(100, 100);
  player::enterFullScreen();
  EXPECT_EQ(player::isFullScreen, 1);
  expectBounds(100, 100, screenWidth, screenHeight, "no monitor");
  expectVideo(0, 40, 800, 450, "no monitor");
  EXPECT_EQ(window().图片框2.top(), screenHeight - 70);

  player::leaveFullScreen();
  expectBounds(100, 100, 800, 560, "left");
  expectVideo(0, 40, 800, 450, "left");
}

TEST_F(FullScreenTest, FullScreenButtonIsReachableAtTheBottomAndLeaves) {
  fakeMonitors({screenWidth});
  placeWindow(100, 100);
  player::enterFullScreen();
  fakeCursorY(screenHeight - 10);
  standin::fireMessage(engineHandle, WM_MOUSEMOVE, 0, 0);
  ASSERT_TRUE(controlBarAboveVideo());

  // The button's own click, as Windows sends it.
  support::click(window().全屏按钮.handle());
  EXPECT_EQ(player::isFullScreen, 0);
  expectBounds(100, 100, 800, 560, "left by the button");
}

}  // namespace
}  // namespace road
