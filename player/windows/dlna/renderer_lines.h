#pragma once
// The engine's renderer list, read by the rule alone, over its text: one
// renderer a line, "name;identifier".
#include "framework/text.h"

namespace player {

// The lines of `renderers` (by the memory-file line rule, up to a NUL or 0x1A)
// that split at ";" into exactly two fields, whole and in order.
fw::TextArray rendererLines(const fw::Text& renderers);

}  // namespace player
