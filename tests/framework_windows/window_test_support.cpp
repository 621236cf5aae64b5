#include "tests/framework_windows/window_test_support.h"

namespace wintest {

std::vector<std::string>& events() {
  static std::vector<std::string> all;
  return all;
}

void log(const std::string& event) { events().push_back(event); }

void logMouse(const std::string& name, int x, int y, int keys) {
  log(name + " " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(keys));
}

LPARAM point(int x, int y) { return MAKELPARAM(x, y); }

void send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) { SendMessageA(hwnd, message, wParam, lParam); }

COLORREF pixelAt(HWND hwnd, int x, int y) {
  HDC dc = GetDC(hwnd);
  COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(hwnd, dc);
  return colour;
}

}  // namespace wintest
