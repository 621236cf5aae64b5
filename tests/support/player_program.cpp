#include "tests/support/player_program.h"

#include <string>

#include "tests/support/wait.h"

namespace support {
namespace {

struct TopSearch {
  DWORD processId;
  const char* className;
  const char* caption;
  HWND found;
};

BOOL CALLBACK matchTop(HWND hwnd, LPARAM param) {
  TopSearch& s = *reinterpret_cast<TopSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  if (owner != s.processId || !IsWindowVisible(hwnd)) return TRUE;
  char text[256] = {};
  if (s.className) {
    GetClassNameA(hwnd, text, sizeof text);
    if (std::string(text) != s.className) return TRUE;
  }
  if (s.caption) {
    GetWindowTextA(hwnd, text, sizeof text);
    if (std::string(text) != s.caption) return TRUE;
  }
  s.found = hwnd;
  return FALSE;
}

struct ChildSearch {
  HWND parent;
  const std::function<bool(const RECT&, const RECT&)>* match;
  HWND found;
};

BOOL CALLBACK matchChild(HWND hwnd, LPARAM param) {
  ChildSearch& s = *reinterpret_cast<ChildSearch*>(param);
  RECT place, client;
  GetWindowRect(hwnd, &place);
  MapWindowPoints(HWND_DESKTOP, s.parent, reinterpret_cast<POINT*>(&place), 2);
  GetClientRect(s.parent, &client);
  if (!(*s.match)(place, client)) return TRUE;
  s.found = hwnd;
  return FALSE;
}

std::string folderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

}  // namespace

std::string windowsPath(std::string path) {
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

HWND visibleTopWindow(DWORD processId, const char* className, const char* caption) {
  TopSearch search{processId, className, caption, nullptr};
  EnumWindows(matchTop, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND childWindowWhere(HWND parent, const std::function<bool(const RECT&, const RECT&)>& match) {
  ChildSearch search{parent, &match, nullptr};
  EnumChildWindows(parent, matchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void pressFromOutside(HWND window, int x, int y) {
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

PlayerProgram::PlayerProgram(const std::string& builtProgram, const std::string& folder) {
  const std::string built = windowsPath(builtProgram);
  path_ = folder + "\\" + built.substr(built.find_last_of('\\') + 1);
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  copied_ = CopyFileA(built.c_str(), path_.c_str(), FALSE) &&
            CopyFileA((folderOf(self) + "\\APlayerCaller.dll").c_str(),
                      (folder + "\\APlayerCaller.dll").c_str(), FALSE);
}

PlayerProgram::PlayerProgram(const std::string& existingCopy)
    : path_(existingCopy), copied_(GetFileAttributesA(existingCopy.c_str()) != INVALID_FILE_ATTRIBUTES) {}

PlayerProgram::~PlayerProgram() {
  if (process_.hProcess == nullptr) return;
  if (WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0) {
    TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

bool PlayerProgram::start(const std::string& arguments, const std::string& journal,
                          const std::string& currentDirectory) {
  return launch(arguments, journal, currentDirectory, 0);
}

bool PlayerProgram::startWith(DWORD creationFlags, const std::string& arguments,
                              const std::string& journal) {
  return launch(arguments, journal, "C:\\", creationFlags);
}

bool PlayerProgram::launch(const std::string& arguments, const std::string& journal,
                           const std::string& currentDirectory, DWORD creationFlags) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string commandLine = "\"" + path_ + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  // The child takes the variable from this process's environment as it starts.
  SetEnvironmentVariableA("STANDIN_ENGINE_JOURNAL", journal.c_str());
  const bool started = CreateProcessA(path_.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                                      creationFlags, nullptr, currentDirectory.c_str(), &startup, &process_) != 0;
  SetEnvironmentVariableA("STANDIN_ENGINE_JOURNAL", nullptr);
  return started;
}

HWND PlayerProgram::mainWindow(unsigned timeoutMs) {
  HWND main = nullptr;
  waitUntil(
      [&] {
        main = visibleTopWindow(process_.dwProcessId, nullptr, nullptr);
        char name[16] = {};
        if (main) GetClassNameA(main, name, sizeof name);
        return main != nullptr && std::string(name) != "#32768";
      },
      timeoutMs);
  return main;
}

HWND PlayerProgram::open(const std::string& arguments, const std::string& journal, unsigned timeoutMs) {
  if (!start(arguments, journal)) return nullptr;
  HWND main = mainWindow(timeoutMs);
  if (main == nullptr || !waitUntil([&] { return closeButton(main) != nullptr; }, timeoutMs)) return nullptr;
  return main;
}

HWND PlayerProgram::closeButton(HWND main) {
  return childWindowWhere(main, [](const RECT& place, const RECT& client) {
    return place.right - place.left == 17 && place.bottom - place.top == 16 && place.top == 0 &&
           place.right == client.right;
  });
}

HWND PlayerProgram::logoButton(HWND main) {
  return childWindowWhere(main, [](const RECT& place, const RECT&) {
    return place.right - place.left == 120 && place.bottom - place.top == 46 && place.left == 0;
  });
}

bool PlayerProgram::suspend() {
  return process_.hThread != nullptr && SuspendThread(process_.hThread) != static_cast<DWORD>(-1);
}

bool PlayerProgram::resume() {
  return process_.hThread != nullptr && ResumeThread(process_.hThread) != static_cast<DWORD>(-1);
}

bool PlayerProgram::ended() const {
  return process_.hProcess != nullptr && WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0;
}

int PlayerProgram::waitForExit(unsigned timeoutMs) {
  if (process_.hProcess == nullptr) return -1;
  if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
    TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, 5000);
    return -1;
  }
  DWORD code = 1;
  GetExitCodeProcess(process_.hProcess, &code);
  return static_cast<int>(code);
}

}  // namespace support
