#include "tests/player_system/live_test.h"

#include <commctrl.h>

#include <cstring>

#include "player/playback/playback.h"
#include "tests/support/ui.h"
#include "tests/support/wait.h"

namespace system_test {

void LiveTest::SetUp() {
  SystemTest::SetUp();
  standin::setConfig("addresses", "*");
  a = wav("a.wav");
  b = wav("b.wav");
  c = wav("c.wav");
  player::loopMode = std::string("0");
  setPlaylist({a, b, c});
  playIndex(1);
  clearJournal();
}

void LiveTest::toggleReadout() { support::chooseMenuItem(window().显示关闭实时帧率); }

void LiveTest::doubleClickLogo(WPARAM keys, bool alt) {
  BYTE state[256] = {};
  GetKeyboardState(state);
  const BYTE before = state[VK_MENU];
  if (alt) {
    state[VK_MENU] |= 0x80;
    SetKeyboardState(state);
  }
  HWND logo = window().图形按钮1.handle();
  SendMessageA(logo, WM_LBUTTONDBLCLK, MK_LBUTTON | keys, MAKELPARAM(20, 20));
  SendMessageA(logo, WM_LBUTTONUP, keys, MAKELPARAM(20, 20));
  if (alt) {
    state[VK_MENU] = before;
    SetKeyboardState(state);
  }
  support::pumpMessages();
}

void LiveTest::unlock() {
  seam.messageBoxAnswers.push_back(IDYES);
  seam.inputAnswers.push_back(kAccessCode);
  doubleClickLogo(MK_CONTROL);
  ASSERT_NE(live(), nullptr);
}

int LiveTest::item(const std::string& text) {
  for (int i = 0; i < tree().count(); ++i) {
    if (tree().itemText(i) == text) {
      SendMessageA(tree().handle(), TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(tree().itemHandle(i)));
      return i;
    }
  }
  ADD_FAILURE() << "no tree item " << text;
  return -1;
}

POINT LiveTest::itemPoint(int item) {
  // TVM_GETITEMRECT takes the item's handle in the first bytes of the rectangle.
  RECT rect{};
  void* handle = tree().itemHandle(item);
  std::memcpy(&rect, &handle, sizeof handle);
  SendMessageA(tree().handle(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect));
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void LiveTest::doubleClickItem(int item) {
  const POINT p = itemPoint(item);
  const LPARAM at = MAKELPARAM(p.x, p.y);
  HWND hwnd = tree().handle();
  // The control follows a left press until the release arrives in the queue.
  PostMessageA(hwnd, WM_LBUTTONUP, 0, at);
  SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(hwnd, WM_LBUTTONUP, 0, at);
  SendMessageA(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  support::pumpMessages(20);
}

}  // namespace system_test
