#pragma once
// The one container the stand-in reads and writes for real: RIFF WAVE.
#include <optional>

#include "types.h"

namespace standin {

// Milliseconds of sound in a WAV file: the length of its data chunk over the
// byte rate of its format chunk. Nothing when the file is not a readable WAV.
// A data chunk that claims more than the file holds counts only what it holds.
std::optional<int64_t> wavDurationMs(const Text& path);

// Writes a silent PCM WAV (8000 Hz, mono, 16-bit) of the given length,
// replacing any file of that name. False when the file cannot be written.
bool writeSilentWav(const Text& path, int64_t durationMs);

}  // namespace standin
