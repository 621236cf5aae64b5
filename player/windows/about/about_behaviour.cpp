// The about window's texts and its one link.
#include <windows.h>

#include "framework/windows_routines.h"
#include "player/windows/about/about.h"
#include "player/windows/about/about_behaviour.h"
#include "player/windows/about/about_window.h"

namespace player {
namespace {

// The maker's own texts.
constexpr char kIntroduction[] =
    "Quorle播放器是BrisvaneQuorle科技出品的一款免费多功能播放器，基于APlayer引擎开发，"
    "绿色便携，界面简洁，不含任何广告，没有任何后门，请放心使用。\r\n"
    "\r\n"
    "本公司主营业务：电脑整机及配件销售、软件开发定制、网络工程与服务器运维服务、"
    "企业网站建设及小程序开发。欢迎来电洽谈合作！";
constexpr char kHomePageAddress[] = "https://www.example.com/";
constexpr char kPublicAccountName[] = "Quorle科技小站";
// Placeholders until the maker's real contacts are known.
constexpr char kContacts[] =
    "周先生：000-0000-0000\r\n"
    "林女士：000-0000-0001";

}  // namespace

void showAboutWindow() { fw::loadWindow<AboutWindow>(); }

bool shellOpen(const fw::Text& target) {
  const HINSTANCE result =
      fw::win::ShellExecuteA(nullptr, "open", target.c_str(), "", "", SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) != 0;
}

void fillAboutText() {
  AboutWindow& window = *fw::openWindow<AboutWindow>();
  window.标签1.setCaption(kIntroduction);
  window.标签2.setCaption(fw::Text("公司主页：") + kHomePageAddress + "\r\n公众号：" + kPublicAccountName);
  window.标签3.setCaption(kContacts);
}

void onHomePageLabelClick(int, int, int) { shellOpen(kHomePageAddress); }

}  // namespace player
