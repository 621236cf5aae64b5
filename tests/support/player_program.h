#pragma once
// The shipped player run as a program of its own, as a user runs it: a copy
// in a test's folder (it keeps its settings beside itself) with the stand-in
// engine from beside this test, its windows found and pressed from outside.
#include <windows.h>

#include <functional>
#include <string>

namespace support {

// A build path (Linux, as CMake names it) as Windows names it.
std::string windowsPath(std::string path);

// The process's visible top-level window with that class and caption (either
// may be nullptr for any), or nullptr.
HWND visibleTopWindow(DWORD processId, const char* className, const char* caption);

// The first child window of `parent` (at any depth) whose rectangle in the
// parent's client area, seen with that client rectangle, passes `match`.
HWND childWindowWhere(HWND parent, const std::function<bool(const RECT& place, const RECT& client)>& match);

// A left press and release posted to a window, which may be another process's.
void pressFromOutside(HWND window, int x = 8, int y = 8);

class PlayerProgram {
 public:
  // Copies the built program and APlayerCaller.dll into `folder`.
  PlayerProgram(const std::string& builtProgram, const std::string& folder);
  // A further start of a copy that already exists (another's path()): a copy
  // that runs cannot be copied over.
  explicit PlayerProgram(const std::string& existingCopy);
  // Ends the process if it still runs.
  ~PlayerProgram();
  PlayerProgram(const PlayerProgram&) = delete;
  PlayerProgram& operator=(const PlayerProgram&) = delete;

  // True when the copies were made.
  bool copied() const { return copied_; }
  // The copy's full path.
  const std::string& path() const { return path_; }
  // Starts the copy in `currentDirectory`, the arguments after its quoted
  // path, the engine's journal going to `journal`. False when it did not start.
  bool start(const std::string& arguments, const std::string& journal,
             const std::string& currentDirectory = "C:\\");
  // start with flags for the system's process creation (DEBUG_ONLY_THIS_PROCESS:
  // this thread becomes the program's debugger).
  bool startWith(DWORD creationFlags, const std::string& arguments, const std::string& journal);
  // start, then the main window once its units exist (nullptr when it did not
  // start or no window came within the limit).
  HWND open(const std::string& arguments, const std::string& journal, unsigned timeoutMs = 15000);
  DWORD processId() const { return process_.dwProcessId; }
  // The visible main window, waited for up to the limit; nullptr when none came.
  HWND mainWindow(unsigned timeoutMs = 15000);
  // Units of the main window, found by their size and place: the close button
  // (17 × 16 at the top bar's right end) and the logo button (120 × 46 at its
  // left end); nullptr until they exist.
  static HWND closeButton(HWND main);
  static HWND logoButton(HWND main);
  // Stops and goes on with the program's main thread, which runs its windows:
  // meanwhile the program answers no message, as a hung one does.
  bool suspend();
  bool resume();
  // True once the process has ended (it is not waited for).
  bool ended() const;
  // Waits for the end; the exit code, or -1 when it was still running at the
  // limit (it is ended then).
  int waitForExit(unsigned timeoutMs = 15000);

 private:
  bool launch(const std::string& arguments, const std::string& journal,
              const std::string& currentDirectory, DWORD creationFlags);

  std::string path_;
  bool copied_ = false;
  PROCESS_INFORMATION process_{};
};

}  // namespace support
