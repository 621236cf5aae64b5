#pragma once
// Copies of the player run as programs of their own, seen from outside: the
// first instance's next button pressed and its engine journal read, the
// hand-over file in this test's TEMP forged or read.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/player_program.h"

namespace handover {

// The path in double quotes: one argument, spaces and all.
inline std::string inQuotes(const std::string& path) {
  std::string text = "\"";
  text += path;
  text += '"';
  return text;
}

// The hand-over file in this process's TEMP (which the players inherit).
std::string handOverFilePath();

// What the journal shows after its first `from` lines: "open PATH" for each
// opened medium, "hint TEXT" for each on-video text.
std::vector<std::string> journalEvents(const std::string& journal, std::size_t from = 0);
std::size_t journalLength(const std::string& journal);

// The main window's 下一个按钮 (38 × 38, in the right half of the bottom bar).
HWND nextButton(HWND main);
// Presses 下一个按钮 of another process's main window and returns the first
// journal event that followed ("" when none came within the limit).
std::string pressNext(HWND main, const std::string& journal);

// A first instance: started with `arguments`, its main window up and its own
// start-up done (the medium of its command line opened).
struct FirstInstance {
  FirstInstance(const std::string& folder, const std::string& arguments, const std::string& opened);
  support::PlayerProgram program;
  std::string journal;
  HWND main = nullptr;
};

}  // namespace handover
