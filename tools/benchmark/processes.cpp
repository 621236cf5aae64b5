#include "processes.h"

#include <psapi.h>

#include <vector>

namespace bench {
namespace {

struct WindowSearch {
  DWORD processId;
  bool found;
};

BOOL CALLBACK findShownWindow(HWND hwnd, LPARAM parameter) {
  auto* search = reinterpret_cast<WindowSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  if (owner != search->processId || !IsWindowVisible(hwnd)) return TRUE;
  RECT rect;
  GetWindowRect(hwnd, &rect);
  if (rect.right - rect.left < 200 || rect.bottom - rect.top < 200) return TRUE;
  search->found = true;
  return FALSE;
}

double fileTimeMs(const FILETIME& time) {
  ULARGE_INTEGER value;
  value.LowPart = time.dwLowDateTime;
  value.HighPart = time.dwHighDateTime;
  return static_cast<double>(value.QuadPart) / 10000.0;
}

}  // namespace

double nowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

bool Started::start(const std::string& program, const std::string& arguments) {
  stop();
  std::string folder = program.substr(0, program.rfind('\\'));
  std::string commandLine = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startedAt_ = nowMs();
  if (!CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                      &startup, &process_)) {
    process_ = {};
    return false;
  }
  return true;
}

bool Started::waitForWindow(double limitMs) {
  const double limit = startedAt_ + limitMs;
  for (;;) {
    WindowSearch search{process_.dwProcessId, false};
    EnumWindows(findShownWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) {
      shownAt_ = nowMs();
      return true;
    }
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0 || nowMs() > limit) return false;
    Sleep(1);
  }
}

double Started::residentMb() const {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(process_.hProcess, &counters, sizeof counters)) return 0;
  return static_cast<double>(counters.WorkingSetSize) / (1024.0 * 1024.0);
}

double Started::cpuMs() const {
  FILETIME created, ended, kernel, user;
  if (!GetProcessTimes(process_.hProcess, &created, &ended, &kernel, &user)) return 0;
  return fileTimeMs(kernel) + fileTimeMs(user);
}

void Started::stop() {
  if (process_.hProcess == nullptr) return;
  TerminateProcess(process_.hProcess, 0);
  WaitForSingleObject(process_.hProcess, 10000);
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
  process_ = {};
}

}  // namespace bench
