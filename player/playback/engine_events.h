#pragma once
// The player's side of the engine's three callbacks (declared in playback.h):
// keys and clicks on the video, state changes, and the medium being opened.
#include <cstdint>

namespace player {

// Distances of the cursor above the bottom of the primary screen, in full
// screen: the control bar shows at or below the first and hides above the
// second.
inline constexpr int kControlBarRevealDistance = 30;
inline constexpr int kControlBarHideDistance = 90;
// Step of the Up and Down keys.
inline constexpr int kVolumeKeyStep = 5;

// A mouse or key message the engine's video window received. Key-up rules
// match any message whose lParam is negative (the key-up flag); M, Tab and
// Esc act on their key-down message only, so that one press acts once.
void onEngineWindowMessage(int32_t message, int32_t wParam, int32_t lParam);
// A change of the engine state: a failed open moves on, the first report of
// playback after an open starts the progress timer, the natural end advances.
void onEngineStateChanged(int32_t oldState, int32_t newState);
// The medium is open and its duration can be read.
void onMediaOpened();
// Duration slider maximum, time label and the duration's parts from the
// engine's duration.
void showMediaDuration();
// Fits the main window to the video: 650 × 110 without video, unchanged for a
// video under 400 × 400, the video size plus the bars centred when it fits the
// primary screen, full screen otherwise.
void autoSizeToVideo();

}  // namespace player
