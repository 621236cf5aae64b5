#pragma once
// The decisions playEntry makes while the user casts to a DLNA renderer, and
// the conversion it runs. playEntry itself is declared in playback.h.
#include "framework/text.h"

namespace player {

// True when the entry's extension ("." and the entry's last "." segment) equals
// an element of dlnaSkipTypes byte for byte (case counts). An empty entry or an
// empty list gives false.
bool isDlnaSkippedType(const fw::Text& entry);
// The same over dlnaConvertTypes.
bool isDlnaConvertType(const fw::Text& entry);

// The WAV file a conversion of the entry writes: the entry with its final
// extension (its last "." segment) replaced by "wav", so the file lies beside
// the source and folder names are never touched (D:\flac\x.flac gives
// D:\flac\x.wav).
fw::Text dlnaConversionDestination(const fw::Text& entry);

// True when the destination can be played: it existed already (nothing is
// started), or the conversion program kelvane.exe beside the running player was
// started with the quoted source and destination, has ended, and left the
// destination. False when the source is missing or a folder (or its attributes
// cannot be read), whether the destination exists cannot be told (a path too
// long for the system's ANSI routines, say: nothing is started), the program
// cannot be started, or it wrote nothing. Blocks
// this thread, without handling window messages, while the program runs.
bool convertForDlna(const fw::Text& source, const fw::Text& destination);

}  // namespace player
