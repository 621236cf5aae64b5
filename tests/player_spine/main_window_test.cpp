// The main window's own behaviour, driven through its real units: layout,
// maximise, drag-to-move and the grip, the pop-up menus and the tray.
#include <gtest/gtest.h>

#include "framework/tray.h"
#include "player/app/app.h"
#include "player/playback/playback.h"
#include "player/sources/sources.h"
#include "player/windows/main/main_window_behaviour.h"
#include "player/app/settings.h"
#include "tests/player_spine/player_fixture.h"
#include "tests/support/wait.h"

namespace spine {
namespace {

LPARAM at(int x, int y) { return MAKELPARAM(x, y); }

using MainWindowLayout = PlayerTest;

TEST_F(MainWindowLayout, FirstLayoutAt800By560) {
  startPlayer();
  player::MainWindow& w = window();
  ASSERT_EQ(w.width(), 800);
  ASSERT_EQ(w.height(), 560);
  EXPECT_EQ(w.电影名标签.left(), 183);
  EXPECT_EQ(w.暂停按钮.left(), 375);
  EXPECT_EQ(w.上一个按钮.left(), 319);
  EXPECT_EQ(w.停止按钮.left(), 246);
  EXPECT_EQ(w.下一个按钮.left(), 440);
  EXPECT_EQ(w.打开媒体文件按钮.left(), 513);
  EXPECT_EQ(w.音量按钮.left(), 628);
  EXPECT_EQ(w.音量滑块条.left(), 650);
  EXPECT_EQ(w.全屏按钮.left(), 760);
  EXPECT_EQ(w.关闭图形按钮.left(), 783);
  EXPECT_EQ(w.最大化图形按钮.left(), 756);
  EXPECT_EQ(w.最小化图形按钮.left(), 729);
  EXPECT_EQ(w.图片框1.top(), 40);
  EXPECT_EQ(w.图片框1.width(), 800);
  EXPECT_EQ(w.图片框1.height(), 450);
  EXPECT_EQ(w.图片框2.top(), 490);
  EXPECT_EQ(w.图片框2.width(), 800);
  EXPECT_EQ(w.时长滑块条.width(), 800);
  EXPECT_EQ(w.进度标签.left(), 5);
  // Tops inside the bars stay as described.
  EXPECT_EQ(w.暂停按钮.top(), 14);
  EXPECT_EQ(w.音量滑块条.top(), 37);
  RECT video = rectInParent(player::playerEngine->getWindow());
  EXPECT_EQ(video.left, 0);
  EXPECT_EQ(video.top, 40);
  EXPECT_EQ(video.right, 800);
  EXPECT_EQ(video.bottom, 490);
}

TEST_F(MainWindowLayout, HalvesAreTruncatedAtOddAndEvenWidths) {
  startPlayer();
  player::MainWindow& w = window();
  const struct {
    int width, pause, title, close, volume;
  } cases[] = {{801, 376, 183, 784, 629}, {802, 376, 184, 785, 630}, {1023, 487, 294, 1006, 851}};
  for (const auto& c : cases) {
    w.setWidth(c.width);
    EXPECT_EQ(w.暂停按钮.left(), c.pause) << c.width;
    EXPECT_EQ(w.电影名标签.left(), c.title) << c.width;
    EXPECT_EQ(w.关闭图形按钮.left(), c.close) << c.width;
    EXPECT_EQ(w.音量按钮.left(), c.volume) << c.width;
    EXPECT_EQ(rectInParent(player::playerEngine->getWindow()).right, c.width);
  }
}

TEST_F(MainWindowLayout, NoLayoutInFullScreen) {
  startPlayer();
  player::isFullScreen = 1;
  window().setWidth(1000);
  EXPECT_EQ(window().暂停按钮.left(), 375);
  EXPECT_EQ(window().图片框2.width(), 800);
}

// Without an engine nothing covers the video area: it shows its logo at its
// top-left corner on the skin's dark colour, at every size the window takes,
// and the logo's own field is that colour too.
TEST_F(MainWindowLayout, WithoutAnEngineTheVideoAreaShowsItsLogoOnTheSkinsDarkColour) {
  standin::setConfig("createFails", "1");
  startPlayer();
  player::MainWindow& w = window();
  ASSERT_EQ(player::engineReady, 0);
  constexpr uint32_t kDark = 0x0D0D0D;
  constexpr int kLogoWidth = 241, kLogoHeight = 148;
  for (int width : {800, 1304, 404}) {
    SCOPED_TRACE(width);
    w.setWidth(width);
    const support::Pixels area = support::readPixels(w.handle(), 0, 40, w.图片框1.width(), w.图片框1.height());
    ASSERT_EQ(area.width, width);
    int other = 0;
    for (int y = 0; y < area.height; ++y) {
      for (int x = 0; x < area.width; ++x) {
        if (x < kLogoWidth && y < kLogoHeight) continue;
        other += area.at(x, y) != kDark;
      }
    }
    EXPECT_EQ(other, 0) << "pixels around the logo of another colour";
    for (POINT corner : {POINT{0, 0}, POINT{kLogoWidth - 1, 0}, POINT{0, kLogoHeight - 1},
                         POINT{kLogoWidth - 1, kLogoHeight - 1}}) {
      EXPECT_EQ(area.at(corner.x, corner.y), kDark) << corner.x << "," << corner.y;
    }
    int bright = 0;
    for (uint32_t pixel : area.values) bright += pixel == 0xFFFFFF;
    EXPECT_GT(bright, 50) << "the logo's name shows";
  }
}

using MainWindowMaximise = PlayerTest;

TEST_F(MainWindowMaximise, TwiceGivesBackTheNormalPlaceAndSize) {
  startPlayer();
  player::MainWindow& w = window();
  const int left = w.left(), top = w.top();
  click(w.最大化图形按钮);
  EXPECT_EQ(w.startState(), fw::kStateMaximised);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoA(MonitorFromWindow(w.handle(), MONITOR_DEFAULTTONEAREST), &monitor);
  EXPECT_EQ(w.width(), monitor.rcWork.right - monitor.rcWork.left);
  EXPECT_EQ(w.height(), monitor.rcWork.bottom - monitor.rcWork.top);
  // Here the work area is the whole screen, so the maximised window is also
  // screen-sized: it must be restored all the same, not sized in place.
  EXPECT_EQ(w.暂停按钮.left(), static_cast<int>(w.width() / 2.0 - 24.5)) << "laid out maximised";

  player::onTopBarDoubleClick(10, 10, 0);
  EXPECT_EQ(w.startState(), fw::kStateNormal);
  EXPECT_EQ(w.left(), left);
  EXPECT_EQ(w.top(), top);
  EXPECT_EQ(w.width(), 800);
  EXPECT_EQ(w.height(), 560);
  EXPECT_EQ(w.暂停按钮.left(), 375);
}

TEST_F(MainWindowMaximise, ScreenSizedWindowGoesBackToTheRememberedSizeInPlace) {
  writeSettings("[设置]\r\n播放器宽度=640\r\n播放器高度=480\r\n");
  startPlayer();
  player::MainWindow& w = window();
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
  player::isFullScreen = 1;
  w.setBounds(0, 0, screenWidth, screenHeight);
  player::isFullScreen = 1;

  player::toggleMaximize();

  EXPECT_EQ(player::isFullScreen, 0);
  EXPECT_EQ(w.startState(), fw::kStateNormal);
  EXPECT_EQ(w.left(), 0);
  EXPECT_EQ(w.top(), 0);
  EXPECT_EQ(w.width(), 640);
  EXPECT_EQ(w.height(), 480);
  EXPECT_EQ(w.暂停按钮.left(), 295) << "laid out at the new size";
}

TEST_F(MainWindowMaximise, MinimiseButtonMinimises) {
  startPlayer();
  click(window().最小化图形按钮);
  EXPECT_EQ(window().startState(), fw::kStateMinimised);
}

using MainWindowMove = PlayerTest;

TEST_F(MainWindowMove, OverTheGripMovingGoesOffUntilAPressOnTheTopBar) {
  startPlayer();
  player::MainWindow& w = window();
  ASSERT_TRUE(w.dragToMove());
  HWND bar = w.图片框2.handle();
  // The grip starts at x 791, y 61 of the 800 × 70 bar.
  SendMessageA(bar, WM_MOUSEMOVE, 0, at(790, 69));
  SendMessageA(bar, WM_MOUSEMOVE, 0, at(799, 60));
  EXPECT_TRUE(w.dragToMove());
  SendMessageA(bar, WM_MOUSEMOVE, 0, at(791, 61));
  EXPECT_FALSE(w.dragToMove());
  SendMessageA(bar, WM_MOUSEMOVE, 0, at(100, 30));
  EXPECT_FALSE(w.dragToMove()) << "leaving the grip does not switch it back";
  // With moving off, the press reaches the top bar and switches it on.
  SendMessageA(w.顶部背景.handle(), WM_LBUTTONDOWN, MK_LBUTTON, at(300, 20));
  SendMessageA(w.顶部背景.handle(), WM_LBUTTONUP, 0, at(300, 20));
  EXPECT_TRUE(w.dragToMove());
  // A press on the title does the same: a real press, in title_press_test.
}

TEST_F(MainWindowMove, GripResizeLaysOutOnceAfterTheReleaseAndNoneDuringIt) {
  startPlayer();
  player::MainWindow& w = window();
  HWND bar = w.图片框2.handle();
  SendMessageA(bar, WM_MOUSEMOVE, 0, at(795, 65));
  ASSERT_FALSE(w.dragToMove());

  bool ranInsideResize = false;
  int pauseLeftDuringResize = -1;
  after(200, [&] {
    ranInsideResize = player::gripResizing == 1;
    w.setWidth(900);
    pauseLeftDuringResize = w.暂停按钮.left();
    // Whatever lays out after the release puts this back.
    w.暂停按钮.setLeft(0);
    PostMessageA(w.handle(), WM_LBUTTONUP, 0, 0);
  });
  SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, at(795, 65));

  EXPECT_TRUE(ranInsideResize) << "the press did not start the system's resize";
  EXPECT_EQ(pauseLeftDuringResize, 375) << "laid out during the resize";
  EXPECT_EQ(player::gripResizing, 0);
  EXPECT_TRUE(w.dragToMove());
  EXPECT_EQ(w.暂停按钮.left(), static_cast<int>(w.width() / 2.0 - 24.5));
  EXPECT_EQ(rectInParent(player::playerEngine->getWindow()).right, w.width());
}

TEST_F(MainWindowMove, APressOutsideTheGripResizesNothing) {
  startPlayer();
  player::MainWindow& w = window();
  w.setDragToMove(false);
  w.暂停按钮.setLeft(0);
  SendMessageA(w.图片框2.handle(), WM_LBUTTONDOWN, MK_LBUTTON, at(790, 65));
  SendMessageA(w.图片框2.handle(), WM_LBUTTONUP, 0, at(790, 65));
  EXPECT_EQ(w.暂停按钮.left(), 0) << "no layout";
  EXPECT_FALSE(w.dragToMove());
  EXPECT_EQ(player::gripResizing, 0);
}

class MainWindowTray : public PlayerTest {};

TEST_F(MainWindowTray, CloseInTrayModeHidesToTheTrayAndPlaybackGoesOn) {
  writeSettings("[设置]\r\n关闭时最小化到托盘=真\r\n");
  startPlayer();
  player::MainWindow& w = window();
  standin::clearJournal();

  click(w.关闭图形按钮);
  EXPECT_FALSE(w.visible());
  EXPECT_TRUE(fw::hasTrayIcon(w));
  EXPECT_FALSE(seam.ended);
  EXPECT_TRUE(journalCalls("APlayer_Close").empty());

  player::onTrayEvent(fw::kTrayLeftUp);
  EXPECT_FALSE(w.visible()) << "a single click does nothing";
  player::onTrayEvent(fw::kTrayLeftDoubleClick);
  EXPECT_TRUE(w.visible());
  player::onTrayEvent(fw::kTrayLeftDoubleClick);
  EXPECT_FALSE(w.visible());
  player::onTrayEvent(fw::kTrayLeftDoubleClick);

  click(w.关闭图形按钮);   // again: the icon is replaced, not added
  EXPECT_FALSE(w.visible());
  EXPECT_TRUE(fw::hasTrayIcon(w));
  EXPECT_FALSE(seam.ended);
}

std::string trayOffName(const ::testing::TestParamInfo<const char*>& info) {
  static const char* const names[] = {"Missing", "Empty", "EnglishTrue", "Digit1", "False"};
  return names[info.index];
}

class MainWindowTrayOff : public PlayerTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(MainWindowTrayOff, CloseShutsDownUnlessTheSettingIsExactlyTrue) {
  if (GetParam()) writeSettings(std::string("[设置]\r\n关闭时最小化到托盘=") + GetParam() + "\r\n");
  startPlayer();
  standin::clearJournal();
  click(window().关闭图形按钮);
  EXPECT_TRUE(seam.ended);
  EXPECT_EQ(seam.exitCode, 0);
  EXPECT_EQ(journalCalls("APlayer_Close").size(), 1u);
  EXPECT_TRUE(journalCalls("APlayer_Destroy").empty());
  EXPECT_FALSE(fw::hasTrayIcon(window()));
}

INSTANTIATE_TEST_SUITE_P(Values, MainWindowTrayOff,
                         ::testing::Values(nullptr, "", "true", "1", "假"), trayOffName);

}  // namespace
}  // namespace spine
