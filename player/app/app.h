#pragma once
// The player from process start to its first playback, its one way out, and
// the state that lives as long as the process: the engine and the settings
// file's path. The settings read at start-up are in player/app/settings.h.
#include "engine/player_engine.h"
#include "framework/text.h"

namespace player {

extern PlayerEngine* playerEngine;   // the one engine binding object
extern int engineReady;              // what create returned at start-up; 0: no engine
extern fw::Text settingsPath;        // full path of "设置.txt", built once at start-up
extern fw::Bytes logoPicture;        // the video area's picture, taken at start-up

// The engine's logo, kept in the folder named by the environment variable
// "temp" and written from the video area's picture when it is missing.
inline constexpr char kLogoFileName[] = "Quorle播放器.BMP";

// The process's start: the framework, the globals, the main window (whose
// created event runs startPlayer), then the message loop. Returns 0 when the
// loop ends.
int programEntry();

// constructGlobals then initDropStorage, before any window exists.
void initGlobals();
// destructGlobals then freeDropStorage; the framework's exit routine.
void cleanupGlobals();
// Builds playerEngine and dropReceiver and gives every other global of the player its start
// value (0, false, the empty text or list), so that whatever ran before in the
// process leaves nothing behind.
void constructGlobals();
// The globals of this room (engine readiness, settings path, logo, the
// settings read at start-up) back to their start values.
void resetAppState();
// Finalises and frees playerEngine and dropReceiver and releases every text and list.
void destructGlobals();

// The main window's created event: settings path, hand-over, engine and
// settings, display kept awake, first playback.
void startPlayer();
// The engine inside the main window with the three callbacks, then (only when
// it exists) its logo, the settings, audio device, volume, window size and
// loop mode. Without an engine: one message box, and nothing else.
void initEngineAndSettings();
// Asks the system to keep the display on until the process ends.
void keepDisplayAwake();

// The receiving side of the hand-over, one step of each drop-timer tick: every
// text later instances put in 接收文本列表框 before the step, in list order,
// without its CR LF, goes to the end of the playlist. Nothing plays and
// currentIndex stays; an open playlist window is not asked to refresh.
void receiveHandedOverPaths();

// Saves the last playback, closes the medium, removes the tray icon in tray
// mode and ends the process with exit code 0. Never returns (under a test seam it returns once the end
// has been requested). The engine is never destroyed.
void shutDown();
// Menu 文件 > 退出程序(&X) and menu 操作 > 退出(&X): shutDown alone.
void onExitMenu();
void onExitOperationMenu();

// ---- the last playback (section 播放 of the settings file) ----

// While playing or paused: pauses, then records the playlist's current entry
// and the position read after the pause, both keys or neither. Nothing is
// written in any other state, for an empty playlist, or when currentIndex
// names no entry; the earlier record then stays.
void saveLastPlayback();
// Menu 继续上一次的播放(&G): the recorded file becomes the whole playlist and
// plays from the recorded position once the engine reports playing (windows
// stay responsive meanwhile). No record, or a file that no longer exists: a
// message box, and nothing changes.
void resumeLastPlayback();

}  // namespace player
