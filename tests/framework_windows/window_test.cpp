// Windows as a whole: loading, start state, size events, Esc, destruction.
#include <gtest/gtest.h>

#include "framework/window.h"
#include "tests/framework_windows/pictures/pictures.h"
#include "tests/framework_windows/window_test_support.h"
#include "tests/support/ui.h"
#include "tests/support/wait.h"

using wintest::events;
using wintest::log;

namespace {

void closeFromButton();

struct PlainWindow : fw::Window {
  PlainWindow()
      : Window({.left = 120, .top = 80, .width = 400, .height = 300, .caption = "普通窗口",
                .onCreated = [] { log("created"); },
                .onDestroying = [] { log("destroying"); },
                .onSizeChanged = [] { log("size"); }}) {}
  fw::PictureButton 关闭按钮{this, {.left = 383, .top = 0, .width = 17, .height = 16, .picture = pictures::cross,
                                    .onClick = closeFromButton}};
  fw::ListBox 列表框{this, {.left = 10, .top = 30, .width = 200, .height = 100}};
};

void closeFromButton() {
  log("close clicked");
  fw::destroyWindow<PlainWindow>();
}

struct CentredWindow : fw::Window {
  CentredWindow()
      : Window({.left = 50, .top = 50, .width = 242, .height = 377, .caption = "居中",
                .opensCentred = true, .escCloses = true, .onDestroying = [] { log("destroying"); }}) {}
  fw::ListBox 列表框{this, {.left = 0, .top = 24, .width = 241, .height = 200}};
};

struct FramedWindow : fw::Window {
  FramedWindow()
      : Window({.left = 50, .top = 50, .width = 380, .height = 245, .caption = "有边框",
                .border = fw::Border::FixedSingle, .minimizeBox = true, .opensCentred = true}) {}
  fw::Label 标签1{this, {.left = 3, .top = 8, .width = 368, .height = 100, .caption = "简介"}};
};

struct SelfDestroyingWindow : fw::Window {
  SelfDestroyingWindow()
      : Window({.width = 100, .height = 100,
                .onCreated = [] { fw::destroyWindow<SelfDestroyingWindow>(); }}) {}
};

int count(const std::string& event) {
  int n = 0;
  for (const auto& e : events()) n += e == event;
  return n;
}

RECT workArea() {
  RECT area;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

}  // namespace

TEST(WindowLoading, CreatesOnceShowsAndActivatesTheOpenWindowWithoutASecondCreatedEvent) {
  ASSERT_TRUE(fw::loadWindow<PlainWindow>());
  PlainWindow* window = fw::openWindow<PlainWindow>();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(IsWindowVisible(window->handle()));
  EXPECT_EQ(GetWindow(window->handle(), GW_OWNER), nullptr);
  EXPECT_EQ(window->caption(), "普通窗口");
  EXPECT_EQ(window->left(), 120);
  EXPECT_EQ(window->top(), 80);
  // Created runs before the first show, whose size event follows it.
  EXPECT_EQ(events(), (std::vector<std::string>{"created", "size"}));

  EXPECT_TRUE(fw::loadWindow<PlainWindow>());
  EXPECT_EQ(fw::openWindow<PlainWindow>(), window);
  EXPECT_EQ(count("created"), 1);
  EXPECT_EQ(GetForegroundWindow(), window->handle());

  window->setStartState(fw::kStateMinimised);
  EXPECT_TRUE(fw::loadWindow<PlainWindow>());
  EXPECT_EQ(window->startState(), fw::kStateNormal);
  EXPECT_EQ(count("created"), 1);
}

TEST(WindowLoading, DestroyRunsTheDestroyingEventAndALaterLoadCreatesAgain) {
  ASSERT_TRUE(fw::loadWindow<PlainWindow>());
  HWND first = fw::openWindow<PlainWindow>()->handle();
  fw::destroyWindow<PlainWindow>();
  EXPECT_FALSE(fw::isWindowOpen<PlainWindow>());
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(count("destroying"), 1);

  ASSERT_TRUE(fw::loadWindow<PlainWindow>());
  EXPECT_EQ(count("created"), 2);
}

TEST(WindowLoading, AWindowClosedByItsOwnButtonIsGoneAfterTheClick) {
  ASSERT_TRUE(fw::loadWindow<PlainWindow>());
  HWND button = fw::openWindow<PlainWindow>()->关闭按钮.handle();
  support::click(button, 5, 5);
  EXPECT_FALSE(fw::isWindowOpen<PlainWindow>());
  EXPECT_EQ(events(), (std::vector<std::string>{"created", "size", "close clicked", "destroying"}));
  support::pumpMessages(50);
}

TEST(WindowLoading, AWindowItsCreatedEventDestroysIsNotOpenAndTheLoadFails) {
  EXPECT_FALSE(fw::loadWindow<SelfDestroyingWindow>());
  EXPECT_FALSE(fw::isWindowOpen<SelfDestroyingWindow>());
}

TEST(WindowLoading, ACentredWindowIgnoresItsLeftAndTopAndEscClosesIt) {
  ASSERT_TRUE(fw::loadWindow<CentredWindow>());
  CentredWindow* window = fw::openWindow<CentredWindow>();
  EXPECT_EQ(window->left(), (GetSystemMetrics(SM_CXSCREEN) - 242) / 2);
  EXPECT_EQ(window->top(), (GetSystemMetrics(SM_CYSCREEN) - 377) / 2);
  // Esc reaches whichever unit has the focus.
  wintest::send(window->列表框.handle(), WM_KEYDOWN, VK_ESCAPE, 1);
  EXPECT_FALSE(fw::isWindowOpen<CentredWindow>());
  EXPECT_EQ(count("destroying"), 1);
}

TEST(WindowLoading, EscDoesNotCloseAWindowThatDoesNotAskForIt) {
  ASSERT_TRUE(fw::loadWindow<PlainWindow>());
  wintest::send(fw::openWindow<PlainWindow>()->列表框.handle(), WM_KEYDOWN, VK_ESCAPE, 1);
  EXPECT_TRUE(fw::isWindowOpen<PlainWindow>());
}

TEST(WindowGeometry, ABorderlessWindowsOuterSizeIsItsInnerSizeAndSizeEventsFollowRealChanges) {
  ASSERT_TRUE(fw::loadWindow<PlainWindow>());
  PlainWindow* window = fw::openWindow<PlainWindow>();
  RECT client;
  GetClientRect(window->handle(), &client);
  EXPECT_EQ(client.right, 400);
  EXPECT_EQ(client.bottom, 300);
  EXPECT_EQ(GetWindowLongPtrA(window->handle(), GWL_STYLE) & WS_CAPTION, 0);
  events().clear();

  window->setWidth(400);  // unchanged
  EXPECT_TRUE(events().empty());
  window->setWidth(500);
  window->setHeight(320);
  EXPECT_EQ(count("size"), 2);
  EXPECT_EQ(window->width(), 500);
  EXPECT_EQ(window->height(), 320);
  window->setBounds(10, 20, 300, 200);
  EXPECT_EQ(count("size"), 3);
  EXPECT_EQ(window->left(), 10);
  EXPECT_EQ(window->top(), 20);
}

TEST(WindowGeometry, AFixedSingleWindowHasATitleBarAndItsDescribedOuterSize) {
  ASSERT_TRUE(fw::loadWindow<FramedWindow>());
  FramedWindow* window = fw::openWindow<FramedWindow>();
  const LONG_PTR style = GetWindowLongPtrA(window->handle(), GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_NE(style & WS_MINIMIZEBOX, 0);
  EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
  EXPECT_EQ(style & WS_THICKFRAME, 0);
  EXPECT_EQ(window->width(), 380);
  EXPECT_EQ(window->height(), 245);
  RECT client;
  GetClientRect(window->handle(), &client);
  EXPECT_LT(client.bottom, 245);
}

TEST(WindowStartState, ReadsAndWritesMinimisedMaximisedIntoTheWorkAreaAndNormal) {
  ASSERT_TRUE(fw::loadWindow<PlainWindow>());
  PlainWindow* window = fw::openWindow<PlainWindow>();
  EXPECT_EQ(window->startState(), 0);

  window->setStartState(2);
  EXPECT_EQ(window->startState(), 2);
  window->setStartState(0);
  EXPECT_EQ(window->startState(), 0);
  EXPECT_EQ(window->left(), 120);
  EXPECT_EQ(window->width(), 400);

  window->setStartState(3);
  EXPECT_EQ(window->startState(), 3);
  const RECT area = workArea();
  EXPECT_EQ(window->left(), area.left);
  EXPECT_EQ(window->top(), area.top);
  EXPECT_EQ(window->width(), area.right - area.left);
  EXPECT_EQ(window->height(), area.bottom - area.top);

  window->setStartState(0);
  EXPECT_EQ(window->startState(), 0);
  EXPECT_EQ(window->left(), 120);
  EXPECT_EQ(window->top(), 80);
  EXPECT_EQ(window->width(), 400);
  EXPECT_EQ(window->height(), 300);
}

TEST(WindowStartState, CentringKeepsTheSizeRestoresFirstAndLeavesAHiddenWindowWhereItIs) {
  ASSERT_TRUE(fw::loadWindow<PlainWindow>());
  PlainWindow* window = fw::openWindow<PlainWindow>();
  const int cx = GetSystemMetrics(SM_CXSCREEN);
  const int cy = GetSystemMetrics(SM_CYSCREEN);
  window->setWidth(401);
  window->setStartState(1);
  EXPECT_EQ(window->left(), (cx - 401) / 2);
  EXPECT_EQ(window->top(), (cy - 300) / 2);
  EXPECT_EQ(window->width(), 401);

  window->setLeft(5);
  window->setStartState(3);
  window->setStartState(1);
  EXPECT_EQ(window->startState(), 0);
  EXPECT_EQ(window->left(), (cx - 401) / 2);
  EXPECT_EQ(window->width(), 401);

  window->setLeft(7);
  window->setVisible(false);
  window->setStartState(1);
  EXPECT_EQ(window->left(), 7);
  EXPECT_FALSE(window->visible());
  window->setVisible(true);
  EXPECT_TRUE(IsWindowVisible(window->handle()));
}

TEST(WindowDragToMove, IsTheDescribedValueAndCanBeSwitched) {
  ASSERT_TRUE(fw::loadWindow<PlainWindow>());
  PlainWindow* window = fw::openWindow<PlainWindow>();
  EXPECT_FALSE(window->dragToMove());
  window->setDragToMove(true);
  EXPECT_TRUE(window->dragToMove());
}
