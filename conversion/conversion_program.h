#pragma once
// The conversion program: started by the player with a source and a
// destination, it converts the source through its own engine instance without
// showing a window or any message.
#include <cstdint>

#include "engine/player_engine.h"
#include "framework/text.h"

namespace conversion {

// How the program ended. Only a destination that exists after the engine went
// idle again counts as converted; every refusal has its own code, so a caller
// (or a user at a command prompt) can tell them apart. The player does not read
// the code.
enum ExitCode : int {
  kConverted = 0,
  kWrongArguments = 1,     // fewer than two, four or more, or a format without its ":"
  kNoEngine = 2,           // the engine instance could not be created
  kUnusableSource = 3,     // the source is missing or is a folder
  kDestinationExists = 4,  // left untouched
  kNothingWritten = 5,     // the engine went idle without writing the destination
  // Whether the source or the destination exists cannot be told (a path longer
  // than the system's ANSI routines take, or any failure but "not found"): a
  // destination nobody can see might still be there, so nothing is converted.
  kExistenceUnknown = 6,
};

// The program's one engine binding object, from start-up to the end.
extern PlayerEngine* playerEngine;
// What create returned; non-zero when the engine instance exists.
extern EngineHandle engineReady;

// The program's entry: the framework's start, the globals, the hidden start
// window, whose created event runs the whole conversion and ends the process.
int conversionProgramEntry();

void constructConversionGlobals();
// Finalises and frees playerEngine; the program's exit routine.
void destructConversionGlobals();

// The hidden start window's created event: reads the command line, creates the
// engine in that window, checks the arguments and converts. Never returns to
// the window (under a test seam it returns once the program has ended).
//   kelvane "SOURCE" "DESTINATION"            converts to "wav"
//   kelvane ANY:FORMAT "SOURCE" "DESTINATION"
void runConversionFromCommandLine();

// Sets the output items, opens the source and waits, handling the program's
// window messages, until the engine is idle again; then ends the program with
// kConverted or kNothingWritten. Returns when the source is missing or is a folder.
void convertMedia(const fw::Text& source, const fw::Text& format, const fw::Text& destination);

// The engine's state callback; hands both states to onConversionStateChanged.
void WINAPI conversionStateCallback(int32_t oldState, int32_t newState);
// Does nothing: the wait reads the state itself.
void onConversionStateChanged(int32_t oldState, int32_t newState);

}  // namespace conversion
