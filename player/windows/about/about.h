#pragma once
// The about window: what the rest of the player calls.
#include "framework/text.h"

namespace player {

// Menu 文件 > 关于Quorle(&E): loads the window, non-modal and without an
// owner; an open one is brought to the front, its texts not set again.
void showAboutWindow();

// Asks the system shell to open `target` (a web address opens the user's
// browser). True when the shell's result is not 0.
bool shellOpen(const fw::Text& target);

}  // namespace player
