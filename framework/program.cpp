#include "framework/program.h"

#include <windows.h>

#include "framework/files.h"
#include "framework/modal.h"
#include "framework/windows_routines.h"

namespace fw {
namespace {

constexpr char kOwnerClass[] = "fw.Owner";

HWND owner = nullptr;
void (*exitRoutine)() = nullptr;
bool exitRoutineRan = false;

// Libraries that anything in the process loads by name (the engine, and what
// the system's own libraries load for themselves) are no longer looked for in
// the current folder, which may be any folder the user opened a file from,
// nor along PATH: only in the program's and the system's folders, and in
// folders a library of the process names for itself.
void narrowLibrarySearch() {
  win::SetDllDirectoryA("");
  if (const auto setDefault = win::SetDefaultDllDirectories.addressIfPresent()) {
    setDefault(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
  }
}

}  // namespace

void startProgram() {
  narrowLibrarySearch();
  Text folder = programFolder();
  // "C:" alone would name the drive's current directory, not its root.
  if (!folder.empty() && folder.back() == ':') folder += '\\';
  setCurrentDirectory(folder);

  if (owner != nullptr) return;
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kOwnerClass;
  RegisterClassExA(&windowClass);
  owner = CreateWindowExA(0, kOwnerClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                          GetModuleHandleA(nullptr), nullptr);
}

void* ownerWindow() { return owner; }

void setExitRoutine(void (*routine)()) { exitRoutine = routine; }

int runMessageLoop() {
  MSG message;
  for (;;) {
    BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) return -1;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void handlePendingMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // The quit belongs to the message loop this wait runs inside of.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void sleepMilliseconds(unsigned milliseconds) { Sleep(milliseconds); }

TextArray commandLineArguments() { return commandLineArguments(Text(win::GetCommandLineA())); }

void endProgram(int exitCode) {
  if (exitRoutine != nullptr && !exitRoutineRan) {
    exitRoutineRan = true;
    exitRoutine();
  }
  modalSeam().endProcess(exitCode);
}

}  // namespace fw
