#pragma once
// Playback: the playlist and where it stands, playing an entry, navigation and
// loop modes, the engine's callbacks, progress, seeking, volume, on-video hints
// and full screen. What other parts of the player call and read. All routines
// run on the GUI thread; mouse and key handlers get x and y in the unit's own
// pixels and the keys held (Ctrl 1, Shift 2, Alt 4).
#include <array>
#include <cstdint>

#include <windows.h>

#include "framework/text.h"

namespace player {

using fw::Text;
using fw::TextArray;

extern fw::TextArray playlist;        // entries (paths or addresses); indexed from 1 by currentIndex
extern int currentIndex;              // 1-based index of the current entry; 0 before any;
                                      // below 0 once the current entry was deleted (below)
extern fw::Text loopMode;             // "0" sequential, "1" random, "2" repeat one
extern int reachedByNext;             // the entry was started by the next command in sequential mode
extern int openPending;               // an open waits for its first report of playback

extern fw::TextArray dlnaSkipTypes;   // extensions not cast to a DLNA renderer
extern fw::TextArray dlnaConvertTypes;   // extensions converted before casting
extern int hintDuration;              // ms an on-video hint stays; 5000 once the engine exists

extern int isFullScreen;              // the main window is in full screen
extern int savedLeft, savedTop, savedWidth, savedHeight;   // place before full screen

extern std::array<int, 4> durationParts;   // hours, minutes, seconds, ms of the open medium
extern int64_t durationMs;                 // duration of the open medium

// Every global above back to its start value (0, the empty text, the empty
// list), as at the process's start; run by the start-up before any window.
void resetPlaybackState();

// The playlist element at a 1-based index, or nullptr when the index names none.
fw::Text* playlistEntry(int index);

// The current entry deleted from the playlist window: currentIndex then names
// no element, so nothing takes another entry for the one that went (the
// record at shut-down is not written), and keeps the place the entry held,
// the index of the entry that followed it, from where the next and previous
// commands go on.
inline int removedEntryIndex(int place) { return -place; }
// That place, or 0 while currentIndex is not a removed entry's.
inline int removedEntryPlace() { return currentIndex < 0 ? -currentIndex : 0; }

// ---- playing an entry ----

// Closes what is open, shows the entry's name, handles DLNA skip and
// conversion, opens the entry. Does not test engineReady, leaves currentIndex.
// Taken by value: the playlist element passed may be replaced meanwhile.
void playEntry(fw::Text entry);

// ---- navigation and loop modes ----

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

// ---- the engine's three callbacks, given to it at its creation ----

void WINAPI engineMessageCallback(int32_t message, int32_t wParam, int32_t lParam);
void WINAPI engineStateCallback(int32_t oldState, int32_t newState);
void WINAPI engineOpenedCallback();

// ---- progress, seeking, volume, hints, frame rate ----

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

// ---- full screen ----

void toggleFullScreen();
void enterFullScreen();
void leaveFullScreen();

}  // namespace player
