#include "processes.h"

#include <psapi.h>
#include <winternl.h>

#include <algorithm>
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

// Wine answers GetProcessTimes for another process with zeros, but fills the
// times of every thread in the system's process list from the host's own
// accounting; Windows fills both.
double Started::cpuMs() const {
  using Query = NTSTATUS(NTAPI*)(SYSTEM_INFORMATION_CLASS, PVOID, ULONG, PULONG);
  static const auto query =
      reinterpret_cast<Query>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation"));
  std::vector<unsigned char> buffer(1 << 20);
  for (;;) {
    ULONG needed = 0;
    NTSTATUS status = query(SystemProcessInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
    if (status == 0) break;
    if (buffer.size() > (64u << 20)) return -1;
    buffer.resize(buffer.size() * 2);
  }
  for (std::size_t at = 0;;) {
    const auto* process = reinterpret_cast<const SYSTEM_PROCESS_INFORMATION*>(&buffer[at]);
    if (reinterpret_cast<ULONG_PTR>(process->UniqueProcessId) == process_.dwProcessId) {
      const auto* threads = reinterpret_cast<const SYSTEM_THREAD_INFORMATION*>(process + 1);
      double threadsMs = 0;
      for (ULONG i = 0; i < process->NumberOfThreads; ++i) {
        threadsMs += static_cast<double>(threads[i].Reserved1[0].QuadPart + threads[i].Reserved1[1].QuadPart) / 10000.0;
      }
      const double processMs =
          static_cast<double>(process->KernelTime.QuadPart + process->UserTime.QuadPart) / 10000.0;
      FILETIME created, ended, kernel, user;
      double timesMs = 0;
      if (GetProcessTimes(process_.hProcess, &created, &ended, &kernel, &user)) {
        timesMs = fileTimeMs(kernel) + fileTimeMs(user);
      }
      return std::max({threadsMs, processMs, timesMs});
    }
    if (process->NextEntryOffset == 0) return -1;
    at += process->NextEntryOffset;
  }
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
