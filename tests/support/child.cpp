#include "tests/support/child.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <map>

namespace support {
namespace {

std::map<std::string, ChildRoutine>& registry() {
  static std::map<std::string, ChildRoutine> routines;
  return routines;
}

bool sameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(),
                                                (int)a.size(), b.data(), (int)b.size()) == CSTR_EQUAL;
}

// This process's environment with the overrides applied, as a block for
// CreateProcessA (NAME=VALUE texts, each NUL-terminated, then one more NUL).
std::string environmentBlock(const std::vector<std::pair<std::string, std::string>>& overrides) {
  std::vector<std::string> entries;
  char* strings = GetEnvironmentStringsA();
  for (const char* p = strings; *p; p += strlen(p) + 1) entries.emplace_back(p);
  FreeEnvironmentStringsA(strings);

  for (const auto& [name, value] : overrides) {
    // Names starting with '=' are the per-drive current folders; never overridden.
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [&](const std::string& entry) {
                                   std::size_t eq = entry.find('=', 1);
                                   return eq != std::string::npos && sameName(entry.substr(0, eq), name);
                                 }),
                  entries.end());
    if (!value.empty()) entries.push_back(name + "=" + value);
  }
  std::string block;
  for (const std::string& entry : entries) block += entry + '\0';
  block += '\0';
  return block;
}

}  // namespace

std::string environmentValue(const std::string& name) {
  std::string value;
  char* strings = GetEnvironmentStringsA();
  for (const char* p = strings; *p; p += strlen(p) + 1) {
    const char* eq = strchr(p + 1, '=');
    if (eq && sameName(std::string(p, eq - p), name)) {
      value = eq + 1;
      break;
    }
  }
  FreeEnvironmentStringsA(strings);
  return value;
}

bool registerChild(const char* name, ChildRoutine routine) {
  registry()[name] = routine;
  return true;
}

ChildRoutine findChild(const std::string& name) {
  auto found = registry().find(name);
  return found == registry().end() ? nullptr : found->second;
}

std::string selfPath() {
  char path[MAX_PATH * 2];
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  return std::string(path, n);
}

std::string childCommandLine(const std::string& name, const std::vector<std::string>& arguments) {
  std::string line;
  line += '"';
  line += selfPath();
  line += "\" --child=";
  line += name;
  for (const std::string& argument : arguments) {
    line += ' ';
    line += argument;
  }
  return line;
}

int runChild(const std::string& commandLine,
             const std::vector<std::pair<std::string, std::string>>& environment, unsigned timeoutMs) {
  std::string line = commandLine;  // CreateProcessA may write into it
  std::string block = environmentBlock(environment);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, block.data(), nullptr,
                      &startup, &process)) {
    return kChildNotStarted;
  }
  CloseHandle(process.hThread);
  int result;
  if (WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0) {
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    result = (int)code;
  } else {
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, 5000);
    result = kChildTimedOut;
  }
  CloseHandle(process.hProcess);
  return result;
}

}  // namespace support
