// quorleplayer.exe started as a program of its own: closed while a file plays,
// it records the file and the place; started again, its menu resumes there.
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

using LastPlaybackProgram = support::TempFolderTest;

TEST_F(LastPlaybackProgram, ClosedWhileAFilePlaysItRecordsTheFileAndThePlace) {
  support::PlayerProgram player(QUORLE_PLAYER_EXE, temp.path());
  ASSERT_TRUE(player.copied());
  const std::string clip = temp.file("上次 片.mp4");
  ASSERT_TRUE(support::writeFile(clip, "media"));
  ASSERT_TRUE(player.start("\"" + clip + "\"", temp.file("journal.txt")));
  HWND main = player.mainWindow();
  ASSERT_NE(main, nullptr);
  HWND close = nullptr;
  ASSERT_TRUE(
      support::waitUntil([&] { return (close = support::PlayerProgram::closeButton(main)) != nullptr; }));
  support::pumpMessages(1500);   // the stand-in's clock runs in real time

  support::pressFromOutside(close);
  ASSERT_EQ(player.waitForExit(), 0);

  const std::string settings = temp.file("设置.txt");
  EXPECT_EQ(fw::iniRead(settings, "播放", "上次播放文件", ""), clip);
  const std::string position = fw::iniRead(settings, "播放", "上次播放位置", "");
  ASSERT_FALSE(position.empty());
  EXPECT_EQ(position.find_first_not_of("0123456789"), std::string::npos) << position;
  EXPECT_GT(std::stoi(position), 500) << "it played for well over a second";
  EXPECT_LT(std::stoi(position), 60000);
}

}  // namespace
}  // namespace sources
