// One unit of each kind on one window: properties, and events raised by the
// messages Windows would send.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <utility>
#include <vector>

#include "framework/window.h"
#include "tests/framework_windows/pictures/pictures.h"
#include "tests/framework_windows/window_test_support.h"
#include "tests/support/scripted_seam.h"
#include "tests/support/ui.h"
#include "tests/support/wait.h"

using wintest::events;
using wintest::log;
using wintest::logMouse;

namespace {

void toggleTick();

struct KindsWindow : fw::Window {
  KindsWindow()
      : Window({.left = 60, .top = 40, .width = 640, .height = 480, .caption = "单元",
                .background = fw::Rgb{30, 30, 30}}) {}
  fw::PictureBox 横幅{this, {.left = 0, .top = 0, .width = 640, .height = 40, .picture = pictures::band,
                             .onMouseMove = [](int x, int y, int k) { logMouse("bar move", x, y, k); },
                             .onLeftDown = [](int x, int y, int k) { logMouse("bar down", x, y, k); },
                             .onDoubleClick = [](int x, int y, int k) { logMouse("bar double", x, y, k); }}};
  fw::PictureButton 徽章按钮{this, {.parent = &横幅, .left = 0, .top = -7, .width = 120, .height = 46,
                                    .picture = pictures::badge, .hoverPicture = pictures::badgeHover,
                                    .onClick = [](int x, int y, int k) { logMouse("badge click", x, y, k); },
                                    .onDoubleClick = [](int x, int y, int k) { logMouse("badge double", x, y, k); }}};
  fw::TransparentLabel 标题标签{this, {.parent = &横幅, .left = 183, .top = 7, .width = 300, .height = 31,
                                       .caption = "标题：", .textColour = fw::Rgb{255, 255, 255},
                                       .enabled = false}};
  fw::Label 提示标签{this, {.left = 10, .top = 50, .width = 100, .height = 24, .caption = "查找：",
                            .textColour = fw::Rgb{255, 255, 255},
                            .onMouseMove = [](int x, int y, int k) { logMouse("label move", x, y, k); },
                            .onLeftDown = [](int x, int y, int k) { logMouse("label down", x, y, k); }}};
  fw::EditBox 输入框{this, {.left = 120, .top = 50, .width = 150, .height = 22,
                            .onTextChanged = [] { log("text changed"); },
                            .onKeyDown = [](int key, int keys) { log("edit key " + std::to_string(key) + " " + std::to_string(keys)); }}};
  fw::Button 按钮1{this, {.left = 280, .top = 50, .width = 60, .height = 24, .caption = "全选",
                          .onClick = [] { log("button"); }}};
  fw::ListBox 多选列表{this, {.left = 10, .top = 80, .width = 200, .height = 120, .selection = fw::Selection::Extended,
                              .background = fw::Rgb{236, 236, 236}, .extraLineHeight = 1,
                              .onItemDoubleClick = [] { log("list double"); },
                              .onKeyDown = [](int key, int keys) { log("list key " + std::to_string(key) + " " + std::to_string(keys)); }}};
  fw::ListBox 单选列表{this, {.left = 220, .top = 80, .width = 200, .height = 120}};
  fw::TreeBox 目录树{this, {.left = 430, .top = 80, .width = 200, .height = 200,
                            .onDoubleClick = [] { log("tree double"); },
                            .onRightPressItem = [] { log("tree right"); }}};
  fw::PictureBox 底栏{this, {.left = 0, .top = 410, .width = 640, .height = 70, .background = fw::Rgb{13, 13, 13}}};
  fw::Slider 滑块条{this, {.parent = &底栏, .left = 0, .top = 0, .width = 640, .height = 11, .maximum = 100,
                           .trackPicture = pictures::track, .fillPicture = pictures::fill,
                           .thumbPicture = pictures::thumb,
                           .onPositionChanged = [] { log("slider moved"); },
                           .onKeyDown = [](int key, int) { log("slider key " + std::to_string(key)); }}};
  fw::Grid 表格{this, {.left = 10, .top = 210, .width = 241, .height = 190, .columns = 3,
                       .onCellClick = toggleTick}};
  fw::CommonDialog 文件对话框{this, {.left = 600, .top = 5, .width = 26, .height = 26,
                                     .kind = fw::FileDialogKind::Save}};
  fw::MenuItem 编辑{this, {.caption = "编辑", .visible = false}};
  fw::MenuItem 复制{this, {.parent = &编辑, .caption = "复制(&A)", .onClick = [] { log("menu copy"); }}};
};

KindsWindow& open() {
  EXPECT_TRUE(fw::loadWindow<KindsWindow>());
  return *fw::openWindow<KindsWindow>();
}

// The grid's cell-click handler, as the owner of a tick column writes it.
void toggleTick() {
  fw::Grid& grid = fw::openWindow<KindsWindow>()->表格;
  const int row = grid.currentRow();
  const int column = grid.currentColumn();
  log("cell " + std::to_string(row) + " " + std::to_string(column));
  if (row == -1 || column == -1) return;
  if (column == 1 || column == 2) grid.setCellTick(row, 2, !grid.cellTick(row, 2));
}

POINT itemPoint(fw::TreeBox& tree, int item) {
  // TVM_GETITEMRECT takes the item's handle in the first bytes of the rectangle.
  RECT rect{};
  const HTREEITEM handle = static_cast<HTREEITEM>(tree.itemHandle(item));
  std::memcpy(&rect, &handle, sizeof handle);
  SendMessageA(tree.handle(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect));
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

}  // namespace

TEST(Units, PlacementVisibilityEnabledAndCaptionReadBackAndWriteThroughToTheControls) {
  KindsWindow& w = open();
  EXPECT_EQ(w.徽章按钮.left(), 0);
  EXPECT_EQ(w.徽章按钮.top(), -7);
  EXPECT_EQ(w.徽章按钮.width(), 120);
  EXPECT_EQ(w.徽章按钮.height(), 46);
  EXPECT_EQ(GetParent(w.徽章按钮.handle()), w.横幅.handle());
  EXPECT_EQ(w.标题标签.caption(), "标题：");
  EXPECT_FALSE(w.标题标签.enabled());

  w.徽章按钮.setLeft(731);
  w.徽章按钮.setTop(0);
  RECT rect;
  GetWindowRect(w.徽章按钮.handle(), &rect);
  MapWindowPoints(HWND_DESKTOP, w.横幅.handle(), reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.left, 731);
  EXPECT_EQ(rect.top, 0);
  w.横幅.setWidth(-5);
  EXPECT_EQ(w.横幅.width(), 0);

  w.提示标签.setVisible(false);
  EXPECT_FALSE(w.提示标签.visible());
  EXPECT_FALSE(IsWindowVisible(w.提示标签.handle()));
  w.提示标签.setVisible(true);
  EXPECT_TRUE(w.提示标签.visible());
  w.按钮1.setEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(w.按钮1.handle()));
  w.按钮1.setCaption("全不选");
  char text[32] = {};
  GetWindowTextA(w.按钮1.handle(), text, sizeof text);
  EXPECT_STREQ(text, "全不选");
  w.setCaption("第2版窗口720P");
  EXPECT_EQ(w.caption(), "第2版窗口720P");
  // Units without a Win32 window keep their described placement.
  EXPECT_EQ(w.文件对话框.left(), 600);
  EXPECT_EQ(w.文件对话框.handle(), nullptr);
}

TEST(Units, PictureBoxAndLabelRaiseMouseEventsInTheirOwnPixelsWithKeys) {
  KindsWindow& w = open();
  wintest::send(w.横幅.handle(), WM_MOUSEMOVE, MK_SHIFT, wintest::point(700, 30));
  wintest::send(w.横幅.handle(), WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, wintest::point(5, 6));
  wintest::send(w.横幅.handle(), WM_LBUTTONUP, 0, wintest::point(5, 6));
  wintest::send(w.横幅.handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, wintest::point(7, 8));
  wintest::send(w.提示标签.handle(), WM_MOUSEMOVE, 0, wintest::point(3, 4));
  wintest::send(w.提示标签.handle(), WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT | MK_CONTROL, wintest::point(1, 2));
  EXPECT_EQ(events(), (std::vector<std::string>{"bar move 700 30 2", "bar down 5 6 1", "bar double 7 8 0",
                                                "label move 3 4 0", "label down 1 2 3"}));
}

TEST(Units, APictureBoxHandsBackThePictureBytesItWasGiven) {
  KindsWindow& w = open();
  const fw::Bytes bytes = w.横幅.pictureBytes();
  ASSERT_EQ(bytes.size(), pictures::band.size());
  EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), reinterpret_cast<const char*>(pictures::band.data())));
  EXPECT_TRUE(w.底栏.pictureBytes().empty());
  const unsigned char junk[] = {1, 2, 3, 4};
  EXPECT_FALSE(w.横幅.setPicture(junk));
  EXPECT_EQ(w.横幅.pictureBytes().size(), pictures::band.size());
}

TEST(Units, PictureButtonClicksOnReleaseInsideAndItsDoubleClickReplacesTheSecondClick) {
  KindsWindow& w = open();
  HWND button = w.徽章按钮.handle();
  support::click(button, 10, 20, MK_CONTROL);
  // Pressed inside, released outside: no click.
  wintest::send(button, WM_LBUTTONDOWN, MK_LBUTTON, wintest::point(10, 10));
  wintest::send(button, WM_LBUTTONUP, 0, wintest::point(300, 10));
  // A double-click as Windows delivers it: down, up, double-click, up.
  support::click(button, 30, 20);
  wintest::send(button, WM_LBUTTONDBLCLK, MK_LBUTTON | MK_CONTROL, wintest::point(31, 21));
  wintest::send(button, WM_LBUTTONUP, MK_CONTROL, wintest::point(31, 21));
  EXPECT_EQ(events(), (std::vector<std::string>{"badge click 10 20 1", "badge click 30 20 0", "badge double 31 21 1"}));
}

// A button beside two that show its hover and pressed pictures as their
// normal look, over one background, so each look can be told by its pixels.
struct LooksWindow : fw::Window {
  LooksWindow() : Window({.left = 90, .top = 70, .width = 420, .height = 80, .caption = "样子",
                          .background = fw::Rgb{30, 30, 30}}) {}
  fw::PictureButton 按钮{this, {.left = 0, .top = 0, .width = 120, .height = 46, .picture = pictures::badge,
                                .hoverPicture = pictures::badgeHover, .pressedPicture = pictures::band}};
  fw::PictureButton 悬停样子{this, {.left = 140, .top = 0, .width = 120, .height = 46,
                                    .picture = pictures::badgeHover}};
  fw::PictureButton 按下样子{this, {.left = 280, .top = 0, .width = 120, .height = 46,
                                    .picture = pictures::band}};
};

TEST(Units, PictureButtonShowsItsHoverPictureUnderTheMouseAndItsPressedPictureWhilePressed) {
  ASSERT_TRUE(fw::loadWindow<LooksWindow>());
  LooksWindow& w = *fw::openWindow<LooksWindow>();
  HWND button = w.按钮.handle();
  UpdateWindow(w.handle());
  const int x = 60, y = 23;
  const COLORREF normal = wintest::pixelAt(button, x, y);
  // Painted at once, before the leave that the real pointer's absence posts.
  wintest::send(button, WM_MOUSEMOVE, 0, wintest::point(x, y));
  UpdateWindow(button);
  EXPECT_EQ(wintest::pixelAt(button, x, y), wintest::pixelAt(w.悬停样子.handle(), x, y));
  EXPECT_NE(wintest::pixelAt(button, x, y), normal);
  wintest::send(button, WM_LBUTTONDOWN, MK_LBUTTON, wintest::point(x, y));
  UpdateWindow(button);
  EXPECT_EQ(wintest::pixelAt(button, x, y), wintest::pixelAt(w.按下样子.handle(), x, y));
  wintest::send(button, WM_LBUTTONUP, 0, wintest::point(x, y));
  w.destroy();
}

TEST(Units, ButtonAndEditBoxRaiseClickedTextChangedAndKeyDown) {
  KindsWindow& w = open();
  SendMessageA(w.按钮1.handle(), BM_CLICK, 0, 0);
  w.输入框.setCaption("mp4");
  EXPECT_EQ(w.输入框.caption(), "mp4");
  wintest::send(w.输入框.handle(), EM_SETSEL, 3, 3);
  wintest::send(w.输入框.handle(), WM_CHAR, 'x', 1);
  EXPECT_EQ(w.输入框.caption(), "mp4x");
  wintest::send(w.输入框.handle(), WM_KEYDOWN, VK_RETURN, 1);
  w.按钮1.setEnabled(false);
  SendMessageA(w.按钮1.handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(events(), (std::vector<std::string>{"button", "text changed", "text changed", "edit key 13 0"}));
}

TEST(Units, ADisabledLabelDrawsItsTextExactlyAsAnEnabledOne) {
  KindsWindow& w = open();
  w.提示标签.setCaption("总共 3 个文件");
  UpdateWindow(w.handle());
  auto capture = [&]() {
    std::vector<COLORREF> pixels;
    HWND label = w.提示标签.handle();
    RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    for (int y = 2; y < 20; y += 2) {
      for (int x = 0; x < 90; x += 3) pixels.push_back(wintest::pixelAt(label, x, y));
    }
    return pixels;
  };
  const std::vector<COLORREF> enabled = capture();
  w.提示标签.setEnabled(false);
  const std::vector<COLORREF> disabled = capture();
  EXPECT_EQ(enabled, disabled);
  // Both show the text over the window's colour, not an empty or greyed-out box.
  const auto background = std::count(enabled.begin(), enabled.end(), RGB(30, 30, 30));
  EXPECT_GT(background, 0);
  EXPECT_LT(background, static_cast<long>(enabled.size()));
  EXPECT_EQ(std::count(enabled.begin(), enabled.end(), RGB(255, 255, 255)) > 0, true);
}

TEST(Units, ATransparentLabelShowsTheParentsPictureAroundItsText) {
  KindsWindow& w = open();
  w.标题标签.setCaption("");
  UpdateWindow(w.handle());
  RedrawWindow(w.横幅.handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  // Its pixels are the bar's pixels at the same place.
  EXPECT_EQ(wintest::pixelAt(w.标题标签.handle(), 10, 10), wintest::pixelAt(w.横幅.handle(), 193, 17));
  EXPECT_EQ(wintest::pixelAt(w.标题标签.handle(), 100, 30), wintest::pixelAt(w.横幅.handle(), 283, 37));
}

// A bar wider and taller than its picture, which carries the picture's edges
// on, and a second bar that does not, each with a transparent label. The band
// changes colour along both axes, so every pixel tells where it came from.
struct EdgesWindow : fw::Window {
  EdgesWindow() : Window({.left = 40, .top = 40, .width = 1000, .height = 160, .caption = "边缘"}) {}
  fw::PictureBox 宽横幅{this, {.width = 1000, .height = 60, .picture = pictures::band,
                               .background = fw::Rgb{30, 30, 30}, .carriesPictureEdges = true}};
  fw::TransparentLabel 远处标签{this, {.parent = &宽横幅, .left = 700, .top = 10, .width = 200, .height = 40}};
  fw::PictureBox 窄横幅{this, {.top = 80, .width = 1000, .height = 60, .picture = pictures::band,
                               .background = fw::Rgb{30, 30, 30}}};
  fw::TransparentLabel 移动标签{this, {.parent = &窄横幅, .left = 100, .top = 10, .width = 120, .height = 40}};
};

TEST(Units, APictureBoxCarriesItsPicturesEdgesOnAndLabelsShowWhatLiesUnderThemWhereverTheyGo) {
  ASSERT_TRUE(fw::loadWindow<EdgesWindow>());
  EdgesWindow& w = *fw::openWindow<EdgesWindow>();
  RedrawWindow(w.handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  HWND wide = w.宽横幅.handle();
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  // Right of the picture each row goes on in its last pixel, below it each
  // column in its last row, and the corner in the last pixel of all.
  for (int y : {0, 17, 39}) {
    for (int x : {640, 811, 999}) {
      EXPECT_EQ(wintest::pixelAt(wide, x, y), wintest::pixelAt(wide, 639, y)) << x << "," << y;
    }
  }
  for (int x : {0, 333, 639}) {
    for (int y : {40, 59}) EXPECT_EQ(wintest::pixelAt(wide, x, y), wintest::pixelAt(wide, x, 39)) << x << "," << y;
  }
  EXPECT_EQ(wintest::pixelAt(wide, 900, 55), wintest::pixelAt(wide, 639, 39));
  EXPECT_NE(wintest::pixelAt(wide, 639, 17), face);
  EXPECT_NE(wintest::pixelAt(wide, 639, 17), RGB(30, 30, 30));
  // A label there shows the same.
  HWND distant = w.远处标签.handle();
  EXPECT_EQ(wintest::pixelAt(distant, 50, 7), wintest::pixelAt(wide, 639, 17));
  EXPECT_EQ(wintest::pixelAt(distant, 190, 35), wintest::pixelAt(wide, 639, 39));

  // Without carrying, the colour shows beyond the picture.
  HWND narrow = w.窄横幅.handle();
  EXPECT_EQ(wintest::pixelAt(narrow, 700, 17), RGB(30, 30, 30));

  // A label moved along the band shows the band at its new place, not the
  // pixels it showed at the old one; moved past the picture, the colour. What
  // the bar shows at each place is read while the label is elsewhere.
  HWND moving = w.移动标签.handle();
  const int lefts[] = {300, 700, 250};
  std::vector<std::pair<COLORREF, COLORREF>> under;
  for (int left : lefts) under.emplace_back(wintest::pixelAt(narrow, left + 10, 20), wintest::pixelAt(narrow, left + 60, 40));
  EXPECT_EQ(under[1].first, RGB(30, 30, 30));
  EXPECT_NE(under[0].first, under[2].first);
  for (std::size_t i = 0; i < std::size(lefts); ++i) {
    w.移动标签.setLeft(lefts[i]);
    // The paints the move left pending, and no others.
    RedrawWindow(w.handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_EQ(wintest::pixelAt(moving, 10, 10), under[i].first) << lefts[i];
    EXPECT_EQ(wintest::pixelAt(moving, 60, 30), under[i].second) << lefts[i];
  }
  w.destroy();
}

TEST(Units, ListBoxKeepsTextsAndValuesUnsortedAndDeletesLines) {
  KindsWindow& w = open();
  fw::ListBox& list = w.单选列表;
  EXPECT_EQ(list.addItem("c.txt"), 0);
  EXPECT_EQ(list.addItem("a.doc", 7), 1);
  EXPECT_EQ(list.addItem(""), 2);
  EXPECT_EQ(list.count(), 3);
  EXPECT_EQ(list.itemText(0), "c.txt");
  EXPECT_EQ(list.itemText(2), "");
  EXPECT_EQ(list.itemText(3), "");
  EXPECT_EQ(list.itemValue(1), 7);
  EXPECT_EQ(list.selectedLine(), -1);
  list.setSelectedLine(1);
  EXPECT_EQ(list.selectedLine(), 1);
  list.deleteItem(0);
  EXPECT_EQ(list.itemText(0), "a.doc");
  EXPECT_EQ(list.count(), 2);
  list.deleteItem(5);
  list.clear();
  EXPECT_EQ(list.count(), 0);
  EXPECT_EQ(list.selectedLine(), -1);
}

TEST(Units, ListBoxReplacesEveryLineAtOnceAndDrawsThemAfterwards) {
  KindsWindow& w = open();
  fw::ListBox& list = w.单选列表;
  list.addItem("old");
  list.setSelectedLine(0);
  const std::string texts[] = {"b.DOC", "c.doc", "d.xls"};
  list.replaceItems({{&texts[0], 2}, {&texts[1], 3}, {&texts[2], 9}});
  ASSERT_EQ(list.count(), 3);
  EXPECT_EQ(list.itemText(0), "b.DOC");
  EXPECT_EQ(list.itemText(2), "d.xls");
  EXPECT_EQ(list.itemValue(0), 2);
  EXPECT_EQ(list.itemValue(2), 9);
  EXPECT_EQ(list.selectedLine(), -1);

  // Drawing is back on: the new first line shows its text on the list's white.
  RedrawWindow(list.handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  int inked = 0;
  for (int x = 2; x < 60; ++x) inked += wintest::pixelAt(list.handle(), x, 7) != RGB(255, 255, 255);
  EXPECT_GT(inked, 0);

  list.replaceItems({});
  EXPECT_EQ(list.count(), 0);
}

TEST(Units, ExtendedListBoxSelectsByClicksAndReturnsSelectedLinesAscending) {
  KindsWindow& w = open();
  fw::ListBox& list = w.多选列表;
  for (const char* name : {"a.txt", "b.DOC", "c.doc", "d.xls", "e.csv"}) list.addItem(name);
  HWND hwnd = list.handle();
  support::clickListLine(hwnd, 3);
  support::clickListLineHolding(hwnd, 1, MK_CONTROL);
  support::clickListLineHolding(hwnd, 4, MK_CONTROL);
  EXPECT_EQ(list.selectedLines(), (std::vector<int>{1, 3, 4}));
  EXPECT_EQ(list.selectedLine(), 1);
  support::clickListLineHolding(hwnd, 3, MK_CONTROL);
  EXPECT_EQ(list.selectedLines(), (std::vector<int>{1, 4}));
  support::clickListLine(hwnd, 0);
  support::clickListLineHolding(hwnd, 2, MK_SHIFT);
  EXPECT_EQ(list.selectedLines(), (std::vector<int>{0, 1, 2}));

  wintest::send(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, wintest::point(5, 5));
  wintest::send(hwnd, WM_KEYDOWN, VK_DELETE, 1);
  EXPECT_EQ(std::count(events().begin(), events().end(), "list double"), 1);
  EXPECT_EQ(std::count(events().begin(), events().end(), "list key 46 0"), 1);
}

TEST(Units, ExtendedListBoxPutsTheCaretOnALineAndScrollsToItWithoutSelecting) {
  KindsWindow& w = open();
  fw::ListBox& list = w.多选列表;
  for (int i = 0; i < 60; ++i) list.addItem("entry " + std::to_string(i));
  list.setCaretLine(40);
  EXPECT_EQ(list.caretLine(), 40);
  EXPECT_TRUE(list.selectedLines().empty());
  const int top = list.topLine();
  const int shown = 120 / static_cast<int>(SendMessageA(list.handle(), LB_GETITEMHEIGHT, 0, 0));
  EXPECT_LE(top, 40);
  EXPECT_GE(top + shown, 40);
  list.setCaretLine(60);  // outside: nothing
  EXPECT_EQ(list.caretLine(), 40);
}

TEST(Units, ListBoxLinesAreOnePixelTallerThanTheFontGivesWhenAsked) {
  KindsWindow& w = open();
  const LRESULT plain = SendMessageA(w.单选列表.handle(), LB_GETITEMHEIGHT, 0, 0);
  const LRESULT taller = SendMessageA(w.多选列表.handle(), LB_GETITEMHEIGHT, 0, 0);
  EXPECT_EQ(taller, plain + 1);
}

TEST(Units, TreeBoxNumbersItemsDepthFirst) {
  KindsWindow& w = open();
  fw::TreeBox& tree = w.目录树;
  EXPECT_EQ(tree.addItem("水果"), 0);
  EXPECT_EQ(tree.addItem("苹果1号", 0), 1);
  EXPECT_EQ(tree.addItem("苹果2号", 0), 2);
  tree.expand(0);
  EXPECT_EQ(tree.addItem("蔬菜"), 3);
  EXPECT_EQ(tree.addItem("白菜", 3), 4);
  EXPECT_EQ(tree.addItem("萝卜", 3), 5);
  tree.expand(3);
  EXPECT_TRUE(tree.isExpanded(0));
  EXPECT_EQ(tree.count(), 6);
  EXPECT_EQ(tree.itemText(2), "苹果2号");
  EXPECT_EQ(tree.itemText(5), "萝卜");
  EXPECT_EQ(tree.itemText(6), "");
  // A child added to the first root moves the later items up by one.
  EXPECT_EQ(tree.addItem("香蕉", 0), 3);
  EXPECT_EQ(tree.itemText(4), "蔬菜");
  EXPECT_EQ(tree.selection(), -1);
  tree.setSelection(5);
  EXPECT_EQ(tree.selection(), 5);
  tree.setSelection(-1);
  EXPECT_EQ(tree.selection(), -1);
  const LONG_PTR style = GetWindowLongPtrA(tree.handle(), GWL_STYLE);
  EXPECT_EQ(style & (TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_EDITLABELS),
            TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT);
}

TEST(Units, TreeBoxRightPressOnAnItemSelectsItFirstAndElsewhereRaisesNothing) {
  KindsWindow& w = open();
  fw::TreeBox& tree = w.目录树;
  tree.addItem("水果");
  tree.addItem("苹果1号", 0);
  tree.addItem("苹果2号", 0);
  tree.expand(0);
  int selectedDuringEvent = -2;
  events().clear();
  const POINT p = itemPoint(tree, 2);
  wintest::send(tree.handle(), WM_RBUTTONDOWN, MK_RBUTTON, wintest::point(p.x, p.y));
  selectedDuringEvent = tree.selection();
  EXPECT_EQ(events(), (std::vector<std::string>{"tree right"}));
  EXPECT_EQ(selectedDuringEvent, 2);
  wintest::send(tree.handle(), WM_RBUTTONUP, 0, wintest::point(p.x, p.y));

  wintest::send(tree.handle(), WM_RBUTTONDOWN, MK_RBUTTON, wintest::point(190, 190));
  EXPECT_EQ(events().size(), 1u);
  EXPECT_EQ(tree.selection(), 2);

  // The control follows a left press until the release arrives in the queue.
  const POINT root = itemPoint(tree, 0);
  PostMessageA(tree.handle(), WM_LBUTTONUP, 0, wintest::point(root.x, root.y));
  wintest::send(tree.handle(), WM_LBUTTONDOWN, MK_LBUTTON, wintest::point(root.x, root.y));
  PostMessageA(tree.handle(), WM_LBUTTONUP, 0, wintest::point(root.x, root.y));
  wintest::send(tree.handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, wintest::point(root.x, root.y));
  support::pumpMessages(20);
  EXPECT_EQ(events().back(), "tree double");
  EXPECT_EQ(tree.selection(), 0);
}

TEST(Units, SliderRaisesItsEventForUserChangesOnlyAndKeepsThePositionInRange) {
  KindsWindow& w = open();
  fw::Slider& slider = w.滑块条;
  EXPECT_EQ(slider.position(), 0);
  slider.setPosition(40);
  slider.setMaximum(200);
  EXPECT_TRUE(events().empty());
  EXPECT_EQ(slider.position(), 40);

  HWND hwnd = slider.handle();
  // The thumb is 11 wide: x = 5 + 629 * fraction.
  wintest::send(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, wintest::point(5 + 629 / 2, 5));
  EXPECT_EQ(slider.position(), 100);
  wintest::send(hwnd, WM_MOUSEMOVE, MK_LBUTTON, wintest::point(5 + 629 / 2, 5));  // same place
  wintest::send(hwnd, WM_MOUSEMOVE, MK_LBUTTON, wintest::point(634, 5));
  EXPECT_EQ(slider.position(), 200);
  wintest::send(hwnd, WM_MOUSEMOVE, MK_LBUTTON, wintest::point(2000, 5));
  wintest::send(hwnd, WM_LBUTTONUP, 0, wintest::point(2000, 5));
  wintest::send(hwnd, WM_MOUSEMOVE, 0, wintest::point(0, 5));  // not dragging any more
  EXPECT_EQ(slider.position(), 200);
  EXPECT_EQ(events(), (std::vector<std::string>{"slider moved", "slider moved"}));

  slider.setPosition(500);
  EXPECT_EQ(slider.position(), 200);
  slider.setMaximum(50);
  EXPECT_EQ(slider.position(), 50);
  slider.setMaximum(-3);
  EXPECT_EQ(slider.maximum(), 0);
  EXPECT_EQ(slider.position(), 0);
  wintest::send(hwnd, WM_KEYDOWN, VK_F3, 1);
  EXPECT_EQ(events().back(), "slider key 114");
}

TEST(Units, GridKeepsCellsAndACellClickTogglesATickColumn) {
  KindsWindow& w = open();
  fw::Grid& grid = w.表格;
  EXPECT_EQ(grid.rowCount(), 1);
  grid.setCellText(0, 0, "ID");
  grid.setCellText(0, 1, "名称");
  grid.setCellText(0, 2, "选中");
  grid.setColumnWidth(0, 50);
  grid.setColumnWidth(1, 120);
  grid.setColumnWidth(2, 50);
  grid.setColumnType(2, fw::Grid::kTickColumn);
  for (const char* ext : {"甲", "乙", "丙"}) {
    grid.addRow();
    const int r = grid.rowCount() - 1;
    grid.setCellNumber(r, 0, r);
    grid.setCellText(r, 1, ext);
  }
  EXPECT_EQ(grid.rowCount(), 4);
  EXPECT_EQ(grid.cellText(2, 0), "2");
  EXPECT_EQ(grid.cellText(3, 1), "丙");
  EXPECT_EQ(grid.columnType(2), fw::Grid::kTickColumn);
  EXPECT_EQ(grid.currentRow(), -1);
  EXPECT_EQ(grid.currentColumn(), -1);

  HWND hwnd = grid.handle();
  const int rowTop = 22 * 3;  // row 3
  support::click(hwnd, 60, rowTop + 5);    // column 1
  EXPECT_TRUE(grid.cellTick(3, 2));
  support::click(hwnd, 190, rowTop + 5);   // column 2
  EXPECT_FALSE(grid.cellTick(3, 2));
  support::click(hwnd, 10, rowTop + 5);    // column 0: nothing
  EXPECT_FALSE(grid.cellTick(3, 2));
  support::click(hwnd, 190, 5);            // the header row is not a cell to click
  EXPECT_EQ(events(), (std::vector<std::string>{"cell 3 1", "cell 3 2", "cell 3 0"}));
  EXPECT_EQ(grid.currentRow(), 3);
  EXPECT_EQ(grid.currentColumn(), 0);

  grid.setRowCount(2);
  EXPECT_EQ(grid.rowCount(), 2);
  EXPECT_EQ(grid.currentRow(), -1);
  EXPECT_EQ(grid.cellText(3, 1), "");
}

TEST(Units, CommonDialogGoesThroughTheSeamAndKeepsFolderAndFileNameBetweenShows) {
  support::ScriptedSeam seam;
  KindsWindow& w = open();
  fw::CommonDialog& dialog = w.文件对话框;
  dialog.setInitialFolder("C:\\资料");
  dialog.setFileName("清单.txt");
  seam.fileAnswers.push_back(std::string("C:\\资料\\列表.txt"));
  seam.fileAnswers.push_back(std::nullopt);
  EXPECT_TRUE(dialog.show());
  EXPECT_EQ(dialog.fileName(), "C:\\资料\\列表.txt");
  EXPECT_FALSE(dialog.showOpen());
  EXPECT_EQ(dialog.fileName(), "C:\\资料\\列表.txt");
  ASSERT_EQ(seam.calls.size(), 2u);
  EXPECT_EQ(seam.calls[0].dialog, fw::FileDialogRequest::Save);
  EXPECT_EQ(seam.calls[0].folder, "C:\\资料");
  EXPECT_EQ(seam.calls[0].initial, "清单.txt");
  EXPECT_EQ(seam.calls[1].dialog, fw::FileDialogRequest::Open);
  EXPECT_EQ(seam.calls[1].folder, "C:\\资料");
  EXPECT_EQ(seam.calls[1].initial, "C:\\资料\\列表.txt");
}

TEST(Units, MenuItemsKeepCheckMarksAndBuildHiddenTopItemsAsPopUpsOnly) {
  KindsWindow& w = open();
  EXPECT_EQ(GetMenu(w.handle()), nullptr);
  w.复制.setChecked(true);
  EXPECT_TRUE(w.复制.checked());
  HMENU menu = w.编辑.buildMenu();
  ASSERT_EQ(GetMenuItemCount(menu), 1);
  char text[32] = {};
  GetMenuStringA(menu, 0, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "复制(&A)");
  EXPECT_EQ(GetMenuState(menu, 0, MF_BYPOSITION) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
  const UINT command = GetMenuItemID(menu, 0);
  DestroyMenu(menu);
  // The item's command, as the menu posts it when chosen.
  PostMessageA(w.handle(), WM_COMMAND, command, 0);
  support::pumpMessages(20);
  EXPECT_EQ(events(), (std::vector<std::string>{"menu copy"}));
}
