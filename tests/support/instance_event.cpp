#include "tests/support/instance_event.h"

#include <string>

#include "framework/windows_routines.h"

namespace support {
namespace {

std::string ownName(LPCSTR name) {
  return std::string(name ? name : "") + "#" + std::to_string(GetCurrentProcessId());
}

HANDLE WINAPI createOwnEvent(LPSECURITY_ATTRIBUTES security, BOOL manualReset, BOOL signalled,
                             LPCSTR name) {
  HANDLE event = nullptr;
  DWORD error = 0;
  {
    const std::string own = ownName(name);
    event = CreateEventA(security, manualReset, signalled, own.c_str());
    error = GetLastError();
  }
  // Whether the event existed is read from the last error: it reaches the
  // caller as the creation left it, whatever freeing the name did.
  SetLastError(error);
  return event;
}

}  // namespace

void keepInstanceEventToThisProcess() { fw::win::CreateEventA.replaceForTests(createOwnEvent); }

}  // namespace support
