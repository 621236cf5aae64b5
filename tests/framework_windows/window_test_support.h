#pragma once
// What the window-layer tests share: a log of the events raised, the messages
// Windows would send a unit, and a way out of the system's modal loops. A click
// is support::click (tests/support/ui.h).
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/window.h"
#include "tests/support/wait.h"

namespace wintest {

// Every handler of the test windows appends here.
std::vector<std::string>& events();
void log(const std::string& event);
// "name x y keys"
void logMouse(const std::string& name, int x, int y, int keys);

LPARAM point(int x, int y);
void send(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

using support::after;
using support::pendingAfter;

// The screen pixel at (x, y) of the window's client area.
COLORREF pixelAt(HWND hwnd, int x, int y);

using support::findThreadWindow;

}  // namespace wintest
