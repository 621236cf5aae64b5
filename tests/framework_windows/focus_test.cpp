// The focus and the keyboard: units described as taking the focus, the focus a
// window gives when it opens and when it is activated again, Tab and Shift+Tab
// through the described order, and the keys a focused unit answers. Keys are
// posted where the focus is, as the system queues them. Activation follows the
// one shared foreground (another program's window taking it leaves this
// thread with no active window and no focus), so these run alone.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/modal.h"
#include "framework/window.h"
#include "tests/framework_windows/window_test_support.h"
#include "tests/support/ui.h"
#include "tests/support/wait.h"

using support::pressKeyAtFocus;
using wintest::events;
using wintest::log;

namespace {

// The units that take the focus are spread between others: one on a bar,
// one hidden, one disabled, a button that does not take it.
struct FormWindow : fw::Window {
  FormWindow()
      : Window({.left = 100, .top = 80, .width = 420, .height = 360, .caption = "表单", .escCloses = true}) {}
  fw::PictureBox 顶栏{this, {.left = 0, .top = 0, .width = 420, .height = 30, .background = fw::Rgb{60, 65, 68}}};
  fw::Button 隐藏按钮{this, {.left = 10, .top = 40, .width = 60, .height = 24, .caption = "隐藏",
                             .visible = false, .takesFocus = true}};
  fw::ListBox 列表{this, {.left = 10, .top = 70, .width = 150, .height = 100, .takesFocus = true,
                          .onKeyDown = [](int key, int) { log("list key " + std::to_string(key)); }}};
  fw::Button 普通按钮{this, {.left = 80, .top = 40, .width = 60, .height = 24, .caption = "普通",
                             .onClick = [] { log("plain"); }}};
  fw::PictureBox 底栏{this, {.left = 0, .top = 300, .width = 420, .height = 30}};
  fw::EditBox 编辑框{this, {.parent = &底栏, .left = 10, .top = 4, .width = 150, .height = 22, .takesFocus = true}};
  fw::Button 停用按钮{this, {.left = 150, .top = 40, .width = 60, .height = 24, .caption = "停用",
                             .enabled = false, .takesFocus = true, .onClick = [] { log("disabled"); }}};
  fw::TreeBox 树{this, {.left = 170, .top = 70, .width = 120, .height = 100, .takesFocus = true}};
  fw::Grid 表格{this, {.left = 10, .top = 180, .width = 200, .height = 80, .columns = 3, .rows = 6,
                       .takesFocus = true, .onCellClick = [] { log("cell"); }}};
  fw::Button 确定{this, {.left = 300, .top = 200, .width = 60, .height = 24, .caption = "确定",
                         .takesFocus = true, .onClick = [] { log("ok"); }}};
};

// Nothing in it takes the focus: keys stay where they are.
struct PlainWindow : fw::Window {
  PlainWindow() : Window({.left = 560, .top = 80, .width = 300, .height = 200, .caption = "普通"}) {}
  fw::EditBox 编辑框{this, {.left = 10, .top = 10, .width = 150, .height = 22,
                            .onKeyDown = [](int key, int) { log("edit key " + std::to_string(key)); }}};
  fw::Button 按钮{this, {.left = 10, .top = 40, .width = 60, .height = 24, .caption = "按钮"}};
};

// One main control that is not a unit (a child window another library makes
// in it), a slider, and a button whose press shows a message box.
struct HostWindow : fw::Window {
  HostWindow() : Window({.left = 140, .top = 120, .width = 400, .height = 300, .caption = "主控件"}) {}
  fw::Slider 滑块条{this, {.left = 0, .top = 280, .width = 400, .height = 11, .maximum = 100}};
  fw::Button 按钮{this, {.left = 10, .top = 240, .width = 60, .height = 24, .caption = "提示",
                         .onClick = [] { log("answer " + std::to_string(fw::messageBox("已完成"))); }}};
};

FormWindow& openForm() {
  EXPECT_TRUE(fw::loadWindow<FormWindow>());
  FormWindow& w = *fw::openWindow<FormWindow>();
  support::pumpMessages(30);
  events().clear();
  return w;
}

// The name of the unit of the form that has this thread's focus.
std::string focused(FormWindow& w) {
  const HWND focus = GetFocus();
  const std::pair<const fw::Unit*, const char*> units[] = {
      {&w, "window"}, {&w.顶栏, "顶栏"}, {&w.隐藏按钮, "隐藏按钮"}, {&w.列表, "列表"}, {&w.普通按钮, "普通按钮"},
      {&w.底栏, "底栏"}, {&w.编辑框, "编辑框"}, {&w.停用按钮, "停用按钮"}, {&w.树, "树"}, {&w.表格, "表格"},
      {&w.确定, "确定"}};
  for (const auto& [unit, name] : units) {
    if (unit->handle() == focus) return name;
  }
  return focus == nullptr ? "nothing" : "another window";
}

// Where the focus goes at each of `presses` presses of Tab (or Shift+Tab).
std::vector<std::string> tabs(FormWindow& w, int presses, bool shift = false) {
  std::vector<std::string> path;
  for (int i = 0; i < presses; ++i) {
    pressKeyAtFocus(VK_TAB, shift);
    path.push_back(focused(w));
  }
  return path;
}

using Path = std::vector<std::string>;

TEST(Focus, OpensOnTheFirstUnitThatCanTakeItAndTabWalksTheDescribedOrderBothWaysAround) {
  FormWindow& w = openForm();
  EXPECT_EQ(focused(w), "列表") << "the hidden button before it cannot take the focus";
  for (const fw::Unit* unit : {static_cast<const fw::Unit*>(&w.列表), static_cast<const fw::Unit*>(&w.编辑框),
                               static_cast<const fw::Unit*>(&w.树), static_cast<const fw::Unit*>(&w.表格)}) {
    EXPECT_NE(GetWindowLongA(unit->handle(), GWL_STYLE) & WS_TABSTOP, 0);
  }
  EXPECT_EQ(GetWindowLongA(w.普通按钮.handle(), GWL_STYLE) & WS_TABSTOP, 0);

  EXPECT_EQ(tabs(w, 5), (Path{"编辑框", "树", "表格", "确定", "列表"}));
  EXPECT_EQ(tabs(w, 5, true), (Path{"确定", "表格", "树", "编辑框", "列表"}));
  EXPECT_EQ(w.编辑框.caption(), "") << "the Tab that left the edit box is no text in it";
  EXPECT_TRUE(events().empty()) << "Tab reaches no unit's key event";

  // The order follows what can take the focus now.
  w.停用按钮.setEnabled(true);
  w.树.setVisible(false);
  w.底栏.setVisible(false);
  EXPECT_EQ(tabs(w, 4), (Path{"停用按钮", "表格", "确定", "列表"}));
  // A unit outside the order that has the focus (pressed with the mouse) goes on
  // to the next unit described after it.
  SetFocus(w.普通按钮.handle());
  EXPECT_EQ(tabs(w, 1), Path{"停用按钮"});
  SetFocus(w.普通按钮.handle());
  EXPECT_EQ(tabs(w, 1, true), Path{"列表"});

  // Keys other than Tab still reach the focused unit, Esc still closes.
  pressKeyAtFocus(VK_DOWN);
  EXPECT_EQ(events(), std::vector<std::string>{"list key 40"});
  pressKeyAtFocus(VK_ESCAPE);
  EXPECT_FALSE(fw::isWindowOpen<FormWindow>());
}

TEST(Focus, ActivationGivesTheFocusBackToTheUnitThatHadItOrTheFirstWhenThatOneCannotTakeIt) {
  FormWindow& w = openForm();
  ASSERT_TRUE(fw::loadWindow<PlainWindow>());
  PlainWindow& other = *fw::openWindow<PlainWindow>();
  support::pumpMessages(30);

  ASSERT_EQ(GetActiveWindow(), other.handle());
  fw::loadWindow<FormWindow>();
  support::pumpMessages(30);
  ASSERT_EQ(GetActiveWindow(), w.handle());
  ASSERT_EQ(focused(w), "列表");

  tabs(w, 2);
  ASSERT_EQ(focused(w), "树");
  fw::loadWindow<PlainWindow>();
  support::pumpMessages(30);
  ASSERT_EQ(GetFocus(), other.handle());
  fw::loadWindow<FormWindow>();
  support::pumpMessages(30);
  EXPECT_EQ(focused(w), "树") << "activated again, the form gives the focus back where it was";

  // Minimised and restored, as bringing an open window to the front does.
  w.setStartState(fw::kStateMinimised);
  support::pumpMessages(30);
  fw::loadWindow<FormWindow>();
  support::pumpMessages(30);
  EXPECT_EQ(focused(w), "树");

  // Hidden while the form was behind: the first unit takes the focus instead.
  fw::loadWindow<PlainWindow>();
  w.树.setVisible(false);
  fw::loadWindow<FormWindow>();
  support::pumpMessages(30);
  EXPECT_EQ(focused(w), "列表");
  // Hidden while it has the focus: the focus goes on to the first unit.
  pressKeyAtFocus(VK_TAB);
  ASSERT_EQ(focused(w), "编辑框");
  w.底栏.setVisible(false);
  support::pumpMessages(30);
  EXPECT_EQ(focused(w), "列表");
}

TEST(Focus, EnterAndSpacePressAFocusedButtonOnceEachAndAWindowWithoutUnitsThatTakeItKeepsItsTab) {
  FormWindow& w = openForm();
  SetFocus(w.确定.handle());
  pressKeyAtFocus(VK_RETURN);
  pressKeyAtFocus(VK_SPACE);
  EXPECT_EQ(events(), (std::vector<std::string>{"ok", "ok"}));
  // A held Enter repeats its key-down: the button is pressed once.
  events().clear();
  SendMessageA(w.确定.handle(), WM_KEYDOWN, VK_RETURN, 1);
  SendMessageA(w.确定.handle(), WM_KEYDOWN, VK_RETURN, 0x40000001);
  SendMessageA(w.确定.handle(), WM_KEYUP, VK_RETURN, static_cast<LPARAM>(0xC0000001u));
  EXPECT_EQ(events(), std::vector<std::string>{"ok"});
  // A disabled button raises nothing.
  events().clear();
  w.确定.setEnabled(false);
  SendMessageA(w.确定.handle(), WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_TRUE(events().empty());

  ASSERT_TRUE(fw::loadWindow<PlainWindow>());
  PlainWindow& plain = *fw::openWindow<PlainWindow>();
  support::pumpMessages(30);
  EXPECT_EQ(GetFocus(), plain.handle()) << "the window keeps the focus itself, as before";
  SetFocus(plain.编辑框.handle());
  events().clear();
  pressKeyAtFocus(VK_TAB);
  EXPECT_EQ(GetFocus(), plain.编辑框.handle());
  EXPECT_EQ(events(), std::vector<std::string>{"edit key 9"});
}

TEST(Focus, ArrowsMoveTheFocusedGridsCurrentCellBelowTheHeadersAndSpaceClicksIt) {
  FormWindow& w = openForm();
  tabs(w, 3);
  ASSERT_EQ(focused(w), "表格");
  fw::Grid& grid = w.表格;
  // 6 rows, the first a header; 80 pixels show the header and two rows.
  const struct {
    int key;
    int row, column;
  } steps[] = {
      {VK_DOWN, 1, 1},    // the first arrow: the first cell below and right of the headers
      {VK_UP, 1, 1},      // not onto the header row
      {VK_LEFT, 1, 1},    // nor the header column
      {VK_RIGHT, 1, 2},
      {VK_RIGHT, 1, 2},   // the last column
      {VK_DOWN, 2, 2},
      {VK_DOWN, 3, 2},
      {VK_DOWN, 4, 2},
      {VK_DOWN, 5, 2},
      {VK_DOWN, 5, 2},    // the last row
  };
  for (const auto& step : steps) {
    pressKeyAtFocus(step.key);
    EXPECT_EQ(grid.currentRow(), step.row) << step.key;
    EXPECT_EQ(grid.currentColumn(), step.column) << step.key;
  }
  SCROLLINFO scroll{sizeof scroll, SIF_POS};
  GetScrollInfo(grid.handle(), SB_VERT, &scroll);
  EXPECT_EQ(scroll.nPos, 3) << "scrolled until the current row shows";
  EXPECT_TRUE(events().empty());
  pressKeyAtFocus(VK_SPACE);
  EXPECT_EQ(events(), std::vector<std::string>{"cell"});
  EXPECT_EQ(grid.currentRow(), 5);
}

}  // namespace

TEST(Focus, AMainChildTakesTheFocusForItsWindowAndAfterASliderPressAndABoxGivesTheActivationBack) {
  ASSERT_TRUE(fw::loadWindow<HostWindow>());
  HostWindow& w = *fw::openWindow<HostWindow>();
  ASSERT_TRUE(fw::loadWindow<PlainWindow>());
  PlainWindow& other = *fw::openWindow<PlainWindow>();
  HWND child = CreateWindowExA(0, "STATIC", "video", WS_CHILD | WS_VISIBLE, 0, 0, 400, 230, w.handle(), nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(child, nullptr);
  w.setMainChild(child);
  support::pumpMessages(30);

  fw::loadWindow<HostWindow>();   // activated
  support::pumpMessages(30);
  ASSERT_EQ(GetActiveWindow(), w.handle());
  EXPECT_EQ(GetFocus(), child) << "activated";
  SetFocus(w.handle());
  EXPECT_EQ(GetFocus(), child) << "the focus given to the window itself";

  support::click(w.滑块条.handle(), 200, 5);
  EXPECT_EQ(w.滑块条.position(), 50);
  EXPECT_EQ(GetFocus(), child) << "after the slider press";

  // The box a handler shows belongs to the handler's window: closed, it
  // leaves that window active. The other window waits meanwhile.
  HWND owner = nullptr;
  bool otherDisabled = false;
  support::after(200, [&] {
    HWND box = support::findThreadWindow("#32770");
    if (box == nullptr) return;
    owner = GetWindow(box, GW_OWNER);
    otherDisabled = !IsWindowEnabled(other.handle());
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  });
  events().clear();
  support::click(w.按钮.handle());
  support::waitUntil([] { return !support::pendingAfter() && !support::findThreadWindow("#32770"); }, 3000);
  ASSERT_EQ(events(), std::vector<std::string>{"answer 1"});
  EXPECT_EQ(owner, w.handle());
  EXPECT_TRUE(otherDisabled);
  EXPECT_TRUE(IsWindowEnabled(other.handle()));
  EXPECT_EQ(GetActiveWindow(), w.handle()) << "after the box";
  EXPECT_EQ(GetFocus(), child) << "after the box";
}
