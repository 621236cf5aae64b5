#include "tests/support/instance_event.h"

#include <string>

#include "framework/windows_routines.h"

namespace support {
namespace {

std::string ownName(LPCSTR name) {
  return std::string(name ? name : "") + "#" + std::to_string(GetCurrentProcessId());
}

HANDLE WINAPI openOwnEvent(DWORD access, BOOL inherit, LPCSTR name) {
  return OpenEventA(access, inherit, ownName(name).c_str());
}

HANDLE WINAPI createOwnEvent(LPSECURITY_ATTRIBUTES security, BOOL manualReset, BOOL signalled,
                             LPCSTR name) {
  return CreateEventA(security, manualReset, signalled, ownName(name).c_str());
}

}  // namespace

void keepInstanceEventToThisProcess() {
  fw::win::OpenEventA.replaceForTests(openOwnEvent);
  fw::win::CreateEventA.replaceForTests(createOwnEvent);
}

}  // namespace support
