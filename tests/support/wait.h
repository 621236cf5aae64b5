#pragma once
// Waiting in tests without freezing this thread's windows.
#include <functional>

namespace support {

// Handles this thread's window messages until `done` gives true or `timeoutMs`
// have passed. True when `done` gave true.
bool waitUntil(const std::function<bool()>& done, unsigned timeoutMs = 5000);

// Handles this thread's window messages for `milliseconds`.
void pumpMessages(unsigned milliseconds = 0);

}  // namespace support
