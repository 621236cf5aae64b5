#include "player/playback/full_screen.h"

#include <windows.h>

#include <cstring>

#include "framework/windows_routines.h"
#include "player/app/app.h"
#include "player/playback/playback.h"
#include "player/windows/main/main_window.h"

namespace player {

int listMonitors(std::vector<MonitorInfo>& monitors) {
  const int count = fw::win::GetSystemMetrics(SM_CMONITORS);
  if (count <= 0) return 0;
  monitors.assign(static_cast<std::size_t>(count), MonitorInfo{});
  // One record of each kind serves every pass: a failed query leaves the
  // values of the pass before.
  DISPLAY_DEVICEA device{};
  device.cb = sizeof device;
  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  for (int i = 0; i < count; ++i) {
    fw::win::EnumDisplayDevicesA(nullptr, static_cast<DWORD>(i), &device,
                                 EDD_GET_DEVICE_INTERFACE_NAME);
    MonitorInfo& monitor = monitors[static_cast<std::size_t>(i)];
    monitor.deviceName.assign(device.DeviceName, strnlen(device.DeviceName, sizeof device.DeviceName));
    fw::win::EnumDisplaySettingsA(monitor.deviceName.c_str(), ENUM_CURRENT_SETTINGS, &mode);
    monitor.width = static_cast<int>(mode.dmPelsWidth);
    monitor.height = static_cast<int>(mode.dmPelsHeight);
    monitor.refreshRate = static_cast<int>(mode.dmDisplayFrequency);
    monitor.bitsPerPixel = static_cast<int>(mode.dmBitsPerPel);
  }
  return count;
}

void toggleFullScreen() {
  if (isFullScreen == 1) {
    leaveFullScreen();
  } else {
    enterFullScreen();
  }
}

void leaveFullScreen() {
  isFullScreen = 0;
  mainWindow().setBounds(savedLeft, savedTop, savedWidth, savedHeight);
  layoutMainWindow();
}

void enterFullScreen() {
  MainWindow& window = mainWindow();
  // Entering again while in full screen (sizing to the next entry's video)
  // keeps the place to go back to.
  if (isFullScreen == 0) {
    savedTop = window.top();
    savedLeft = window.left();
    savedWidth = window.width();
    savedHeight = window.height();
  }
  isFullScreen = 1;

  // The size-changed events of these writes do not lay out: isFullScreen is 1.
  window.setWidth(fw::win::GetSystemMetrics(SM_CXSCREEN));
  window.setHeight(fw::win::GetSystemMetrics(SM_CYSCREEN));
  layoutMainWindowUnits();
  window.图片框1.setLeft(0);

  std::vector<MonitorInfo> monitors;
  const int count = listMonitors(monitors);
  if (count == 0) return;
  if (count == 1) {
    window.setLeft(0);
    window.setTop(0);
  } else if (count == 2) {
    // The second monitor is taken to lie to the right of the first.
    const int firstWidth = monitors[0].width;
    window.setLeft(window.left() < firstWidth - kSecondMonitorThreshold ? 0 : firstWidth);
    window.setTop(0);
  } else {
    window.setStartState(fw::kStateMaximised);
  }
  playerEngine->setWindowPos(playerEngine->getWindow(), HWND_TOP, 0, 0, window.width(),
                             window.height(), 0);
}

}  // namespace player
