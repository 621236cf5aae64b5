// What needs the mouse cursor: drag-to-move, the corner resize of a borderless
// window and where pop-up menus open. These tests move the one shared cursor,
// so CTest runs them one at a time. The system's move, size and menu loops are
// ended by posted messages from thread timers, as a real mouse would.
#include <gtest/gtest.h>

#include <algorithm>

#include "framework/corner_grip.h"
#include "framework/window.h"
#include "tests/framework_windows/pictures/pictures.h"
#include "tests/framework_windows/window_test_support.h"
#include "tests/support/wait.h"

using wintest::events;
using wintest::log;
using wintest::logMouse;

namespace {

void resizeFromCorner(int x, int y, int keys);

struct SkinnedWindow : fw::Window {
  SkinnedWindow()
      : Window({.left = 300, .top = 200, .width = 400, .height = 300, .caption = "皮肤", .dragToMove = true,
                .background = fw::Rgb{13, 13, 13}, .onSizeChanged = [] { log("size"); }}) {}
  fw::PictureBox 横幅{this, {.left = 0, .top = 0, .width = 400, .height = 40, .picture = pictures::band,
                             .onLeftDown = [](int x, int y, int k) { logMouse("bar down", x, y, k); }}};
  fw::Label 提示标签{this, {.parent = &横幅, .left = 10, .top = 5, .width = 60, .height = 24, .caption = "总共",
                            .onLeftDown = [](int x, int y, int k) { logMouse("label down", x, y, k); }}};
  fw::TransparentLabel 标题标签{this, {.parent = &横幅, .left = 100, .top = 7, .width = 200, .height = 24,
                                       .caption = "标题：",
                                       .onLeftDown = [](int x, int y, int k) { logMouse("title down", x, y, k); }}};
  fw::PictureButton 关闭按钮{this, {.parent = &横幅, .left = 383, .top = 0, .width = 17, .height = 16,
                                    .picture = pictures::cross,
                                    .onClick = [](int x, int y, int k) { logMouse("close click", x, y, k); }}};
  fw::PictureBox 底栏{this, {.left = 0, .top = 230, .width = 400, .height = 70, .background = fw::Rgb{13, 13, 13},
                             .onLeftDown = resizeFromCorner}};
  fw::MenuItem 文件{this, {.caption = "文件", .visible = false}};
  fw::MenuItem 打开文件{this, {.parent = &文件, .caption = "打开文件(&A)", .onClick = [] { log("open file"); }}};
  fw::MenuItem 退出{this, {.parent = &文件, .caption = "退出(&X)", .onClick = [] { log("exit"); }}};
};

SkinnedWindow& open() {
  EXPECT_TRUE(fw::loadWindow<SkinnedWindow>());
  SkinnedWindow& w = *fw::openWindow<SkinnedWindow>();
  support::pumpMessages(50);
  events().clear();
  return w;
}

// A bar with a corner grip: a press in it resizes the window.
void resizeFromCorner(int x, int y, int keys) {
  logMouse("bar2 down", x, y, keys);
  SkinnedWindow& w = *fw::openWindow<SkinnedWindow>();
  if (fw::inCornerGrip(w.底栏, x, y)) fw::resizeFromBottomRight(w);
  log("resize returned");
}

POINT screenPoint(HWND hwnd, int x, int y) {
  POINT p{x, y};
  ClientToScreen(hwnd, &p);
  return p;
}

// A left press at (x, y) of the unit as the mouse makes it: the cursor is there
// and the press comes through the queue. `dx`, `dy`: where the mouse goes
// before the release, which arrives 300 ms later.
void pressAndDrag(HWND unit, int x, int y, int dx, int dy) {
  const POINT start = screenPoint(unit, x, y);
  SetCursorPos(start.x, start.y);
  wintest::after(120, [=] {
    SetCursorPos(start.x + dx, start.y + dy);
    PostMessageA(unit, WM_MOUSEMOVE, MK_LBUTTON, wintest::point(x + dx, y + dy));
  });
  wintest::after(300, [=] { PostMessageA(unit, WM_LBUTTONUP, 0, wintest::point(x + dx, y + dy)); });
  PostMessageA(unit, WM_LBUTTONDOWN, MK_LBUTTON, wintest::point(x, y));
  EXPECT_TRUE(support::waitUntil([] { return !wintest::pendingAfter(); }, 5000));
  support::pumpMessages(30);
}

RECT menuRectWhenShown(std::function<void()> popUp, int keyDowns) {
  RECT rect{};
  wintest::after(200, [&rect, keyDowns] {
    HWND menu = wintest::findThreadWindow("#32768");
    if (menu != nullptr) GetWindowRect(menu, &rect);
    HWND target = menu != nullptr ? menu : GetFocus();
    for (int i = 0; i < keyDowns; ++i) PostMessageA(target, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(target, WM_KEYDOWN, VK_RETURN, 0);
  });
  wintest::after(3000, [] { keybd_event(VK_ESCAPE, 0, 0, 0); keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0); });
  popUp();
  support::pumpMessages(50);
  return rect;
}

}  // namespace

TEST(DragToMove, APressOnTheSurfaceAPictureBoxOrALabelMovesTheWindowAndDoesNotReachTheUnit) {
  SkinnedWindow& w = open();
  struct Press {
    const char* name;
    HWND unit;
  } presses[] = {{"picture box", w.横幅.handle()}, {"label", w.提示标签.handle()}, {"surface", w.handle()}};
  int left = w.left();
  int top = w.top();
  for (const Press& press : presses) {
    SCOPED_TRACE(press.name);
    const int y = press.unit == w.handle() ? 100 : 10;
    pressAndDrag(press.unit, 20, y, 40, 25);
    EXPECT_EQ(w.left(), left + 40);
    EXPECT_EQ(w.top(), top + 25);
    left = w.left();
    top = w.top();
  }
  EXPECT_TRUE(events().empty());
}

TEST(DragToMove, WhileOffPressesReachTheUnitsAndTheWindowStays) {
  SkinnedWindow& w = open();
  w.setDragToMove(false);
  const int left = w.left();
  pressAndDrag(w.横幅.handle(), 20, 10, 40, 25);
  pressAndDrag(w.提示标签.handle(), 3, 4, 40, 25);
  EXPECT_EQ(w.left(), left);
  EXPECT_EQ(events(), (std::vector<std::string>{"bar down 20 10 0", "label down 3 4 0"}));
}

TEST(DragToMove, ATransparentLabelAndAPictureButtonNeverMoveTheWindow) {
  SkinnedWindow& w = open();
  const int left = w.left();
  pressAndDrag(w.标题标签.handle(), 5, 6, 40, 25);
  pressAndDrag(w.关闭按钮.handle(), 5, 6, 0, 0);
  EXPECT_EQ(w.left(), left);
  EXPECT_EQ(events(), (std::vector<std::string>{"title down 5 6 0", "close click 5 6 0"}));
}

TEST(CornerResize, ABorderlessWindowFollowsThePressedCornerUntilTheRelease) {
  SkinnedWindow& w = open();
  w.setDragToMove(false);
  pressAndDrag(w.底栏.handle(), 395, 65, 60, 40);
  EXPECT_EQ(w.width(), 460);
  EXPECT_EQ(w.height(), 340);
  // The send returns only after the release, with the size events inside it.
  ASSERT_GE(events().size(), 3u);
  EXPECT_EQ(events().front(), "bar2 down 395 65 0");
  EXPECT_EQ(events().back(), "resize returned");
  EXPECT_GE(std::count(events().begin(), events().end(), "size"), 1);
}

TEST(PopUpMenus, OpenBelowRightOfTheCursorAndTheChosenItemRunsAsFromAMenuBar) {
  SkinnedWindow& w = open();
  SetCursorPos(500, 400);
  const RECT rect = menuRectWhenShown([&] { w.文件.popUp(); }, 2);
  EXPECT_EQ(rect.left, 503);
  EXPECT_EQ(rect.top, 403);
  EXPECT_EQ(events(), (std::vector<std::string>{"exit"}));
}

TEST(PopUpMenus, TheTrayMenuOpensLeftOfAndAboveTheCursorInTheForeground) {
  SkinnedWindow& w = open();
  SetCursorPos(900, 700);
  const RECT rect = menuRectWhenShown([&] { w.文件.popUpForTray(); }, 1);
  EXPECT_EQ(rect.right, 895);
  EXPECT_EQ(rect.top, 695);
  EXPECT_EQ(GetForegroundWindow(), w.handle());
  EXPECT_EQ(events(), (std::vector<std::string>{"open file"}));
}
