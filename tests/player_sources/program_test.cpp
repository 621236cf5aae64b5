// quorleplayer.exe started as a program of its own: closed while a file plays,
// it records the file and the place; started again, the menu its logo button
// pops up resumes there. The menu holds the shared display's input while open.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine-standin/standin_control.h"
#include "framework/ini.h"
#include "tests/support/player_program.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wait.h"

namespace sources {
namespace {

// A copy of the program in the test's folder, and a file for it to play.
class ProgramRun : public support::TempFolderTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(player.copied());
    ASSERT_TRUE(support::writeFile(clip, "media"));
  }
  std::string setting(const char* key) { return fw::iniRead(temp.file("设置.txt"), "播放", key, ""); }

  support::PlayerProgram player{QUORLE_PLAYER_EXE, temp.path()};
  const std::string clip = temp.file("上次 片.mp4");
  const std::string journal = temp.file("journal.txt");
};

TEST_F(ProgramRun, ClosedWhileAFilePlaysItRecordsTheFileAndThePlace) {
  HWND main = player.open("\"" + clip + "\"", journal);
  ASSERT_NE(main, nullptr);
  support::pumpMessages(1500);   // the stand-in's clock runs in real time

  support::pressFromOutside(support::PlayerProgram::closeButton(main));
  ASSERT_EQ(player.waitForExit(), 0);

  EXPECT_EQ(setting("上次播放文件"), clip);
  const std::string position = setting("上次播放位置");
  ASSERT_FALSE(position.empty());
  EXPECT_EQ(position.find_first_not_of("0123456789"), std::string::npos) << position;
  EXPECT_GT(std::stoi(position), 500) << "it played for well over a second";
  EXPECT_LT(std::stoi(position), 60000);
}

TEST_F(ProgramRun, TheMenuItemOpensTheRecordedFileAndSeeksToItsPlace) {
  ASSERT_TRUE(support::writeFile(temp.file("设置.txt"),
                                 "[播放]\r\n上次播放文件=" + clip + "\r\n上次播放位置=4321\r\n"));
  HWND main = player.open("", journal);
  ASSERT_NE(main, nullptr);

  // The logo button pops up the menu 文件; its access letter G chooses
  // 继续上一次的播放(&G).
  SetForegroundWindow(main);
  support::pressFromOutside(support::PlayerProgram::logoButton(main));
  HWND menu = nullptr;
  ASSERT_TRUE(support::waitUntil(
      [&] { return (menu = support::visibleTopWindow(player.processId(), "#32768", nullptr)) != nullptr; }));
  PostMessageA(menu, WM_KEYDOWN, 'G', 0);
  PostMessageA(menu, WM_KEYUP, 'G', 0);

  std::vector<std::string> seen;
  const bool resumed = support::waitUntil(
      [&] {
        seen.clear();
        for (const standin::JournalLine& line : standin::journalLines(support::readFile(journal))) {
          if (line[0] == "APlayer_OpenA" || line[0] == "APlayer_SetPosition") {
            seen.push_back(line[0] + " " + line.at(2));
          } else if (line[0] == "APlayer_Play") {
            seen.push_back(line[0]);
          }
        }
        return !seen.empty() && seen.back() == "APlayer_Play";
      },
      10000);
  EXPECT_TRUE(resumed);
  EXPECT_EQ(seen, (std::vector<std::string>{"APlayer_OpenA " + clip, "APlayer_SetPosition 4321",
                                            "APlayer_Play"}));

  support::pressFromOutside(support::PlayerProgram::closeButton(main));
  ASSERT_EQ(player.waitForExit(), 0);
  // Closed while it played on from there.
  const std::string position = setting("上次播放位置");
  EXPECT_GE(std::stoi("0" + position), 4321) << position;
}

}  // namespace
}  // namespace sources
