// Shutting the player down while it plays, seen from outside the process.
#include <gtest/gtest.h>

#include <algorithm>

#include "framework/program.h"
#include "player/app/app.h"
#include "player/playback/playback.h"
#include "player/sources/sources.h"
#include "player/windows/main/main_window_behaviour.h"
#include "player/app/settings.h"
#include "tests/player_spine/player_fixture.h"
#include "tests/support/child.h"
#include "tests/support/instance_event.h"
#include "tests/support/wait.h"

namespace spine {
namespace {

// The player as the program runs it, playing the path given, until the close
// button ends the process. Returns only when something went wrong.
QUORLE_CHILD(play_then_close) {
  support::ScriptedSeam seam;
  seam.realExit = true;
  support::keepInstanceEventToThisProcess();
  setPlayerArguments("\"" + arguments.at(0) + "\"");
  player::initGlobals();
  fw::setExitRoutine(player::cleanupGlobals);
  if (!fw::loadWindow<player::MainWindow>()) return 10;
  if (!support::waitUntil([] { return player::playerEngine->getState() == 5; }, 10000)) return 11;
  click(player::mainWindow().关闭图形按钮);
  return 12;
}

using ShutDown = support::TempFolderTest;

TEST_F(ShutDown, ClosingWhilePlayingClosesTheMediumAndEndsWithExitCodeZero) {
  const std::string clip = temp.file("clip.mp4");
  ASSERT_TRUE(support::writeFile(clip, ""));
  const std::string journal = temp.file("journal.txt");

  const int code = support::runChild(support::childCommandLine("play_then_close", {"\"" + clip + "\""}),
                                     {{"STANDIN_ENGINE_JOURNAL", journal}});

  EXPECT_EQ(code, 0);
  std::vector<std::string> routines;
  for (const standin::JournalLine& line : standin::journalLines(support::readFile(journal)))
    if (line[0] != "APlayer_GetState" && line[0] != "APlayer_GetConfigA" &&
        line[0] != "APlayer_GetPosition" && line[0] != "APlayer_GetDuration")
      routines.push_back(line[0] + (line.size() > 2 ? " " + line[2] : ""));
  const auto opened = std::find(routines.begin(), routines.end(), "APlayer_OpenA " + clip);
  ASSERT_NE(opened, routines.end());
  EXPECT_NE(std::find(opened, routines.end(), "APlayer_Close"), routines.end()) << "closed after the open";
  EXPECT_EQ(std::find(routines.begin(), routines.end(), "APlayer_Destroy"), routines.end());
}

}  // namespace
}  // namespace spine
