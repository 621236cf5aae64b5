// The pop-up menus of the main window: from the logo button, the open button
// and the tray icon. A menu takes the input of the one shared display, so these
// run one at a time with the other tests that do.
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

HWND openMenu() { return support::findThreadWindow("#32768"); }

// While the menu is open, types the access letter of one of its items.
void chooseFromMenuAfter(unsigned milliseconds, char letter, bool* sawMenu) {
  after(milliseconds, [=] {
    HWND menu = openMenu();
    *sawMenu = menu != nullptr;
    if (menu) {
      PostMessageA(menu, WM_KEYDOWN, static_cast<WPARAM>(letter), 0);
      PostMessageA(menu, WM_KEYUP, static_cast<WPARAM>(letter), 0);
    }
  });
}

using PopUpMenu = PlayerTest;

TEST_F(PopUpMenu, LogoButtonPopsUpTheFileMenuWhoseExitShutsDown) {
  startPlayer();
  bool sawMenu = false;
  chooseFromMenuAfter(300, 'X', &sawMenu);
  click(window().图形按钮1);
  support::waitUntil([&] { return seam.ended; }, 2000);
  EXPECT_TRUE(sawMenu);
  EXPECT_TRUE(seam.ended);
  EXPECT_EQ(seam.exitCode, 0);
}

TEST_F(PopUpMenu, OpenButtonPopsUpTheOpenSubMenu) {
  startPlayer();
  const std::string list = temp.file("列表.txt");
  const std::string a = makeFile("a.mp4");
  ASSERT_TRUE(support::writeFile(list, a + "\r\n"));
  seam.fileAnswers.push_back(list);
  bool sawMenu = false;
  chooseFromMenuAfter(300, 'W', &sawMenu);   // 载入播放列表(&W)
  click(window().打开媒体文件按钮);
  support::waitUntil([&] { return !player::playlist.empty(); }, 2000);
  EXPECT_TRUE(sawMenu);
  EXPECT_EQ(player::playlist, fw::TextArray{a});
}

TEST_F(PopUpMenu, TrayRightClickPopsUpOperationsWhoseExitRemovesTheIcon) {
  writeSettings("[设置]\r\n关闭时最小化到托盘=真\r\n");
  startPlayer();
  player::MainWindow& w = window();
  click(w.关闭图形按钮);
  ASSERT_TRUE(fw::hasTrayIcon(w));

  bool sawMenu = false;
  chooseFromMenuAfter(300, 'X', &sawMenu);   // 退出(&X)
  player::onTrayEvent(fw::kTrayRightUp);
  support::waitUntil([&] { return seam.ended; }, 2000);
  EXPECT_TRUE(sawMenu);
  EXPECT_TRUE(seam.ended);
  EXPECT_EQ(seam.exitCode, 0);
  EXPECT_FALSE(fw::hasTrayIcon(w));
}

}  // namespace
}  // namespace spine
