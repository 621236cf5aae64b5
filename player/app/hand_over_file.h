#pragma once
// The hand-over file's contents: the first instance's process id, CR LF, and
// the handle of its receiving list, both as signed decimal text, with nothing
// after the second number. The rule alone, over bytes, so it holds for
// whatever another program may have left in the file.
#include <cstdint>

#include "framework/lines.h"

namespace player {

struct HandOverRecord {
  int32_t processId = 0;
  // A window handle as its 32 significant bits, signed: what a handle is worth
  // to another process, whether that process is built for 32 or 64 bits.
  int32_t listHandle = 0;
};

// The bytes the first instance writes.
fw::Bytes handOverFileBytes(const HandOverRecord& record);
// Line 1 and line 2, each converted to an integer (a missing or non-numeric
// line gives 0). Reads no further than the reader's data end.
HandOverRecord readHandOverRecord(fw::LineReader& reader);

}  // namespace player
