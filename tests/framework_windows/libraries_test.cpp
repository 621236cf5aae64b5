// Which system libraries a window of the layer brings into the process: the
// dialogs, the shell, COM, the common controls and msimg32 are bound by name
// at their first use, so a window of the everyday units loads none of them
// beyond what the system loads for any window (Wine's display driver brings
// ole32 with the first window). This binary imports none of them either, and
// each case runs in a process of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/window.h"
#include "tests/framework_windows/pictures/pictures.h"
#include "tests/framework_windows/window_test_support.h"
#include "tests/support/wait.h"

namespace {

struct EverydayWindow : fw::Window {
  EverydayWindow() : Window({.left = 80, .top = 60, .width = 640, .height = 480, .caption = "库"}) {}
  fw::PictureBox 横幅{this, {.left = 0, .top = 0, .width = 640, .height = 40, .picture = pictures::band}};
  fw::PictureButton 徽章按钮{this, {.parent = &横幅, .left = 0, .top = -7, .width = 120, .height = 46,
                                    .picture = pictures::badge, .hoverPicture = pictures::badgeHover}};
  fw::TransparentLabel 标题标签{this, {.parent = &横幅, .left = 183, .top = 7, .width = 300, .height = 31,
                                       .caption = "标题："}};
  fw::EditBox 输入框{this, {.left = 120, .top = 50, .width = 150, .height = 22,
                            .onTextChanged = [] { wintest::log("text changed"); }}};
  fw::Button 按钮1{this, {.left = 280, .top = 50, .width = 60, .height = 24, .caption = "全选"}};
  fw::ListBox 单选列表{this, {.left = 10, .top = 80, .width = 200, .height = 120,
                              .onKeyDown = [](int key, int) { wintest::log("list key " + std::to_string(key)); }}};
  fw::Slider 滑块条{this, {.left = 0, .top = 400, .width = 640, .height = 11, .maximum = 100,
                           .trackPicture = pictures::track, .fillPicture = pictures::fill,
                           .thumbPicture = pictures::thumb}};
  fw::Timer 时钟1{this, {.interval = 50}};
  fw::CommonDialog 文件对话框{this, {.left = 600, .top = 5, .width = 26, .height = 26}};
};

struct TreeWindow : fw::Window {
  TreeWindow() : Window({.left = 100, .top = 80, .width = 300, .height = 300, .caption = "树"}) {}
  fw::TreeBox 目录树{this, {.left = 10, .top = 10, .width = 200, .height = 200}};
};

constexpr const char* kLoadedAtFirstUse[] = {"comdlg32.dll", "shell32.dll", "ole32.dll", "comctl32.dll",
                                             "msimg32.dll"};

std::vector<std::string> loadedOfThem() {
  std::vector<std::string> loaded;
  for (const char* library : kLoadedAtFirstUse) {
    if (GetModuleHandleA(library) != nullptr) loaded.push_back(library);
  }
  return loaded;
}

TEST(Libraries, EverydayUnitsShowPaintAndTakeInputWithoutTheDialogShellComOrControlLibraries) {
  // What the system itself loads for a plain window of its own.
  HWND plain = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                               nullptr, nullptr);
  ASSERT_NE(plain, nullptr);
  support::pumpMessages(50);
  const std::vector<std::string> bySystem = loadedOfThem();
  DestroyWindow(plain);
  ASSERT_EQ(GetModuleHandleA("comctl32.dll"), nullptr);

  ASSERT_TRUE(fw::loadWindow<EverydayWindow>());
  EverydayWindow& w = *fw::openWindow<EverydayWindow>();
  RedrawWindow(w.handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  support::pumpMessages(150);
  // The subclassed system controls still raise their events.
  SetWindowTextA(w.输入框.handle(), "abc");
  wintest::send(w.单选列表.handle(), WM_KEYDOWN, VK_DELETE);
  EXPECT_EQ(wintest::events(), (std::vector<std::string>{"text changed", "list key 46"}));
  EXPECT_EQ(loadedOfThem(), bySystem);

  // The first tree box brings the common controls along, and its tree works.
  ASSERT_TRUE(fw::loadWindow<TreeWindow>());
  TreeWindow& tree = *fw::openWindow<TreeWindow>();
  EXPECT_NE(GetModuleHandleA("comctl32.dll"), nullptr);
  ASSERT_NE(tree.目录树.handle(), nullptr);
  EXPECT_EQ(tree.目录树.addItem("CCTV1"), 0);
  EXPECT_EQ(tree.目录树.itemText(0), "CCTV1");
  w.destroy();
  tree.destroy();
}

}  // namespace
