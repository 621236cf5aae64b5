// quorleplayer.exe started as a program of its own, as a user starts it.
#include <windows.h>

#include <gtest/gtest.h>

#include "engine-standin/standin_control.h"
#include "tests/support/player_program.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wait.h"

namespace spine {
namespace {

using Program = support::TempFolderTest;

TEST_F(Program, StartsWithTheSettingsBesideItAndEndsThroughItsCloseButton) {
  // The program keeps its settings in its own folder: run a copy from the test's.
  support::PlayerProgram player(QUORLE_PLAYER_EXE, temp.path());
  ASSERT_TRUE(player.copied());
  ASSERT_TRUE(support::writeFile(temp.file("设置.txt"),
                                 "[设置]\r\n默认音量=35\r\n播放器宽度=900\r\n播放器高度=600\r\n"
                                 "音频输出设备=耳机\r\n"));
  const std::string journal = temp.file("journal.txt");
  HWND main = player.open("", journal);
  ASSERT_NE(main, nullptr) << "no main window with a close button at the right end of its top bar";
  char caption[64] = {};
  GetWindowTextA(main, caption, sizeof caption);
  EXPECT_STREQ(caption, "Quorle播放器");
  RECT outer;
  GetWindowRect(main, &outer);
  EXPECT_EQ(outer.right - outer.left, 900);
  EXPECT_EQ(outer.bottom - outer.top, 600);

  support::pressFromOutside(support::PlayerProgram::closeButton(main));
  EXPECT_EQ(player.waitForExit(), 0) << "-1: the player did not end";

  std::vector<std::string> seen;
  for (const standin::JournalLine& line : standin::journalLines(support::readFile(journal))) {
    if (line[0] == "APlayer_Create") {
      seen.push_back("create " + line.at(2) + " " + line.at(3) + " " + line.at(4) + " " + line.at(5));
    } else if (line[0] == "APlayer_SetVolume") {
      seen.push_back("volume " + line.at(2));
    } else if (line[0] == "APlayer_SetConfigA") {
      seen.push_back("config " + line.at(2) + " " + line.at(3));
    } else if (line[0] == "APlayer_Close" || line[0] == "APlayer_Destroy") {
      seen.push_back(line[0]);
    }
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"create 0 40 800 450", "config 11 耳机", "volume 35",
                                            "APlayer_Close"}));
}

// The arguments of its command line, joined by single spaces, are the first
// entry it opens, whether or not they name anything.
TEST_F(Program, OpensTheCommandLinePath) {
  support::PlayerProgram player(QUORLE_PLAYER_EXE, temp.path());
  ASSERT_TRUE(player.copied());
  const std::string journal = temp.file("journal.txt");
  ASSERT_TRUE(player.start("D:\\no such\\clip.mp4", journal, temp.path()));
  auto openedPath = [&] {
    for (const standin::JournalLine& line : standin::journalLines(support::readFile(journal)))
      if (line.size() == 3 && line[0] == "APlayer_OpenA") return line[2];
    return std::string();
  };
  EXPECT_TRUE(support::waitUntil([&] { return !openedPath().empty(); }, 20000));
  EXPECT_EQ(openedPath(), "D:\\no such\\clip.mp4");
}

}  // namespace
}  // namespace spine
