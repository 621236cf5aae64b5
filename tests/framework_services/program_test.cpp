// Program start and end, the message loop and the wait for pending messages.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "framework/files.h"
#include "framework/program.h"
#include "tests/support/child.h"
#include "tests/support/scripted_seam.h"
#include "tests/support/temp_folder.h"

namespace {

using StartProgramTest = support::TempFolderTest;

TEST_F(StartProgramTest, TheProgramsFolderBecomesTheCurrentDirectory) {
  ASSERT_NE(fw::currentDirectory(), fw::programFolder());
  EXPECT_EQ(fw::ownerWindow(), nullptr);
  fw::startProgram();
  EXPECT_EQ(fw::currentDirectory(), fw::programFolder());
  HWND owner = static_cast<HWND>(fw::ownerWindow());
  ASSERT_NE(owner, nullptr);
  EXPECT_TRUE(IsWindow(owner));
  EXPECT_FALSE(IsWindowVisible(owner));
}

int exitRoutineRuns = 0;
void countExitRoutine() { ++exitRoutineRuns; }

TEST(EndProgram, RunsTheExitRoutineOnceThenEndsThroughTheSeam) {
  support::ScriptedSeam seam;
  exitRoutineRuns = 0;
  fw::setExitRoutine(countExitRoutine);
  fw::endProgram(5);
  EXPECT_EQ(exitRoutineRuns, 1);
  EXPECT_TRUE(seam.ended);
  EXPECT_EQ(seam.exitCode, 5);
  fw::endProgram(0);   // a second end finds the clean-up done
  EXPECT_EQ(exitRoutineRuns, 1);
  EXPECT_EQ(seam.exitCode, 0);
}

std::string exitRoutineFile;
void writeExitRoutineFile() { support::writeFile(exitRoutineFile, "cleaned up"); }

// Ends for real through the production seam with the code given.
QUORLE_CHILD(end_program) {
  exitRoutineFile = arguments.at(1);
  fw::setExitRoutine(writeExitRoutineFile);
  fw::endProgram(std::stoi(arguments.at(0)));
  return 99;   // never reached
}

using EndProgramTest = support::TempFolderTest;

TEST_F(EndProgramTest, ThePlainEndExitsWithTheCodeAfterTheExitRoutine) {
  const std::string file = temp.file("exit routine.txt");
  EXPECT_EQ(support::runChild(support::childCommandLine("end_program", {"3", "\"" + file + "\""})), 3);
  EXPECT_EQ(support::readFile(file), "cleaned up");
  EXPECT_EQ(support::runChild(support::childCommandLine("end_program", {"0", "\"" + file + "\""})), 0);
}

int appMessages = 0;
LRESULT CALLBACK countingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) {
    ++appMessages;
    if (wParam == 1) PostQuitMessage(4);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND countingWindow() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = countingProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "FrameworkServicesCounting";
  RegisterClassA(&windowClass);
  return CreateWindowExA(0, "FrameworkServicesCounting", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

TEST(MessageLoop, PendingMessagesAreHandledAndAQuitIsKeptForTheLoop) {
  appMessages = 0;
  HWND window = countingWindow();
  ASSERT_NE(window, nullptr);
  for (int i = 0; i < 3; ++i) PostMessageA(window, WM_APP, 0, 0);
  PostQuitMessage(9);
  PostMessageA(window, WM_APP, 0, 0);
  fw::handlePendingMessages();
  EXPECT_EQ(appMessages, 4);
  // The quit still ends the message loop that this wait ran inside of.
  EXPECT_EQ(fw::runMessageLoop(), 9);
  DestroyWindow(window);
}

TEST(MessageLoop, RunsUntilAQuitAndReturnsItsCode) {
  appMessages = 0;
  HWND window = countingWindow();
  PostMessageA(window, WM_APP, 0, 0);
  PostMessageA(window, WM_APP, 1, 0);   // its handler posts the quit
  EXPECT_EQ(fw::runMessageLoop(), 4);
  EXPECT_EQ(appMessages, 2);
  DestroyWindow(window);
}

}  // namespace
