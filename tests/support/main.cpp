// The main of every test binary. Each test case runs in a process of its own
// under Wine; a watchdog ends a process that hangs (a modal loop nobody answers,
// a wait that never returns) before CTest's own time limit, and a crash ends the
// process at once instead of waiting in a debugger.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/child.h"

namespace {

DWORD watchdogMilliseconds() {
  const char* text = std::getenv("QUORLE_WATCHDOG_SECONDS");
  int seconds = text ? std::atoi(text) : 0;
  return (seconds > 0 ? seconds : 45) * 1000u;
}

DWORD WINAPI watchdog(void* limit) {
  Sleep((DWORD)(UINT_PTR)limit);
  std::fprintf(stderr, "watchdog: test process still running after %lu ms, ending it\n",
               (unsigned long)(UINT_PTR)limit);
  std::fflush(stderr);
  TerminateProcess(GetCurrentProcess(), support::kWatchdogExitCode);
  return 0;
}

LONG WINAPI reportCrash(EXCEPTION_POINTERS* info) {
  std::fprintf(stderr, "unhandled exception 0x%08lx at %p\n",
               (unsigned long)info->ExceptionRecord->ExceptionCode,
               info->ExceptionRecord->ExceptionAddress);
  std::fflush(stderr);
  TerminateProcess(GetCurrentProcess(), info->ExceptionRecord->ExceptionCode);
  return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

int main(int argc, char** argv) {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  SetUnhandledExceptionFilter(reportCrash);
  HANDLE thread = CreateThread(nullptr, 0, watchdog, (void*)(UINT_PTR)watchdogMilliseconds(), 0, nullptr);
  if (thread) CloseHandle(thread);

  const char kChild[] = "--child=";
  if (argc > 1 && std::strncmp(argv[1], kChild, sizeof kChild - 1) == 0) {
    std::string name = argv[1] + sizeof kChild - 1;
    support::ChildRoutine routine = support::findChild(name);
    if (!routine) {
      std::fprintf(stderr, "no child routine named '%s'\n", name.c_str());
      return 2;
    }
    std::vector<std::string> arguments(argv + 2, argv + argc);
    int code = routine(arguments);
    std::fflush(stdout);
    std::fflush(stderr);
    return code;
  }

  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
