// The live channel window's pop-up menu: a right press on an item selects it
// and pops up 操作, whose 播放(&A) plays that item. The menu holds the shared
// display's input while it is open.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/player_system/live_test.h"
#include "tests/support/ui.h"
#include "tests/support/wait.h"

namespace system_test {
namespace {

using LiveChannelMenu = LiveTest;

TEST_F(LiveChannelMenu, PlayFromTheMenuPlaysTheItemTheRightPressSelected) {
  toggleReadout();
  unlock();
  const std::string captionBefore = window().caption();
  const int cctv6 = item("CCTV6");
  const POINT p = itemPoint(cctv6);
  bool sawMenu = false;
  support::after(300, [&] {
    HWND menu = support::findThreadWindow("#32768");
    sawMenu = menu != nullptr;
    if (menu) {
      PostMessageA(menu, WM_KEYDOWN, 'A', 0);
      PostMessageA(menu, WM_KEYUP, 'A', 0);
    }
  });
  SendMessageA(tree().handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(p.x, p.y));
  SendMessageA(tree().handle(), WM_RBUTTONUP, 0, MAKELPARAM(p.x, p.y));
  support::waitUntil([&] { return !opened().empty(); }, 2000);
  EXPECT_TRUE(sawMenu);
  EXPECT_EQ(tree().selection(), cctv6);
  ASSERT_EQ(opened().size(), 1u);
  EXPECT_TRUE(opened()[0].ends_with("/clive/cctv6_2/index.m3u8")) << opened()[0];
  EXPECT_EQ(window().caption(), captionBefore);
  EXPECT_TRUE(seam.calls.size() == 2u) << "only the access prompt";
}

}  // namespace
}  // namespace system_test
