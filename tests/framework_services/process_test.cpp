// Running a program: the caller waits for its end without handling window
// messages, and the child gets the caller's current directory and the command
// line as written.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "framework/files.h"
#include "framework/process.h"
#include "framework/program.h"
#include "framework/text.h"
#include "tests/support/child.h"
#include "tests/support/temp_folder.h"

namespace {

// Writes what it was started with to the file named by its first argument,
// after a pause that a caller not waiting for it would miss.
QUORLE_CHILD(record_start) {
  Sleep(300);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  std::string report = fw::currentDirectory() + "\n";
  for (const fw::Text& argument : fw::commandLineArguments()) report += argument + "\n";
  report += (startup.dwFlags & STARTF_USESHOWWINDOW) && startup.wShowWindow == SW_SHOWNORMAL
                ? "shown normally\n"
                : "shown otherwise\n";
  return support::writeFile(arguments.at(0), report) ? 7 : 1;
}

using RunProgramTest = support::TempFolderTest;

TEST_F(RunProgramTest, WaitsForTheProgramWhichSeesTheCurrentDirectory) {
  const std::string work = temp.file("工作 目录");
  ASSERT_TRUE(CreateDirectoryA(work.c_str(), nullptr));
  ASSERT_TRUE(SetCurrentDirectoryA(work.c_str()));
  const std::string report = temp.file("report.txt");
  // Quoted paths, one with blanks.
  const std::string line =
      support::childCommandLine("record_start", {"\"" + report + "\"", "\"D:\\电影\\一 二.flac\""});

  // Messages posted before the run are still waiting afterwards: nothing was
  // handled meanwhile.
  PostThreadMessageA(GetCurrentThreadId(), WM_APP + 5, 0, 0);
  ASSERT_TRUE(fw::runProgramAndWait(support::selfPath(), line));
  MSG message;
  EXPECT_TRUE(PeekMessageA(&message, nullptr, WM_APP + 5, WM_APP + 5, PM_REMOVE));

  // The child had ended: its report is there.
  EXPECT_EQ(support::readFile(report), work + "\n--child=record_start\n" + report +
                                           "\nD:\\电影\\一 二.flac\nshown normally\n");
}

// The program named is the one started, whatever the command line begins with:
// a path with blanks is never searched for piece by piece.
TEST_F(RunProgramTest, TheNamedProgramRunsWithTheCommandLineAsWritten) {
  const std::string report = temp.file("report.txt");
  const std::string line = "\"C:\\Program Files\\别处\\tool.exe\" --child=record_start \"" + report +
                           "\" \"D:\\a b.flac\"";
  ASSERT_TRUE(fw::runProgramAndWait(support::selfPath(), line));
  EXPECT_EQ(support::readFile(report),
            temp.path() + "\n--child=record_start\n" + report + "\nD:\\a b.flac\nshown normally\n");
}

TEST_F(RunProgramTest, AProgramThatCannotStartIsReported) {
  const std::string missing = temp.file("tool.exe");
  EXPECT_FALSE(fw::runProgramAndWait(missing, "\"" + missing + "\" \"a.flac\" \"a.wav\""));
  EXPECT_FALSE(fw::runProgramAndWait("", ""));
}

}  // namespace
