#include "tests/support/ui.h"

#include <vector>

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

void pressKeyAtFocus(int key, bool shift) {
  BYTE state[256] = {};
  GetKeyboardState(state);
  const BYTE before = state[VK_SHIFT];
  if (shift) {
    state[VK_SHIFT] |= 0x80;
    SetKeyboardState(state);
  }
  const HWND focus = GetFocus();
  PostMessageA(focus, WM_KEYDOWN, static_cast<WPARAM>(key), 1);
  PostMessageA(focus, WM_KEYUP, static_cast<WPARAM>(key), static_cast<LPARAM>(0xC0000001u));
  pumpMessages();
  if (shift) {
    state[VK_SHIFT] = before;
    SetKeyboardState(state);
  }
}

void typeKeys(std::initializer_list<int> keys, bool shift) {
  auto key = [](int code, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(code);
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(static_cast<UINT>(code), MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
  };
  for (int code : keys) {
    std::vector<INPUT> inputs;
    if (shift) inputs.push_back(key(VK_SHIFT, false));
    inputs.push_back(key(code, false));
    inputs.push_back(key(code, true));
    if (shift) inputs.push_back(key(VK_SHIFT, true));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    // Each keystroke handled before the next, as a typist's would be.
    pumpMessages(30);
  }
}

bool bringToFront(HWND window) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    SetForegroundWindow(window);
    if (waitUntil([&] { return GetForegroundWindow() == window; }, 500)) return true;
  }
  return false;
}

RECT rectInParent(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

Pixels readPixels(HWND window, int left, int top, int width, int height) {
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  Pixels pixels{width, height, std::vector<uint32_t>(static_cast<std::size_t>(width) * height)};
  HDC dc = GetDC(window);
  HDC memory = CreateCompatibleDC(dc);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;   // rows top first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, dc, left, top, SRCCOPY);
  GdiFlush();
  const auto* source = static_cast<const uint32_t*>(bits);
  for (std::size_t i = 0; i < pixels.values.size(); ++i) pixels.values[i] = source[i] & 0xFFFFFF;
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, dc);
  return pixels;
}

}  // namespace support
