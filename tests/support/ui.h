#pragma once
// Touching windows as a user would, in tests.
#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "framework/menu.h"

namespace support {

// A left press and release at (x, y) of the window's client area, sent as
// Windows sends them, then the messages they caused.
void click(HWND window, int x = 5, int y = 5, WPARAM keys = 0);

// A left press and release in the middle of a list box's line (from 0), then
// what it caused; with `doubleClick`, a second press and release after it as
// the double-click Windows reports.
void clickListLine(HWND list, int line, bool doubleClick = false);
// The same single click with keys held: MK_CONTROL adds or removes the line,
// MK_SHIFT selects a range, in a list of extended selection.
void clickListLineHolding(HWND list, int line, WPARAM keys);

// An item of a window's menus chosen: the command Windows sends the window for
// a choice from its menu bar or a pop-up menu, then what it caused.
void chooseMenuItem(const fw::MenuItem& item);

// A key pressed and released where this thread's focus is, posted as the
// system queues a keystroke (so TranslateMessage makes its character), then
// what it caused. With `shift`, Shift reads as held meanwhile.
void pressKeyAtFocus(int key, bool shift = false);

// Keys pressed and released through the system's input (SendInput), as the
// user types them; then what they caused. They go to the focus of the
// foreground window: tests that use them share the one desktop.
void typeKeys(std::initializer_list<int> keys, bool shift = false);

// The window in the foreground, as the user's click on it would make it (the
// system may refuse a first request while another window is being activated,
// so it is asked a few times); false when the window does not come to the front.
bool bringToFront(HWND window);

// A window's rectangle in its parent's client coordinates.
RECT rectInParent(HWND window);

// What a window shows over a rectangle of its client area, its units
// included, once its pending paints are done: 0x00RRGGBB values, rows top first.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> values;
  uint32_t at(int x, int y) const { return values[static_cast<std::size_t>(y) * width + x]; }
};
Pixels readPixels(HWND window, int left, int top, int width, int height);

}  // namespace support
