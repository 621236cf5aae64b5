#pragma once
// The window's side of the tray icon: its messages and its end.
#include <windows.h>

namespace fw {

class Window;

// True when the message was the icon's callback or the taskbar's re-creation.
bool handleTrayMessage(Window& window, UINT message, WPARAM wParam, LPARAM lParam);
// Removes the window's icon when it has one (the window is going).
void forgetTrayIcon(Window& window);

}  // namespace fw
