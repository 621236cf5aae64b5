// The operation menu over the video. A pop-up menu holds the shared display's
// input while it is open, so these run one at a time with the other tests
// that do.
#include <windows.h>

#include "tests/player_road/road_test.h"

namespace road {
namespace {

// The menu runs its own modal loop; a thread timer ends it once it shows.
HWND shownMenu = nullptr;
void CALLBACK closeMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND menu = FindWindowA("#32768", nullptr);
  if (menu && IsWindowVisible(menu)) {
    shownMenu = menu;
    EndMenu();
    KillTimer(nullptr, timer);
  }
}

using PopUpMenuTest = RoadTest;

TEST_F(PopUpMenuTest, RightButtonReleaseOnTheVideoPopsUpTheOperationMenu) {
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, closeMenu);
  standin::fireMessage(engineHandle, WM_RBUTTONUP, 0, 0);
  KillTimer(nullptr, timer);
  EXPECT_NE(shownMenu, nullptr);
}

}  // namespace
}  // namespace road
