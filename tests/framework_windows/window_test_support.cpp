#include "tests/framework_windows/window_test_support.h"

#include <map>

namespace wintest {

namespace {

std::map<UINT_PTR, std::function<void()>>& waiting() {
  static std::map<UINT_PTR, std::function<void()>> actions;
  return actions;
}

void CALLBACK onAfter(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  auto it = waiting().find(id);
  if (it == waiting().end()) return;
  std::function<void()> action = std::move(it->second);
  waiting().erase(it);
  action();
}

struct Search {
  const char* className;
  HWND found;
};

BOOL CALLBACK findOne(HWND hwnd, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof name);
  if (std::string(name) == search->className && IsWindowVisible(hwnd)) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::vector<std::string>& events() {
  static std::vector<std::string> all;
  return all;
}

void log(const std::string& event) { events().push_back(event); }

void logMouse(const std::string& name, int x, int y, int keys) {
  log(name + " " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(keys));
}

LPARAM point(int x, int y) { return MAKELPARAM(x, y); }

void click(HWND hwnd, int x, int y, WPARAM keys) {
  SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON | keys, point(x, y));
  SendMessageA(hwnd, WM_LBUTTONUP, keys, point(x, y));
}

void send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) { SendMessageA(hwnd, message, wParam, lParam); }

void after(unsigned milliseconds, std::function<void()> action) {
  UINT_PTR id = SetTimer(nullptr, 0, milliseconds, onAfter);
  waiting()[id] = std::move(action);
}

bool pendingAfter() { return !waiting().empty(); }

COLORREF pixelAt(HWND hwnd, int x, int y) {
  HDC dc = GetDC(hwnd);
  COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(hwnd, dc);
  return colour;
}

HWND findThreadWindow(const char* className) {
  Search search{className, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), findOne, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace wintest
