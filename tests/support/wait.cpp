#include "tests/support/wait.h"

#include <windows.h>

namespace support {
namespace {

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

}  // namespace support
