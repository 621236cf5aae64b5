#pragma once
// Full screen over one or several monitors. toggleFullScreen, enterFullScreen
// and leaveFullScreen are declared in playback.h.
#include <vector>

#include "framework/text.h"

namespace player {

// One monitor as the system reports its display device and current mode.
struct MonitorInfo {
  fw::Text deviceName;   // DeviceName of the display device
  int width = 0;         // dmPelsWidth of the current mode
  int height = 0;        // dmPelsHeight
  int refreshRate = 0;   // dmDisplayFrequency
  int bitsPerPixel = 0;  // dmBitsPerPel
};

// A second monitor is taken when the window's left is at least the first
// monitor's width less this.
inline constexpr int kSecondMonitorThreshold = 200;

// Replaces `monitors` with one record per monitor the system counts and
// returns their number; 0 (and `monitors` untouched) when it counts none. A
// query that fails leaves that record with the values of the one before
// (zeros for the first).
int listMonitors(std::vector<MonitorInfo>& monitors);

}  // namespace player
