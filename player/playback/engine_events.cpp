#include "player/playback/engine_events.h"

#include <windows.h>

#include "engine/engine_items.h"
#include "framework/windows_routines.h"
#include "player/app/app.h"
#include "player/app/settings.h"
#include "player/playback/playback.h"
#include "player/playback/progress.h"
#include "player/windows/main/geometry.h"
#include "player/windows/main/main_window.h"
#include "player/windows/playlist/playlist_window.h"

namespace player {
namespace {

// The virtual-key code of the letter M (letters are their capitals' codes).
constexpr int32_t kKeyM = 'M';

// The window size of a medium without video (the two bars alone); the size
// under which a video keeps the window as it is.
constexpr int kAudioOnlyWidth = 650;
constexpr int kAudioOnlyHeight = geometry::kBarsHeight;
constexpr int kSmallVideo = 400;

constexpr int kFastProgressInterval = 500;
constexpr int kSlowProgressInterval = 1000;

void moveControlBar(HWND insertAfter) {
  fw::win::SetWindowPos(mainWindow().图片框2.handle(), insertAfter, 0, 0, 0, 0,
                        SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

// Pause while playing, play while paused; false in any other state.
bool playPauseOnVideo() {
  if (playerEngine->getState() == engine::kPlaying) {
    playerEngine->pause();
    return true;
  }
  if (playerEngine->getState() == engine::kPaused) {
    playerEngine->play();
    return true;
  }
  return false;
}

void stepVolume(int step) {
  playerEngine->setVolume(playerEngine->getVolume() + step);
  showHint(volumeHint(playerEngine->getVolume()));
}

void onTabKey() {
  MainWindow& window = mainWindow();
  if (isFullScreen == 1) {
    leaveFullScreen();
  } else if (window.width() == fw::win::GetSystemMetrics(SM_CXSCREEN) &&
             window.height() == fw::win::GetSystemMetrics(SM_CYSCREEN)) {
    toggleMaximize();
  } else {
    enterFullScreen();
  }
}

int engineEndCode() { return fw::textToInt(playerEngine->getConfig(engine::kEndCode)); }

void startProgress(int interval) {
  mainWindow().时钟_标记播放进度.setInterval(interval);
}

}  // namespace

void WINAPI engineMessageCallback(int32_t message, int32_t wParam, int32_t lParam) {
  onEngineWindowMessage(message, wParam, lParam);
}

void WINAPI engineStateCallback(int32_t oldState, int32_t newState) {
  onEngineStateChanged(oldState, newState);
}

void WINAPI engineOpenedCallback() { onMediaOpened(); }

void onEngineWindowMessage(int32_t message, int32_t wParam, int32_t lParam) {
  const bool keyUp = lParam < 0;

  if (message == WM_MOUSEMOVE && isFullScreen == 1) {
    POINT cursor{};
    fw::win::GetCursorPos(&cursor);
    const int aboveBottom = fw::win::GetSystemMetrics(SM_CYSCREEN) - cursor.y;
    if (aboveBottom <= kControlBarRevealDistance) moveControlBar(HWND_TOP);
    if (aboveBottom > kControlBarHideDistance) moveControlBar(HWND_BOTTOM);
  }

  if (message == WM_LBUTTONDOWN && playPauseOnVideo()) return;
  if (wParam == VK_SPACE && keyUp && playPauseOnVideo()) return;
  if (message == WM_RBUTTONUP) {
    mainWindow().操作.popUp();
    return;
  }
  if (message == WM_LBUTTONDBLCLK) {
    if (isFullScreen == 0) {
      enterFullScreen();
    } else {
      leaveFullScreen();
    }
    return;
  }
  if (message == WM_KEYDOWN && wParam == kKeyM) {
    playerEngine->pause();
    mainWindow().setStartState(fw::kStateMinimised);
    return;
  }
  if (wParam == VK_F3 && keyUp) {
    if (!playlistWindowOpen) {
      playlistWindowOpen = showPlaylistWindow();
    } else {
      closePlaylistWindow();
    }
    return;
  }
  if (message == WM_SYSKEYDOWN && wParam == VK_RIGHT) {
    playNextEntry();
    return;
  }
  if (wParam == VK_RIGHT && keyUp) {
    playerEngine->setPosition(playerEngine->getPosition() + seekStepMs);
    return;
  }
  if (message == WM_KEYDOWN && wParam == VK_TAB) {
    onTabKey();
    return;
  }
  if (message == WM_KEYDOWN && wParam == VK_ESCAPE && isFullScreen == 1) {
    leaveFullScreen();
    return;
  }
  if (wParam == VK_UP && keyUp) {
    stepVolume(kVolumeKeyStep);
    return;
  }
  if (wParam == VK_DOWN && keyUp) {
    stepVolume(-kVolumeKeyStep);
    return;
  }
}

void onEngineStateChanged(int32_t oldState, int32_t newState) {
  if (oldState == engine::kOpening && newState == engine::kIdle && engineEndCode() < 0) {
    playNextEntry();
    return;
  }
  if (newState == engine::kPlaying && openPending == 1) {
    if (reachedByNext == 0) {
      startProgress(kFastProgressInterval);
    } else {
      startProgress(kSlowProgressInterval);
      mainWindow().电影名标签.setVisible(true);
    }
    openPending = 0;
    if (autoSizeSetting == "真") autoSizeToVideo();
    return;
  }
  if (oldState == engine::kClosing && newState == engine::kIdle &&
      engineEndCode() == engine::kEndNatural) {
    advanceAfterEnd();
  }
}

void onMediaOpened() { showMediaDuration(); }

void showMediaDuration() {
  MainWindow& window = mainWindow();
  durationMs = playerEngine->getDuration();
  const fw::TimeFields fields = fw::splitTime(durationMs);
  const Text decimal = fw::intToText(durationMs);
  const int milliseconds =
      fw::textToInt(decimal.size() > 3 ? decimal.substr(decimal.size() - 3) : decimal);
  durationParts = {static_cast<int>(fields.hours), static_cast<int>(fields.minutes),
                   static_cast<int>(fields.seconds), milliseconds};
  // Whole seconds rounded down, also for a negative duration.
  int64_t seconds = durationMs / 1000;
  if (durationMs % 1000 < 0) --seconds;
  window.时长滑块条.setMaximum(static_cast<int>(seconds));
  window.进度标签.setCaption("00:00:00/" + fw::twoDigit(fields.hours) + ":" +
                             fw::twoDigit(fields.minutes) + ":" + fw::twoDigit(fields.seconds));
}

void autoSizeToVideo() {
  // A user who chose full screen keeps it for every entry that follows; sizing
  // to the video is for the normal window only (the audio size would leave a
  // full-screen layout in a box without controls).
  if (isFullScreen == 1) return;
  MainWindow& window = mainWindow();
  const int height = playerEngine->getVideoHeight();
  const int width = playerEngine->getVideoWidth();
  if (height == 0 || width == 0) {
    window.setWidth(kAudioOnlyWidth);
    window.setHeight(kAudioOnlyHeight);
    return;
  }
  if (height < kSmallVideo && width < kSmallVideo) {
    isFullScreen = 0;
    return;
  }
  if (height < fw::win::GetSystemMetrics(SM_CYSCREEN) - geometry::kBarsHeight &&
      width < fw::win::GetSystemMetrics(SM_CXSCREEN)) {
    isFullScreen = 0;
    playerHeight = height;
    playerWidth = width;
    window.setWidth(width);
    window.setHeight(height + geometry::kBarsHeight);
    window.setStartState(fw::kStateCentred);
    return;
  }
  enterFullScreen();
}

}  // namespace player
