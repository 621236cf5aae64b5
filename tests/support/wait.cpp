#include "tests/support/wait.h"

#include <map>
#include <string>

namespace support {
namespace {

std::map<UINT_PTR, std::function<void()>>& waiting() {
  static std::map<UINT_PTR, std::function<void()>> actions;
  return actions;
}

void CALLBACK runWaiting(HWND, UINT, UINT_PTR id, DWORD) {
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

void handlePending() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace

bool waitUntil(const std::function<bool()>& done, unsigned timeoutMs) {
  ULONGLONG end = GetTickCount64() + timeoutMs;
  for (;;) {
    handlePending();
    if (done()) return true;
    ULONGLONG now = GetTickCount64();
    if (now >= end) return false;
    DWORD slice = (DWORD)(end - now < 10 ? end - now : 10);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, slice, QS_ALLINPUT);
  }
}

void pumpMessages(unsigned milliseconds) {
  ULONGLONG end = GetTickCount64() + milliseconds;
  do {
    handlePending();
    ULONGLONG now = GetTickCount64();
    if (now >= end) break;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, (DWORD)(end - now), QS_ALLINPUT);
  } while (true);
}

void after(unsigned milliseconds, std::function<void()> action) {
  UINT_PTR id = SetTimer(nullptr, 0, milliseconds, runWaiting);
  waiting()[id] = std::move(action);
}

bool pendingAfter() { return !waiting().empty(); }

HWND findThreadWindow(const char* className) {
  Search search{className, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), findOne, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace support
