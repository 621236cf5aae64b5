#pragma once
// The player from process start to its first playback, and its one way out
// (startPlayer and shutDown are in player/handlers.h with the other handlers
// of the main window).
#include "framework/text.h"

namespace player {

// The engine's logo, kept in the folder named by the environment variable
// "temp" and written from the video area's picture when it is missing.
inline constexpr char kLogoFileName[] = "Quorle播放器.BMP";

// The process's start: the framework, the globals, the main window (whose
// created event runs startPlayer), then the message loop. Returns 0 when the
// loop ends.
int programEntry();

// constructGlobals, before any window exists.
void initGlobals();
// destructGlobals; the framework's exit routine.
void cleanupGlobals();
// Builds playerEngine and empties the lists of the player's state, in their
// order of declaration.
void constructGlobals();
// Finalises and frees playerEngine and releases every text and list.
void destructGlobals();

// The engine inside the main window with the three callbacks, then (only when
// it exists) its logo, the settings, audio device, volume, window size and
// loop mode. Without an engine: one message box, and nothing else.
void initEngineAndSettings();
// Asks the system to keep the display on until the process ends.
void keepDisplayAwake();

}  // namespace player
