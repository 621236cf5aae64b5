#pragma once
// The player started in this test process as the program starts it: the
// globals, then the real main window, whose created event runs the start-up
// against the stand-in engine beside the test. Command line, settings file,
// playlist file and logo are the test's, in a fresh folder that is the current
// directory and TEMP.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine-standin/standin_control.h"
#include "framework/text.h"
#include "player/windows/main/main_window.h"
#include "tests/support/scripted_seam.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui.h"
#include "tests/support/wait.h"

namespace spine {

// Replaces the command line the program reads its arguments from, for the rest
// of the process.
void setProcessCommandLine(const std::string& commandLine);
// The program name alone, then the arguments as they would follow it.
void setPlayerArguments(const std::string& arguments);

using standin::journalCalls;
using support::after;
using support::rectInParent;

// A left press and release inside a unit, as Windows sends them, then the
// messages they caused.
inline void click(const fw::Unit& unit) { support::click(unit.handle()); }

// The window's width changed as a program changes it, from the normal state.
void widen(player::MainWindow& w, int width);
// A resize from the corner grip of the bottom bar, as the system runs it,
// from `from` pixels wide to `to`.
void gripResize(player::MainWindow& w, int from, int to);

class PlayerTest : public ::testing::Test {
 protected:
  PlayerTest();
  ~PlayerTest() override;

  // Writes "设置.txt" in the test folder (GBK text, CR LF lines).
  void writeSettings(const std::string& text);
  // Creates an empty file in the test folder; returns its full path.
  std::string makeFile(const std::string& name);
  // Creates the main window, which starts the player.
  void startPlayer();
  // Ends the running player as the process end would (window, then globals)
  // and starts the globals afresh, as a new process would; startPlayer then
  // starts it again.
  void endPlayer();

  player::MainWindow& window() { return player::mainWindow(); }

  support::TempFolder temp;
  support::ScriptedSeam seam;
};

}  // namespace spine
