// quorleplayer.exe started as a program of its own, resuming the recorded
// playback from the menu its logo button pops up. The menu holds the shared
// display's input while open.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "engine-standin/standin_control.h"
#include "framework/ini.h"
#include "tests/support/player_program.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wait.h"

namespace sources {
namespace {

using ResumeProgram = support::TempFolderTest;

TEST_F(ResumeProgram, TheMenuItemOpensTheRecordedFileAndSeeksToItsPlace) {
  support::PlayerProgram player(QUORLE_PLAYER_EXE, temp.path());
  ASSERT_TRUE(player.copied());
  const std::string clip = temp.file("上次 片.mp4");
  ASSERT_TRUE(support::writeFile(clip, "media"));
  ASSERT_TRUE(support::writeFile(temp.file("设置.txt"),
                                 "[播放]\r\n上次播放文件=" + clip + "\r\n上次播放位置=4321\r\n"));
  const std::string journal = temp.file("journal.txt");
  ASSERT_TRUE(player.start("", journal));
  HWND main = player.mainWindow();
  ASSERT_NE(main, nullptr);
  HWND logo = nullptr;
  ASSERT_TRUE(
      support::waitUntil([&] { return (logo = support::PlayerProgram::logoButton(main)) != nullptr; }));

  // The logo button pops up the menu 文件; its access letter G chooses
  // 继续上一次的播放(&G).
  SetForegroundWindow(main);
  support::pressFromOutside(logo);
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
  const std::string position = fw::iniRead(temp.file("设置.txt"), "播放", "上次播放位置", "");
  EXPECT_GE(std::stoi("0" + position), 4321) << position;
}

}  // namespace
}  // namespace sources
