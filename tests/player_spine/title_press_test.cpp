// The title over the top bar takes the mouse as the user presses it: the
// press comes from the system's input, so the system decides which window
// gets it. These tests move the one shared cursor.
#include <gtest/gtest.h>

#include "tests/player_spine/player_fixture.h"

namespace spine {
namespace {

// The mouse as the user moves and presses it, through the system's input:
// to `start`, left button down, to `end`, left button up; then the messages
// those caused (a move loop started by the press runs until the release).
void pressAndDrag(POINT start, POINT end) {
  const int width = GetSystemMetrics(SM_CXSCREEN) - 1;
  const int height = GetSystemMetrics(SM_CYSCREEN) - 1;
  auto move = [&](POINT p) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = p.x * 65535 / width;
    input.mi.dy = p.y * 65535 / height;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
  };
  auto button = [](DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
  };
  INPUT inputs[] = {move(start), button(MOUSEEVENTF_LEFTDOWN), move(end), button(MOUSEEVENTF_LEFTUP)};
  ASSERT_EQ(SendInput(4, inputs, sizeof(INPUT)), 4u);
  support::pumpMessages(300);
}

POINT centreOnScreen(HWND hwnd) {
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

using TitlePress = PlayerTest;

// The title is described disabled, and a disabled window gets no press from
// the system; its press must reach it all the same. It never moves the
// window, and with moving off (after the mouse was over the grip) it switches
// moving back on.
TEST_F(TitlePress, ReachesTheTitleWhichNeverMovesTheWindowAndSwitchesMovingOn) {
  setPlayerArguments(makeFile("clip.mp4"));
  startPlayer();
  player::MainWindow& w = window();
  ASSERT_TRUE(w.电影名标签.visible());
  EXPECT_FALSE(w.电影名标签.enabled());
  SetForegroundWindow(w.handle());
  support::pumpMessages(100);
  const POINT title = centreOnScreen(w.电影名标签.handle());
  ASSERT_EQ(WindowFromPoint(title), w.电影名标签.handle()) << "nothing lies over the title";
  const int left = w.left();
  const int top = w.top();

  ASSERT_TRUE(w.dragToMove());
  pressAndDrag(title, POINT{title.x + 40, title.y + 25});
  EXPECT_EQ(w.left(), left) << "a press on the title is not a press on the top bar";
  EXPECT_EQ(w.top(), top);
  EXPECT_TRUE(w.dragToMove());

  SendMessageA(w.图片框2.handle(), WM_MOUSEMOVE, 0, MAKELPARAM(795, 65));
  ASSERT_FALSE(w.dragToMove());
  // Past the double-click time: a second press at the same place would be a
  // double-click.
  support::pumpMessages(GetDoubleClickTime() + 100);
  pressAndDrag(title, title);
  EXPECT_TRUE(w.dragToMove());
  EXPECT_EQ(w.left(), left);
  EXPECT_EQ(w.top(), top);
}

}  // namespace
}  // namespace spine
