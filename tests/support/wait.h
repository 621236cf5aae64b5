#pragma once
// Waiting in tests without freezing this thread's windows.
#include <windows.h>

#include <functional>

namespace support {

// Handles this thread's window messages until `done` gives true or `timeoutMs`
// have passed. True when `done` gave true.
bool waitUntil(const std::function<bool()>& done, unsigned timeoutMs = 5000);

// Handles this thread's window messages for `milliseconds`.
void pumpMessages(unsigned milliseconds = 0);

// Runs `action` after `milliseconds` from a thread timer, which keeps firing
// inside the system's modal loops (move, size, menus, message boxes).
void after(unsigned milliseconds, std::function<void()> action);
// True while an after() action is still waiting.
bool pendingAfter();

// The visible window of this thread with the class name ("#32768" for an open
// pop-up menu), or nullptr.
HWND findThreadWindow(const char* className);

}  // namespace support
