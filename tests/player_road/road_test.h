#pragma once
// A test of the player's main road: the real main window, started as the
// program starts it, with the stand-in engine in this process on its manual
// clock, a scripted modal seam, and a fresh folder as the current directory.
// Everything the engine was asked is read back from its journal.
#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "engine-standin/standin_control.h"
#include "engine/player_engine.h"
#include "player/windows/main/main_window.h"
#include "player/app/app.h"
#include "player/app/settings.h"
#include "player/playback/playback.h"
#include "tests/support/scripted_seam.h"
#include "tests/player_road/wav_bytes.h"
#include "tests/support/temp_folder.h"

namespace road {

using Line = standin::JournalLine;

// Writes the monitors the system reports for the rest of the test:
// GetSystemMetrics(SM_CMONITORS) gives `widths.size()`, EnumDisplayDevicesA
// names them \\.\DISPLAY1..n and EnumDisplaySettingsA gives each its width
// (and a height of 1080, 60 Hz, 32 bits). Queries of `failingIndex` fail
// without writing anything. Every other system metric is the system's own.
void fakeMonitors(std::vector<int> widths, int failingIndex = -1);
// Lets GetCursorPos report `y` (and x 100) until the end of the test.
void fakeCursorY(int y);
// The system's own routines again.
void restoreSystemRoutines();

class RoadTest : public support::TempFolderTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  player::MainWindow& window() { return player::mainWindow(); }
  PlayerEngine& engine() { return *player::playerEngine; }

  // A file in the test's folder with these bytes; its full path.
  std::string file(const std::string& name, const std::string& bytes = "media");
  std::string wav(const std::string& name, uint32_t milliseconds = 20000);

  // The playlist and currentIndex in one go (the loop mode stays as it is).
  void setPlaylist(std::initializer_list<std::string> entries, int index = 0);
  // playEntry of the element at `index` (made current), then the engine's
  // reports up to playing; fails unless the engine then plays. Use it as
  // ASSERT_TRUE(playIndex(1)).
  ::testing::AssertionResult playIndex(int index);
  // Delivers what the engine has queued, and what that causes.
  void settle() { standin::deliverPending(engineHandle); }

  // Journal lines of one routine since the last clearJournal.
  std::vector<Line> calls(const std::string& routine) { return standin::journalCalls(routine); }
  // The texts opened, in order.
  std::vector<std::string> opened();
  // Item values set with APlayer_SetConfigA, in order.
  std::vector<std::string> itemsSet(int item) { return standin::itemsSet(item); }
  // The on-video texts shown (item 612), in order.
  std::vector<std::string> overlayTexts() { return itemsSet(612); }
  void clearJournal() { standin::clearJournal(); }

  // The engine's video window's place in the main window's client area.
  RECT videoRect();
  // True when the control bar lies above the engine's video window.
  bool controlBarAboveVideo();

  support::ScriptedSeam seam;
};

}  // namespace road
