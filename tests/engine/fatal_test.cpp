// A missing engine library, or a library without the routine called, ends the
// program through the fatal error report with exit code -1.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/player_engine.h"
#include "tests/support/child.h"
#include "tests/support/scripted_seam.h"
#include "tests/support/temp_folder.h"

namespace {

// Keeps the report's text in "fatal.txt" of the current folder, for the parent.
class ReportKeepingSeam : public support::ScriptedSeam {
 public:
  ReportKeepingSeam() { realExit = true; }
  int messageBox(const fw::Text& text, const fw::Text& caption, unsigned flags) override {
    support::writeFile("fatal.txt", text);
    return ScriptedSeam::messageBox(text, caption, flags);
  }
};

// Closes, then reads the state: two routines bound one after the other.
QUORLE_CHILD(close_then_get_state) {
  ReportKeepingSeam seam;
  PlayerEngine engine;
  engine.close();
  engine.getState();
  return 0;
}

std::string folderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

// Runs a copy of this test program in the test's own folder, where the engine
// library is only what the test put there.
int runCopyInFolder(const support::TempFolder& temp) {
  const std::string copy = temp.file("host.exe");
  EXPECT_TRUE(CopyFileA(support::selfPath().c_str(), copy.c_str(), FALSE));
  return support::runChild("\"" + copy + "\" --child=close_then_get_state");
}

TEST(EngineBindingFatal, MissingLibraryEndsTheProgramNamingLibraryAndRoutine) {
  support::TempFolder temp;
  EXPECT_EQ(runCopyInFolder(temp), -1);
  EXPECT_NE(support::readFile(temp.file("fatal.txt"))
                .find("无法找到指定DLL库文件“APlayerCaller.dll”中的输出命令“APlayer_Close”"),
            std::string::npos)
      << support::readFile(temp.file("fatal.txt"));
}

TEST(EngineBindingFatal, MissingRoutineEndsTheProgramNamingLibraryAndRoutine) {
  support::TempFolder temp;
  const std::string partial = folderOf(support::selfPath()) + "\\partial-engine\\APlayerCaller.dll";
  ASSERT_TRUE(CopyFileA(partial.c_str(), temp.file("APlayerCaller.dll").c_str(), FALSE)) << partial;
  EXPECT_EQ(runCopyInFolder(temp), -1);
  EXPECT_NE(support::readFile(temp.file("fatal.txt"))
                .find("无法找到指定DLL库文件“APlayerCaller.dll”中的输出命令“APlayer_GetState”"),
            std::string::npos)
      << support::readFile(temp.file("fatal.txt"));
}

}  // namespace
