#pragma once
// The engine's video window: a child of the host's window that shows the
// engine's picture, hands the mouse and key messages it receives to the host's
// message callback, and is where every callback is delivered from.
#include <functional>

#include "types.h"

namespace standin {

class Engine;

HWND createVideoWindow(Engine& engine, HWND parent, int x, int y, int width, int height);

// Asks the window to run the engine's next queued step from its message loop.
void postDeliver(HWND window);

// Runs `work` inside the window's message handling, on the window's thread,
// before returning. Without a window it runs `work` directly.
void runInWindow(HWND window, const std::function<void()>& work);

// Timers of the window; each tick calls back into the engine.
inline constexpr UINT_PTR kClockTimer = 1;      // moves playback, every kClockTickMs
inline constexpr UINT_PTR kDiscoveryTimer = 2;  // fills the renderer list once
inline constexpr UINT kClockTickMs = 40;

void repaint(HWND window);

}  // namespace standin
