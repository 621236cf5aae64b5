#include "tests/player_road/road_test.h"

#include "engine/engine_items.h"
#include "framework/windows_routines.h"
#include "player/app/app.h"
#include "player/playback/playback.h"
#include "player/sources/sources.h"
#include "player/windows/main/main_window_behaviour.h"
#include "tests/support/instance_event.h"
#include "tests/support/ui.h"

namespace road {
namespace {

std::vector<int> monitorWidths;
int failingMonitor = -1;
int cursorY = 0;

int WINAPI fakeGetSystemMetrics(int index) {
  if (index == SM_CMONITORS) return static_cast<int>(monitorWidths.size());
  return GetSystemMetrics(index);
}

BOOL WINAPI fakeEnumDisplayDevicesA(LPCSTR, DWORD index, PDISPLAY_DEVICEA device, DWORD) {
  if (static_cast<int>(index) == failingMonitor || index >= monitorWidths.size()) return FALSE;
  std::string name = "\\\\.\\DISPLAY" + std::to_string(index + 1);
  lstrcpynA(device->DeviceName, name.c_str(), sizeof device->DeviceName);
  return TRUE;
}

BOOL WINAPI fakeEnumDisplaySettingsA(LPCSTR name, DWORD, DEVMODEA* mode) {
  std::string device = name ? name : "";
  for (std::size_t i = 0; i < monitorWidths.size(); ++i) {
    if (static_cast<int>(i) == failingMonitor) continue;
    if (device == "\\\\.\\DISPLAY" + std::to_string(i + 1)) {
      mode->dmPelsWidth = static_cast<DWORD>(monitorWidths[i]);
      mode->dmPelsHeight = 1080;
      mode->dmDisplayFrequency = 60;
      mode->dmBitsPerPel = 32;
      return TRUE;
    }
  }
  return FALSE;
}

BOOL WINAPI fakeGetCursorPos(LPPOINT point) {
  point->x = 100;
  point->y = cursorY;
  return TRUE;
}

}  // namespace

void fakeMonitors(std::vector<int> widths, int failingIndex) {
  monitorWidths = std::move(widths);
  failingMonitor = failingIndex;
  fw::win::GetSystemMetrics.replaceForTests(fakeGetSystemMetrics);
  fw::win::EnumDisplayDevicesA.replaceForTests(fakeEnumDisplayDevicesA);
  fw::win::EnumDisplaySettingsA.replaceForTests(fakeEnumDisplaySettingsA);
}

void fakeCursorY(int y) {
  cursorY = y;
  fw::win::GetCursorPos.replaceForTests(fakeGetCursorPos);
}

void restoreSystemRoutines() {
  fw::win::GetSystemMetrics.replaceForTests(nullptr);
  fw::win::EnumDisplayDevicesA.replaceForTests(nullptr);
  fw::win::EnumDisplaySettingsA.replaceForTests(nullptr);
  fw::win::GetCursorPos.replaceForTests(nullptr);
}

void RoadTest::SetUp() {
  support::keepInstanceEventToThisProcess();
  standin::resetConfig();
  standin::useManualClock(true);
  player::initGlobals();
  ASSERT_TRUE(fw::loadWindow<player::MainWindow>());
  ASSERT_NE(player::engineReady, 0);
  // Start-up took this test program's own arguments for a media path and
  // opened it; let that run its course, then start from an idle player.
  settle();
  engine().close();
  settle();
  player::playlist.clear();
  player::currentIndex = 0;
  player::openPending = 0;
  player::reachedByNext = 0;
  window().时钟_销毁提示文本.setInterval(0);
  window().时钟_标记播放进度.setInterval(0);
  clearJournal();
}

void RoadTest::TearDown() { restoreSystemRoutines(); }

std::string RoadTest::file(const std::string& name, const std::string& bytes) {
  std::string path = temp.file(name);
  EXPECT_TRUE(support::writeFile(path, bytes)) << path;
  return path;
}

std::string RoadTest::wav(const std::string& name, uint32_t milliseconds) {
  return file(name, wavOfMs(milliseconds));
}

void RoadTest::setPlaylist(std::initializer_list<std::string> entries, int index) {
  player::playlist.assign(entries.begin(), entries.end());
  player::currentIndex = index;
}

::testing::AssertionResult RoadTest::playIndex(int index) {
  player::currentIndex = index;
  const std::string entry = player::playlist.at(static_cast<std::size_t>(index - 1));
  player::playEntry(entry);
  settle();
  if (engine().getState() == engine::kPlaying) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << entry << " is not playing (state "
                                       << engine().getState() << ")";
}

std::vector<std::string> RoadTest::opened() {
  std::vector<std::string> paths;
  for (const Line& line : calls("APlayer_OpenA")) paths.push_back(line.at(2));
  return paths;
}

RECT RoadTest::videoRect() { return support::rectInParent(engine().getWindow()); }

bool RoadTest::controlBarAboveVideo() {
  HWND bar = window().图片框2.handle();
  HWND video = engine().getWindow();
  for (HWND child = GetWindow(window().handle(), GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (child == bar) return true;
    if (child == video) return false;
  }
  ADD_FAILURE() << "neither the control bar nor the video window is a child of the main window";
  return false;
}

}  // namespace road
