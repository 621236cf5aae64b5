#pragma once
// The settings file's extension lists: runs of lines beginning with "." under
// a header line. The rule alone, over bytes already read, so it holds for any
// bytes a settings file may hold.
#include "framework/lines.h"

namespace player {

// Appends to `list`, in order, every run of entries under each line that equals
// `header` byte for byte. A run ends at the first line not beginning with ".";
// that line is consumed, so a header right after a run is missed. Lines are
// read to the data's real end: a NUL or 0x1A byte ends the line it stands in
// (and makes no line of its own), so the lines are those of the pieces between
// such bytes, in order.
void scanLineList(fw::LineReader& reader, const fw::Text& header, fw::TextArray& list);

}  // namespace player
