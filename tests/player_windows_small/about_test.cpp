// The about window, opened from 文件 > 关于Quorle(&E): its frame, its texts
// and the home-page line that opens the maker's web site through the shell.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/windows_routines.h"
#include "player/windows/about/about_window.h"
#include "tests/player_spine/player_fixture.h"
#include "tests/support/ui.h"
#include "tests/support/wait.h"

namespace small {
namespace {

using player::AboutWindow;

const std::string kIntroduction =
    "Quorle播放器是BrisvaneQuorle科技出品的一款免费多功能播放器，基于APlayer引擎开发，"
    "绿色便携，界面简洁，不含任何广告，没有任何后门，请放心使用。\r\n"
    "\r\n"
    "本公司主营业务：电脑整机及配件销售、软件开发定制、网络工程与服务器运维服务、"
    "企业网站建设及小程序开发。欢迎来电洽谈合作！";
const std::string kHomePage = "公司主页：https://www.example.com/\r\n公众号：Quorle科技小站";
const std::string kContacts = "周先生：000-0000-0000\r\n林女士：000-0000-0001";

// Every text set on a window of this thread, in order, seen as Windows
// delivers it.
std::vector<std::string> textsSet;

LRESULT CALLBACK recordSetText(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && message->message == WM_SETTEXT && message->lParam != 0)
    textsSet.emplace_back(reinterpret_cast<const char*>(message->lParam));
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The about window's own texts among those set, in order.
std::vector<std::string> aboutTextsSet() {
  std::vector<std::string> texts;
  for (const std::string& text : textsSet)
    if (text == kIntroduction || text == kHomePage || text == kContacts) texts.push_back(text);
  return texts;
}

struct ShellCall {
  HWND owner;
  std::string verb, file, parameters, folder;
  INT show;
};
std::vector<ShellCall> shellCalls;

HINSTANCE WINAPI recordShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                    LPCSTR folder, INT show) {
  auto text = [](LPCSTR s) { return s ? std::string(s) : std::string("(null)"); };
  shellCalls.push_back({owner, text(verb), text(file), text(parameters), text(folder), show});
  return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(33));
}

class AboutTest : public spine::PlayerTest {
 protected:
  AboutTest() {
    textsSet.clear();
    shellCalls.clear();
    hook_ = SetWindowsHookExA(WH_CALLWNDPROC, recordSetText, nullptr, GetCurrentThreadId());
    fw::win::ShellExecuteA.replaceForTests(recordShellExecute);
  }
  ~AboutTest() override {
    fw::win::ShellExecuteA.replaceForTests(nullptr);
    UnhookWindowsHookEx(hook_);
  }
  AboutWindow* open() {
    support::chooseMenuItem(window().关于Quorle);
    return fw::openWindow<AboutWindow>();
  }
  static void pressLabel(const fw::Label& label) { support::click(label.handle(), 20, 10); }

  HHOOK hook_ = nullptr;
};

TEST_F(AboutTest, OpensFromItsMenuItemFramedCentredWithoutOwnerAndSetsItsThreeTextsInOrder) {
  startPlayer();
  AboutWindow* w = open();
  ASSERT_NE(w, nullptr);
  const HWND hwnd = w->handle();
  const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_NE(style & WS_SYSMENU, 0);
  EXPECT_NE(style & WS_MINIMIZEBOX, 0);
  EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
  EXPECT_EQ(style & WS_THICKFRAME, 0);
  EXPECT_EQ(GetWindow(hwnd, GW_OWNER), nullptr);
  EXPECT_EQ(w->caption(), "BrisvaneQuorle科技");
  EXPECT_EQ(w->width(), 380);
  EXPECT_EQ(w->height(), 245);
  EXPECT_EQ(w->left(), (GetSystemMetrics(SM_CXSCREEN) - 380) / 2);
  EXPECT_EQ(w->top(), (GetSystemMetrics(SM_CYSCREEN) - 245) / 2);

  const struct {
    const fw::Label& label;
    int left, top, width, height;
    std::string text;
  } labels[] = {
      {w->标签1, 3, 8, 368, 100, kIntroduction},
      {w->标签2, 3, 113, 368, 32, kHomePage},
      {w->标签4, 147, 145, 80, 24, "联系方式"},
      {w->标签3, 3, 170, 368, 40, kContacts},
  };
  for (const auto& l : labels) {
    SCOPED_TRACE(l.text);
    EXPECT_EQ(l.label.left(), l.left);
    EXPECT_EQ(l.label.top(), l.top);
    EXPECT_EQ(l.label.width(), l.width);
    EXPECT_EQ(l.label.height(), l.height);
    EXPECT_EQ(l.label.caption(), l.text);
    char shown[1024] = {};
    GetWindowTextA(l.label.handle(), shown, sizeof shown);
    EXPECT_EQ(shown, l.text);
  }
  EXPECT_EQ(aboutTextsSet(), (std::vector<std::string>{kIntroduction, kHomePage, kContacts}));
  // The address opened is the one the home-page line shows.
  pressLabel(w->标签2);
  ASSERT_EQ(shellCalls.size(), 1u);
  EXPECT_NE(kHomePage.find("公司主页：" + shellCalls[0].file + "\r\n"), std::string::npos);
}

TEST_F(AboutTest, EachPressOnTheHomePageLineOpensTheAddressOnceAndTheOtherLabelsNothing) {
  startPlayer();
  AboutWindow* w = open();
  ASSERT_NE(w, nullptr);
  for (const fw::Label* other : {&w->标签1, &w->标签4, &w->标签3}) pressLabel(*other);
  EXPECT_TRUE(shellCalls.empty());

  pressLabel(w->标签2);
  pressLabel(w->标签2);
  ASSERT_EQ(shellCalls.size(), 2u);
  for (const ShellCall& call : shellCalls) {
    EXPECT_EQ(call.owner, nullptr);
    EXPECT_EQ(call.verb, "open");
    EXPECT_EQ(call.file, "https://www.example.com/");
    EXPECT_EQ(call.parameters, "");
    EXPECT_EQ(call.folder, "");
    EXPECT_EQ(call.show, SW_SHOWNORMAL);
  }
  EXPECT_TRUE(seam.calls.empty()) << "the shell's result is not reported";
}

TEST_F(AboutTest, ChoosingTheItemAgainRestoresTheOpenWindowWithoutSettingItsTextsTwice) {
  startPlayer();
  AboutWindow* w = open();
  ASSERT_NE(w, nullptr);
  ShowWindow(w->handle(), SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(w->handle()));

  EXPECT_EQ(open(), w);
  EXPECT_FALSE(IsIconic(w->handle()));
  EXPECT_EQ(aboutTextsSet().size(), 3u);
}

TEST_F(AboutTest, EscClosesItAndTheNextOpeningSetsTheTextsAgain) {
  startPlayer();
  AboutWindow* w = open();
  ASSERT_NE(w, nullptr);
  SendMessageA(w->标签1.handle(), WM_KEYDOWN, VK_ESCAPE, 1);
  support::pumpMessages();
  EXPECT_FALSE(fw::isWindowOpen<AboutWindow>());

  w = open();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(aboutTextsSet().size(), 6u);
}

}  // namespace
}  // namespace small
