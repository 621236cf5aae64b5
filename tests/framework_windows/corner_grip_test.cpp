// The corner grip of a borderless window, driven through the bars' own mouse
// messages: where the grip is, how drag-to-move follows the mouse over it, and
// a press in it starting the system's resize from the bottom-right corner.
#include <gtest/gtest.h>

#include "framework/corner_grip.h"
#include "framework/window.h"
#include "tests/framework_windows/window_test_support.h"
#include "tests/support/wait.h"

using wintest::events;
using wintest::log;
using wintest::point;

namespace {

void gripResizeOrNothing(int x, int y, int keys);

// Two bars of 400 × 32: the upper one keeps drag-to-move off once the mouse
// has been over its grip, the lower one switches it back on away from it.
struct GripWindow : fw::Window {
  GripWindow()
      : Window({.left = 100, .top = 100, .width = 400, .height = 200, .caption = "拖动角",
                .dragToMove = true, .onSizeChanged = [] { log("size"); }}) {}
  fw::PictureBox 上栏{this, {.left = 0, .top = 0, .width = 400, .height = 32, .background = fw::Rgb{60, 65, 68},
                              .onMouseMove = [this](int x, int y, int) {
                                fw::updateMoveModeOverGrip(上栏, x, y, fw::AwayFromGrip::KeepMoveMode);
                              }}};
  fw::PictureBox 下栏{this, {.left = 0, .top = 168, .width = 400, .height = 32, .background = fw::Rgb{60, 65, 68},
                              .onMouseMove = [this](int x, int y, int) {
                                fw::updateMoveModeOverGrip(下栏, x, y, fw::AwayFromGrip::MoveOn);
                              },
                              .onLeftDown = gripResizeOrNothing}};
};

void gripResizeOrNothing(int x, int y, int) {
  GripWindow& w = *fw::openWindow<GripWindow>();
  if (!fw::inCornerGrip(w.下栏, x, y)) {
    log("outside");
    return;
  }
  fw::resizeFromBottomRight(w);
  log("resize returned");
}

GripWindow& open() {
  EXPECT_TRUE(fw::loadWindow<GripWindow>());
  GripWindow& w = *fw::openWindow<GripWindow>();
  support::pumpMessages(30);
  events().clear();
  return w;
}

bool inSizeLoop() {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetCurrentThreadId(), &info) && (info.flags & GUI_INMOVESIZE) != 0;
}

}  // namespace

TEST(CornerGrip, IsTheBarsLastNineColumnsAndRows) {
  GripWindow& w = open();
  struct Case {
    int x, y;
    bool inGrip;
  } cases[] = {
      {391, 23, true},  {399, 31, true},  {395, 27, true},
      {390, 23, false}, {391, 22, false}, {390, 31, false}, {399, 22, false}, {0, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
    EXPECT_EQ(fw::inCornerGrip(w.下栏, c.x, c.y), c.inGrip);
    // The same answer through the mouse: moving there switches moving off only in the grip.
    w.setDragToMove(true);
    SendMessageA(w.上栏.handle(), WM_MOUSEMOVE, 0, point(c.x, c.y));
    EXPECT_EQ(w.dragToMove(), !c.inGrip);
  }
}

TEST(CornerGrip, LeavingTheGripKeepsMovingOffOrSwitchesItOnAsTheBarAsks) {
  GripWindow& w = open();
  struct Step {
    const char* bar;
    int x, y;
    bool movingAfter;
  } steps[] = {
      {"keep", 395, 27, false}, {"keep", 100, 10, false},   // stays off away from the grip
      {"on", 395, 27, false},   {"on", 100, 10, true},      // back on away from the grip
      {"on", 200, 31, true},    {"keep", 399, 31, false},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(testing::Message() << s.bar << " " << s.x << ", " << s.y);
    HWND bar = std::string(s.bar) == "keep" ? w.上栏.handle() : w.下栏.handle();
    SendMessageA(bar, WM_MOUSEMOVE, 0, point(s.x, s.y));
    EXPECT_EQ(w.dragToMove(), s.movingAfter);
  }
}

TEST(CornerGrip, APressInTheGripRunsTheSystemResizeUntilTheRelease) {
  GripWindow& w = open();
  HWND bar = w.下栏.handle();
  SendMessageA(bar, WM_MOUSEMOVE, 0, point(396, 28));
  ASSERT_FALSE(w.dragToMove()) << "the press would move the window instead";

  bool sizing = false;
  wintest::after(150, [&] {
    sizing = inSizeLoop();
    log("in the loop");
    w.setBounds(w.left(), w.top(), 480, 260);   // as the dragged corner would
    PostMessageA(w.handle(), WM_LBUTTONUP, 0, 0);
  });
  SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, point(396, 28));

  EXPECT_TRUE(sizing) << "no system size loop ran";
  EXPECT_EQ(events(), (std::vector<std::string>{"in the loop", "size", "resize returned"}));
  EXPECT_EQ(w.width(), 480);

  events().clear();
  SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, point(390, 28));
  SendMessageA(bar, WM_LBUTTONUP, 0, point(390, 28));
  EXPECT_EQ(events(), (std::vector<std::string>{"outside"}));
}
