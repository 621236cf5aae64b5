#pragma once
// Touching windows as a user would, in tests.
#include <windows.h>

namespace support {

// A left press and release at (x, y) of the window's client area, sent as
// Windows sends them, then the messages they caused.
void click(HWND window, int x = 5, int y = 5);

// A window's rectangle in its parent's client coordinates.
RECT rectInParent(HWND window);

}  // namespace support
