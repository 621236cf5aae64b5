#pragma once
// The decisions playEntry makes while the user casts to a DLNA renderer, and
// the conversion it runs. playEntry itself is declared in player/handlers.h.
#include "framework/text.h"

namespace player {

// 1 when the entry's extension ("." and the entry's last "." segment) equals an
// element of dlnaSkipTypes byte for byte (case counts), else 0. An empty entry
// or an empty list gives 0.
int isDlnaSkippedType(const fw::Text& entry);
// The same over dlnaConvertTypes.
int isDlnaConvertType(const fw::Text& entry);

// The WAV file a conversion of the entry writes: the entry with its final
// extension (its last "." segment) replaced by "wav", so the file lies beside
// the source and folder names are never touched (D:\flac\x.flac gives
// D:\flac\x.wav).
fw::Text dlnaConversionDestination(const fw::Text& entry);

// 1 when the destination can be played: it existed already (nothing is
// started), or the conversion program kelvane.exe of the current directory was
// started with the quoted source and destination and has ended. 0 when the
// source is missing or a folder (or its attributes cannot be read), or the
// program cannot be started. Blocks this thread, without handling window
// messages, while the program runs.
int convertForDlna(const fw::Text& source, const fw::Text& destination);

}  // namespace player
