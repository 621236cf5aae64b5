#pragma once
// Progress display, seeking, volume, on-video hints and the frame-rate
// readout. The handlers the main window binds are declared in
// player/handlers.h; this header holds the texts they build, for routines
// that show the same.
#include <cstdint>

#include "framework/text.h"

namespace player {

// Position of a hint on the video.
inline constexpr int kHintLeft = 10;
inline constexpr int kHintTop = 10;

// "音量：" + the volume + "%".
fw::Text volumeHint(int64_t volume);

// The time label's caption: elapsed hours, minutes and seconds of the
// position as two-digit fields, "/", the same of durationParts.
fw::Text progressCaption(int64_t positionMs);

// The prompt of the typed-position box for a position and the open medium's
// duration (durationParts and durationMs); the position text is also the
// box's initial text.
fw::Text typedPositionText(int64_t positionMs);
fw::Text typedPositionPrompt(int64_t positionMs);

// What a typed position asks for: the position in milliseconds, or nothing
// (empty, or a plain number of 0 or less). Four ":" fields read as hours,
// minutes, seconds and milliseconds without a lower bound; anything else is
// read whole as a number.
bool readTypedPosition(const fw::Text& typed, int64_t& target);

}  // namespace player
