// The ground every other test stands on: the code page the programs speak, a
// second process whose exit code is read, and a folder of each test's own.
#include <windows.h>

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/child.h"
#include "tests/support/temp_folder.h"

namespace {

// Everything the programs show and store is GBK; with any other code page the A
// functions would turn every Chinese text into question marks.
TEST(CodePage, AnsiCodePageIs936) {
  EXPECT_EQ(GetACP(), 936u);
  // A GBK literal survives the trip through the A functions and back.
  const std::string text = "设置.txt";
  wchar_t wide[32];
  int n = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.c_str(), -1, wide, 32);
  ASSERT_EQ(n, 7);
  EXPECT_EQ(wide[0], L'\x8bbe');
  EXPECT_EQ(wide[1], L'\x7f6e');
}

QUORLE_CHILD(exit_with) { return std::stoi(arguments.at(0)); }

QUORLE_CHILD(hang) {
  Sleep(INFINITE);
  return 0;
}

// Writes its argument to the standard error, then never ends: a test that hangs
// after saying why.
QUORLE_CHILD(say_then_hang) {
  std::fprintf(stderr, "%s\n", arguments.at(0).c_str());
  std::fflush(stderr);
  Sleep(INFINITE);
  return 0;
}

QUORLE_CHILD(crash) {
  volatile int* nowhere = nullptr;
  return *nowhere;
}

// 0 when the variable NAME holds VALUE in this process.
QUORLE_CHILD(expect_env) { return support::environmentValue(arguments.at(0)) == arguments.at(1) ? 0 : 1; }

// 0 when this process's temporary folder and current directory are both FOLDER.
QUORLE_CHILD(expect_temp) {
  char temp[MAX_PATH], current[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  GetCurrentDirectoryA(sizeof current, current);
  const std::string& folder = arguments.at(0);
  if (std::string(temp) != folder + "\\") return 1;
  if (std::string(current) != folder) return 2;
  return 0;
}

TEST(ChildProcess, ExitCodeIsRead) {
  for (int code : {0, 7, 255, 1000, -1}) {
    EXPECT_EQ(support::runChild(support::childCommandLine("exit_with", {std::to_string(code)})), code)
        << "exit code " << code;
  }
}

TEST(ChildProcess, UnknownRoutineAndMissingProgramAreReported) {
  EXPECT_EQ(support::runChild(support::childCommandLine("no_such_routine")), 2);
  EXPECT_EQ(support::runChild("\"C:\\no such folder\\nothing.exe\""), support::kChildNotStarted);
}

TEST(ChildProcess, HangingChildIsEndedAtTheTimeLimit) {
  DWORD start = GetTickCount();
  EXPECT_EQ(support::runChild(support::childCommandLine("hang"), {}, 500), support::kChildTimedOut);
  EXPECT_LT(GetTickCount() - start, 5000u);
}

TEST(ChildProcess, WatchdogEndsAHangingTestProcess) {
  EXPECT_EQ(support::runChild(support::childCommandLine("hang"), {{"QUORLE_WATCHDOG_SECONDS", "1"}}, 15000),
            support::kWatchdogExitCode);
}

// A crash must end the process with the exception's code, not wait in a debugger
// until the watchdog.
TEST(ChildProcess, CrashEndsTheChildAtOnce) {
  DWORD start = GetTickCount();
  EXPECT_EQ((DWORD)support::runChild(support::childCommandLine("crash"), {}, 15000),
            (DWORD)EXCEPTION_ACCESS_VIOLATION);
  EXPECT_LT(GetTickCount() - start, 10000u);
}

TEST(ChildProcess, EnvironmentOverridesReachTheChildAndRemoveVariables) {
  SetEnvironmentVariableA("QUORLE_PROBE", "from parent");
  EXPECT_EQ(support::runChild(support::childCommandLine("expect_env", {"QUORLE_PROBE", "\"from parent\""})), 0);
  EXPECT_EQ(support::runChild(support::childCommandLine("expect_env", {"QUORLE_PROBE", "\"新值 x\""}),
                              {{"quorle_probe", "新值 x"}}),
            0);
  EXPECT_EQ(support::runChild(support::childCommandLine("expect_env", {"QUORLE_PROBE", "\"\""}),
                              {{"QUORLE_PROBE", ""}}),
            0);
}

class TempFolderCase : public support::TempFolderTest {};

TEST_F(TempFolderCase, IsTempAndCurrentDirectoryHereAndInChildren) {
  char tempPath[MAX_PATH], current[MAX_PATH];
  GetTempPathA(sizeof tempPath, tempPath);
  GetCurrentDirectoryA(sizeof current, current);
  EXPECT_EQ(std::string(tempPath), temp.path() + "\\");
  EXPECT_EQ(std::string(current), temp.path());
  EXPECT_NE(temp.path().find("TempFolderCase.IsTempAndCurrentDirectoryHereAndInChildren"), std::string::npos);
  EXPECT_EQ(support::runChild(support::childCommandLine("expect_temp", {"\"" + temp.path() + "\""})), 0);
}

TEST(TempFolder, EachIsFreshAndIsRemovedWithItsContents) {
  std::string first;
  char before[MAX_PATH];
  GetCurrentDirectoryA(sizeof before, before);
  {
    support::TempFolder folder;
    first = folder.path();
    ASSERT_TRUE(CreateDirectoryA(folder.file("子文件夹").c_str(), nullptr));
    ASSERT_TRUE(support::writeFile(folder.file("子文件夹\\播放列表.txt"), "a\r\nb\r\n"));
    ASSERT_TRUE(support::writeFile(folder.file("只读.txt"), "x"));
    SetFileAttributesA(folder.file("只读.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(support::readFile(folder.file("子文件夹\\播放列表.txt")), "a\r\nb\r\n");
    support::TempFolder second;
    EXPECT_NE(second.path(), first);
  }
  EXPECT_EQ(GetFileAttributesA(first.c_str()), INVALID_FILE_ATTRIBUTES);
  char after[MAX_PATH];
  GetCurrentDirectoryA(sizeof after, after);
  EXPECT_STREQ(after, before);
}

}  // namespace
