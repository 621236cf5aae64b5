#pragma once
// The notification-area icon of a window. The window's onTrayEvent receives
// what the user does with it: 1 left button released, 2 left double-click,
// 3 right button released or the context-menu request. The icon is added again
// when the taskbar is re-created.
#include "framework/units/unit.h"

namespace fw {

// The message the notification area sends the window about its icon (lParam:
// the mouse message).
inline constexpr UINT kTrayCallbackMessage = WM_APP + 0x51;

// Shows the icon (the bytes of an ICO file; the image closest to the small icon
// size is used) with the tip text: added the first time, icon and tip replaced
// afterwards. False when the system refused.
bool setTrayIcon(Window& window, PictureBytes icoFile, const Text& tip);
// Removes the window's icon if it has one.
void removeTrayIcon(Window& window);
bool hasTrayIcon(const Window& window);

// An icon made from the image of the ICO file closest to `size` pixels square
// (the caller destroys it), or nullptr.
HICON iconFromIcoFile(PictureBytes icoFile, int size);

}  // namespace fw
