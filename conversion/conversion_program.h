#pragma once
// The conversion program: started by the player with a source and a
// destination, it converts the source through its own engine instance without
// showing a window, and ends with exit code 0 on every path of its own.
#include <cstdint>

#include "engine/player_engine.h"
#include "framework/text.h"

namespace conversion {

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
// window messages, until the engine is idle again; then ends the program.
// Returns when the source is missing or is a folder.
void convertMedia(const fw::Text& source, const fw::Text& format, const fw::Text& destination);

// The engine's state callback; hands both states to onConversionStateChanged.
void WINAPI conversionStateCallback(int32_t oldState, int32_t newState);
// Does nothing: the wait reads the state itself.
void onConversionStateChanged(int32_t oldState, int32_t newState);

}  // namespace conversion
