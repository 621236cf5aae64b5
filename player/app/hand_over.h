#pragma once
// What a player process was started with: its command-line arguments joined
// into one media path, which becomes the first playlist entry.
#include "framework/text.h"

namespace player {

// Two or more arguments: each after one space, then every leading blank
// (ASCII or full-width space) removed, so they are joined by single spaces.
// One argument: itself, unchanged. None: the empty text.
fw::Text mediaPathFromArguments(const fw::TextArray& arguments);

// Reads this process's arguments; when there is at least one, their media path
// becomes playlist entry 1 and currentIndex 1, whether or not it names
// anything. True: start-up goes on in this process.
bool handOffToRunningInstance();

}  // namespace player
