#include "tests/support/ui.h"

#include "framework/window.h"
#include "tests/support/wait.h"

namespace support {

namespace {

POINT insideLine(HWND list, int line) {
  RECT rect{};
  SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(&rect));
  return POINT{rect.left + 5, (rect.top + rect.bottom) / 2};
}

}  // namespace

void click(HWND window, int x, int y, WPARAM keys) {
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON | keys, MAKELPARAM(x, y));
  SendMessageA(window, WM_LBUTTONUP, keys, MAKELPARAM(x, y));
  pumpMessages();
}

void clickListLine(HWND list, int line, WPARAM keys) {
  const POINT p = insideLine(list, line);
  click(list, p.x, p.y, keys);
}

void doubleClickListLine(HWND list, int line) {
  const POINT p = insideLine(list, line);
  click(list, p.x, p.y);
  SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(p.x, p.y));
  SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
  pumpMessages();
}

void clickListLine(HWND list, int line, bool doubleClick) {
  RECT rect{};
  SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(&rect));
  const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(list, WM_LBUTTONUP, 0, at);
  if (doubleClick) {
    SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageA(list, WM_LBUTTONUP, 0, at);
  }
  pumpMessages();
}

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
