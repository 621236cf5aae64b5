// quorleplayer.exe started as a program of its own: closed while a file plays,
// it records the file and the place; started again, the menu its logo button
// pops up resumes there. The menu holds the shared display's input while open.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
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

// One quoted argument may hold line breaks or other control bytes, and so the
// playlist entry it becomes. Written as it is, the record would put sections
// of its own into the settings file (a list of types the next start offers for
// registration), or read back as another entry.
TEST_F(ProgramRun, AnEntryThatWouldNotReadBackLeavesTheSettingsFileAsItWas) {
  const std::string config = temp.file("engine.txt");
  ASSERT_TRUE(support::writeFile(config, "addresses = *\r\n"));
  const std::string before = "[设置]\r\n默认音量=80\r\n[播放]\r\n上次播放文件=" + clip +
                             "\r\n上次播放位置=777\r\n[格式列表]\r\n.mp4\r\n.mkv\r\n";
  const std::string address = "http://192.0.2.1/直播.mp4";
  const struct {
    const char* what;
    std::string argument;
    bool recorded;
  } cases[] = {
      {"a plain address is recorded", address, true},
      {"with CR LF and sections behind it", address + "\r\n[DLNA自动转换类型]\r\n.wav\r\n[格式列表]\r\n.injected",
       false},
      {"with a lone LF", address + "\n[格式列表]\n.injected", false},
      {"with 0x1A, the old end of text", address + "\x1A" "b", false},
      {"with a trailing blank", address + " ", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(support::writeFile(temp.file("设置.txt"), before));
    support::PlayerProgram run(player.path());
    SetEnvironmentVariableA("STANDIN_ENGINE_CONFIG", config.c_str());
    HWND main = run.open("\"" + c.argument + "\"", journal);
    SetEnvironmentVariableA("STANDIN_ENGINE_CONFIG", nullptr);
    ASSERT_NE(main, nullptr);
    // The address opens and plays (the stand-in's clock runs in real time).
    ASSERT_TRUE(support::waitUntil(
        [&] {
          for (const standin::JournalLine& line : standin::journalLines(support::readFile(journal)))
            if (line[0] == "APlayer_OpenA" && line.size() > 2 && line[2].rfind(address, 0) == 0) return true;
          return false;
        },
        10000));
    support::pumpMessages(1000);

    support::pressFromOutside(support::PlayerProgram::closeButton(main));
    ASSERT_EQ(run.waitForExit(), 0);

    if (c.recorded) {
      EXPECT_EQ(setting("上次播放文件"), address);
      EXPECT_GT(std::atoi(setting("上次播放位置").c_str()), 500);   // 0 when empty
    } else {
      EXPECT_EQ(support::readFile(temp.file("设置.txt")), before);
    }
    DeleteFileA(journal.c_str());
  }
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
