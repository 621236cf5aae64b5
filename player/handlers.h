#pragma once
// Every routine the main window binds to an event, and every routine one
// behaviour of the player calls in another's file. All run on the GUI thread,
// take only their event's own arguments and return nothing a caller uses,
// unless stated. Mouse handlers get x and y in the unit's own pixels and the
// keys held (Ctrl 1, Shift 2, Alt 4).
#include <cstdint>

#include <windows.h>

#include "framework/text.h"

namespace player {

// ---- start-up and shut-down (startup.cpp) ----

// The main window's created event: settings path, hand-over, engine and
// settings, display kept awake, first playback.
void startPlayer();
// Saves the last playback, closes the medium, removes the tray icon in tray
// mode and ends the process with exit code 0. Never returns (under a test seam
// it returns once the end has been requested). The engine is never destroyed.
void shutDown();
// Menu 文件 > 退出程序(&X) and menu 操作 > 退出(&X): shutDown alone.
void onExitMenu();
void onExitOperationMenu();

// ---- the main window's own behaviour (main_window_behaviour.cpp) ----

// Size changed: lays the window out unless it is in full screen or a grip
// resize runs.
void onMainWindowResized();
// Places every unit and the engine's video window from the window's size.
void layoutMainWindow();
// The units alone as layoutMainWindow places them, the engine's video window
// left where it is (full screen places it itself).
void layoutMainWindowUnits();
// Leaves a screen-sized window to playerWidth × playerHeight, or else toggles
// between normal and maximised (work area). Clears isFullScreen first.
void toggleMaximize();
void onTopBarDoubleClick(int x, int y, int keys);
void minimizeMainWindow();
// Presses on the top bar or the title switch drag-to-move back on.
void onTopBarMouseDown(int x, int y, int keys);
void onTitleMouseDown(int x, int y, int keys);
// Mouse over the bottom bar: drag-to-move off inside the grip.
void updateMainMoveMode(int x, int y, int keys);
// Left press on the bottom bar: inside the grip, a system resize from the
// bottom-right corner that returns on release, then one layout.
void startMainResize(int x, int y, int keys);
// The logo button and the open button pop up 文件 and its sub-menu 打开.
void showFileMenu();
void showOpenMenu();
// The close button: shutDown, or in tray mode hide the window to the tray.
void closeOrMinimizeToTray();
// 1 left up, 2 left double-click, 3 right up or context menu.
void onTrayEvent(int type);

// ---- playlist file (playlist_file.cpp) ----

// Mode 0: source is a playlist file's path; mode 1: source is the playlist
// text itself. Replaces the playlist with the lines naming existing files that
// are not folders. Plays nothing and leaves currentIndex alone.
void loadPlaylistFrom(const fw::Text& source, int mode);
// Menu 载入播放列表(&W): a file chosen in 通用对话框1 becomes the playlist
// (existing files and folders) and its first entry plays.
void loadPlaylistFileAndPlay();

// ---- playing an entry (play_entry.cpp) ----

// Closes what is open, shows the entry's name, handles DLNA skip and
// conversion, opens the entry. Does not test engineReady, leaves currentIndex.
// Taken by value: the playlist element passed may be replaced meanwhile.
void playEntry(fw::Text entry);

// ---- playlist navigation and loop modes (navigation.cpp) ----

void playNextEntry();
void playPreviousEntry();
// The medium ended by itself: the loop mode picks what plays next.
void advanceAfterEnd();
void togglePlayPause();
void selectSequentialMode();
void selectRandomMode();
void selectRepeatOneMode();
void closeVideo();
void onStopButton();
void onNextMenu();
void onPreviousMenu();
void onPlayPauseMenu();

// ---- engine events (engine_events.cpp) ----

// The three callbacks given to the engine at its creation.
void WINAPI engineMessageCallback(int32_t message, int32_t wParam, int32_t lParam);
void WINAPI engineStateCallback(int32_t oldState, int32_t newState);
void WINAPI engineOpenedCallback();

// ---- progress, seeking, volume and hints (progress.cpp) ----

void onProgressTimer();
void updateProgressLabel();
void seekFromSlider();
void seekToTypedPosition();
void applyVolumeSlider();
void toggleMute();
void hideHint();
void showFrameRate();
void toggleFrameRateDisplay();
void onDurationSliderKey(int key, int keys);
// An on-video hint: the text at 10, 10, and the hint timer armed with
// hintDuration.
void showHint(const fw::Text& text);

// ---- full screen (full_screen.cpp) ----

void toggleFullScreen();
void enterFullScreen();
void leaveFullScreen();

}  // namespace player
