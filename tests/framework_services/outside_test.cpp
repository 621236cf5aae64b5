// Outside routines: bound by name at the first call and remembered; a library or
// routine that cannot be found ends the program with -1 after the fatal error
// report, which a child process shows here.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdint>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "framework/outside.h"
#include "framework/windows_routines.h"
#include "tests/support/child.h"
#include "tests/support/scripted_seam.h"
#include "tests/support/temp_folder.h"

namespace {

TEST(OutsideRoutine, BindsByNameOnceAndRemembersTheAddress) {
  support::ScriptedSeam seam;   // a failed bind reports here instead of in a real box
  void* address = fw::bindOutsideRoutine(fw::win::kKernel32, "GetCurrentProcessId");
  EXPECT_EQ(address,
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetCurrentProcessId")));
  EXPECT_EQ(fw::bindOutsideRoutine(fw::win::kKernel32, "GetCurrentProcessId"), address);
  EXPECT_EQ(fw::win::GetCurrentProcessId(), GetCurrentProcessId());
  EXPECT_EQ(reinterpret_cast<void*>(fw::win::GetCurrentProcessId.address()), address);
  EXPECT_TRUE(seam.calls.empty());
}

template <typename Routine>
void expectBinds(const Routine& routine, const char* name) {
  EXPECT_NE(reinterpret_cast<void*>(routine.address()), nullptr) << name;
}

// Every routine of the list exists under the name it is bound by.
TEST(WindowsRoutines, EveryRoutineOfTheListBinds) {
  support::ScriptedSeam seam;
  namespace win = fw::win;
  expectBinds(win::GetSystemMetrics, "GetSystemMetrics");
  expectBinds(win::EnumDisplayDevicesA, "EnumDisplayDevicesA");
  expectBinds(win::EnumDisplaySettingsA, "EnumDisplaySettingsA");
  expectBinds(win::GetCurrentProcessId, "GetCurrentProcessId");
  expectBinds(win::CreateEventA, "CreateEventA");
  expectBinds(win::GetLastError, "GetLastError");
  expectBinds(win::OpenProcess, "OpenProcess");
  expectBinds(win::GetProcessTimes, "GetProcessTimes");
  expectBinds(win::CloseHandle, "CloseHandle");
  expectBinds(win::SendMessageA, "SendMessageA");
  expectBinds(win::SetThreadExecutionState, "SetThreadExecutionState");
  expectBinds(win::ShellExecuteA, "ShellExecuteA");
  expectBinds(win::SetWindowPos, "SetWindowPos");
  expectBinds(win::LoadImageA, "LoadImageA");
  expectBinds(win::DragAcceptFiles, "DragAcceptFiles");
  expectBinds(win::SetWindowLongA, "SetWindowLongA");
  expectBinds(win::CallWindowProcA, "CallWindowProcA");
  expectBinds(win::DragQueryFileA, "DragQueryFileA");
  expectBinds(win::DragFinish, "DragFinish");
  expectBinds(win::GetCursorPos, "GetCursorPos");
  expectBinds(win::QueryFullProcessImageNameA, "QueryFullProcessImageNameA");
  expectBinds(win::GetAncestor, "GetAncestor");
  expectBinds(win::SendMessageTimeoutA, "SendMessageTimeoutA");
  expectBinds(win::CreateFileA, "CreateFileA");
  expectBinds(win::GetFileInformationByHandle, "GetFileInformationByHandle");
  EXPECT_TRUE(seam.calls.empty());
}

LRESULT CALLBACK answerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) return 4711;
  return DefWindowProcA(window, message, wParam, lParam);
}

// The signatures carry pointer-sized values whole: a window procedure swapped
// through SetWindowLongA, a message result, handles.
TEST(WindowsRoutines, PassPointerSizedValuesWhole) {
  support::ScriptedSeam seam;
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  const auto previous = reinterpret_cast<WNDPROC>(
      fw::win::SetWindowLongA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(answerProc)));
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)), answerProc);
  EXPECT_EQ(fw::win::SendMessageA(window, WM_APP, 0, 0), 4711);
  DWORD_PTR answer = 0;
  EXPECT_NE(fw::win::SendMessageTimeoutA(window, WM_APP, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer), 0);
  EXPECT_EQ(answer, 4711u);
  EXPECT_EQ(fw::win::CallWindowProcA(answerProc, window, WM_APP, 0, 0), 4711);
  fw::win::SetWindowLongA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));

  const LONG_PTR wide = static_cast<LONG_PTR>(reinterpret_cast<INT_PTR>(&seam));
  fw::win::SetWindowLongA(window, GWLP_USERDATA, wide);
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_USERDATA), wide);

  fw::win::DragAcceptFiles(window, TRUE);
  EXPECT_TRUE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  EXPECT_TRUE(fw::win::SetWindowPos(window, nullptr, 5, 6, 20, 30, SWP_NOZORDER | SWP_NOACTIVATE));
  DestroyWindow(window);

  // A named event made, then opened by the same create routine, which tells
  // the two apart only through the last error.
  const std::string name = "FrameworkServicesEvent" + std::to_string(GetCurrentProcessId());
  const auto lastError = fw::win::GetLastError.address();
  HANDLE event = fw::win::CreateEventA(nullptr, FALSE, FALSE, name.c_str());
  ASSERT_NE(event, nullptr);
  EXPECT_NE(lastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  HANDLE opened = fw::win::CreateEventA(nullptr, FALSE, FALSE, name.c_str());
  EXPECT_EQ(lastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  EXPECT_NE(opened, nullptr);
  EXPECT_TRUE(fw::win::CloseHandle(opened));
  EXPECT_TRUE(fw::win::CloseHandle(event));

  HANDLE self = fw::win::OpenProcess(PROCESS_ALL_ACCESS, FALSE, fw::win::GetCurrentProcessId());
  ASSERT_NE(self, nullptr);
  FILETIME created{}, exited{}, kernel{}, user{};
  EXPECT_TRUE(fw::win::GetProcessTimes(self, &created, &exited, &kernel, &user));
  EXPECT_NE(created.dwHighDateTime, 0u);
  fw::win::CloseHandle(self);

  POINT cursor;
  EXPECT_TRUE(fw::win::GetCursorPos(&cursor));
  EXPECT_EQ(fw::win::GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(fw::win::LoadImageA(nullptr, "missing.bmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE), nullptr);
  EXPECT_TRUE(seam.calls.empty());
}

TEST(WindowsRoutines, DroppedFilesAreQueriedAndFreed) {
  support::ScriptedSeam seam;
  const char names[] = "D:\\a.mp4\0D:\\电影.mkv\0";
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + sizeof names);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  std::memcpy(drop + 1, names, sizeof names);
  GlobalUnlock(memory);
  auto handle = static_cast<HDROP>(memory);
  EXPECT_EQ(fw::win::DragQueryFileA(handle, 0xFFFFFFFF, nullptr, 0), 2u);
  char file[MAX_PATH];
  EXPECT_EQ(fw::win::DragQueryFileA(handle, 1, file, sizeof file), std::strlen("D:\\电影.mkv"));
  EXPECT_STREQ(file, "D:\\电影.mkv");
  fw::win::DragFinish(handle);   // frees the memory
}

// A seam that also writes what the fatal error report showed to a file, since
// the process ends inside the report.
class ReportingSeam : public support::ScriptedSeam {
 public:
  explicit ReportingSeam(std::string file) : file_(std::move(file)) {}
  int messageBox(const fw::Text& text, const fw::Text& caption, unsigned flags) override {
    report_ += text + "|" + caption + "|" + std::to_string(flags) + "\n";
    support::writeFile(file_, report_);
    return ScriptedSeam::messageBox(text, caption, flags);
  }
  void endProcess(int code) override {
    report_ += "end " + std::to_string(code) + "\n";
    support::writeFile(file_, report_);
    ScriptedSeam::endProcess(code);
  }

 private:
  std::string file_;
  std::string report_;
};

// Arguments: library, routine, report file, "return" or "exit" (what the seam's
// end does).
QUORLE_CHILD(bind_missing) {
  ReportingSeam seam(arguments.at(2));
  seam.realExit = arguments.at(3) == "exit";
  fw::bindOutsideRoutine({arguments.at(0).c_str(), fw::LibraryHome::kSystem}, arguments.at(1).c_str());
  return 0;   // never reached
}

using FatalErrorTest = support::TempFolderTest;

TEST_F(FatalErrorTest, AMissingLibraryOrRoutineEndsTheProgramWithMinusOne) {
  struct Case {
    std::string library, routine, seamEnd;
  };
  const Case cases[] = {
      {"missing_library.dll", "Sample_Create", "exit"},
      {"kernel32.dll", "NoSuchRoutineAnywhere", "exit"},
      // A test seam that returns from its end cannot keep the program alive.
      {"missing_library.dll", "Sample_Start", "return"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.library + " " + c.routine + " " + c.seamEnd);
    const std::string report = temp.file("report-" + c.routine + ".txt");
    EXPECT_EQ(support::runChild(support::childCommandLine(
                  "bind_missing", {c.library, c.routine, "\"" + report + "\"", c.seamEnd})),
              -1);
    EXPECT_EQ(support::readFile(report),
              "无法找到指定DLL库文件“" + c.library + "”中的输出命令“" + c.routine + "”|错误|16\nend -1\n");
  }
}

}  // namespace
