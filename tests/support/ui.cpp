#include "tests/support/ui.h"

#include "framework/window.h"
#include "tests/support/wait.h"

namespace support {

namespace {

void pressLine(HWND list, int line, WPARAM keys, bool doubleClick) {
  RECT rect{};
  SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(&rect));
  const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON | keys, at);
  SendMessageA(list, WM_LBUTTONUP, keys, at);
  if (doubleClick) {
    SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON | keys, at);
    SendMessageA(list, WM_LBUTTONUP, keys, at);
  }
  pumpMessages();
}

}  // namespace

void click(HWND window, int x, int y, WPARAM keys) {
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON | keys, MAKELPARAM(x, y));
  SendMessageA(window, WM_LBUTTONUP, keys, MAKELPARAM(x, y));
  pumpMessages();
}

void clickListLine(HWND list, int line, bool doubleClick) { pressLine(list, line, 0, doubleClick); }

void clickListLineHolding(HWND list, int line, WPARAM keys) { pressLine(list, line, keys, false); }

void chooseMenuItem(const fw::MenuItem& item) {
  PostMessageA(item.window().handle(), WM_COMMAND, MAKEWPARAM(item.command(), 0), 0);
  pumpMessages();
}

RECT rectInParent(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

}  // namespace support
