#pragma once
// The framework's own input box behind the production modal seam: a prompt, one
// edit line holding the initial text, OK and Cancel, centred on the screen and
// without an owner window.
#include "framework/text.h"

namespace fw {

// OK: the edit line's text goes into `typed` and the result is true. Cancel or
// closing the box: false, `typed` untouched.
bool showInputBox(const Text& prompt, const Text& caption, const Text& initial, Text& typed);

}  // namespace fw
