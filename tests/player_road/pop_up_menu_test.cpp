// The operation menu over the video. A pop-up menu holds the shared display's
// input while it is open, so these run one at a time with the other tests
// that do.
#include <windows.h>

#include <string>

#include "tests/player_road/road_test.h"
#include "tests/support/wait.h"

namespace road {
namespace {

HWND openMenu() { return support::findThreadWindow("#32768"); }

// A thread timer fires inside the menu's own modal loop: it types the access
// letter of 下一个(&N) there.
void CALLBACK chooseNext(HWND, UINT, UINT_PTR timer, DWORD) {
  if (HWND menu = openMenu()) {
    KillTimer(nullptr, timer);
    PostMessageA(menu, WM_KEYDOWN, 'N', 0);
    PostMessageA(menu, WM_KEYUP, 'N', 0);
  }
}

using PopUpMenuTest = RoadTest;

TEST_F(PopUpMenuTest, RightButtonReleaseOnTheVideoPopsUpTheOperationMenu) {
  // Another test's window taking the foreground closes a menu at once; try
  // again then.
  for (int attempt = 0; attempt < 3 && overlayTexts().empty(); ++attempt) {
    SetForegroundWindow(window().handle());
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, chooseNext);
    standin::fireMessage(engineHandle, WM_RBUTTONUP, 0, 0);
    KillTimer(nullptr, timer);
    support::pumpMessages(200);   // the chosen item runs after the menu has closed
  }
  // The next command on an empty playlist.
  EXPECT_EQ(overlayTexts(), std::vector<std::string>{"播放列表中没有文件！"});
}

}  // namespace
}  // namespace road
