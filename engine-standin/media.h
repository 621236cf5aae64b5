#pragma once
// What the stand-in knows of a medium: WAV files are measured from their
// header; every other file, and every network address the configuration lets
// open, is described by the configuration with deterministic defaults by its
// extension.
#include <optional>

#include "types.h"

namespace standin {

struct Medium {
  Text source;          // as handed to APlayer_OpenA
  Text name;            // the last segment of the path or address, shown on the video
  bool isWav = false;
  int64_t durationMs = 0;
  bool live = false;    // an address without a duration: it plays without an end
  int32_t width = 0;    // 0 x 0 without video
  int32_t height = 0;
  Text frameRate;       // item 121 while playing, e.g. "25.00"
};

// The medium behind a path or address; nothing when it cannot be played: the
// file is missing, is a folder or is a broken WAV, or the address is not
// listed under "addresses".
std::optional<Medium> probeMedium(const Text& source);

// Writes the conversion of the medium to `destination`: a WAV source copied as
// it is, anything else as a silent WAV of its duration. False on failure.
bool convertMedium(const Medium& medium, const Text& destination);

bool isNetworkAddress(const Text& source);

}  // namespace standin
