// The main window's own handlers: layout, maximise and minimise, moving by
// dragging, the corner grip, the two menu buttons and the tray.
#include <windows.h>

#include "assets/assets.h"
#include "framework/corner_grip.h"
#include "framework/windows_routines.h"
#include "player/app/app.h"
#include "player/app/settings.h"
#include "player/playback/playback.h"
#include "player/windows/main/geometry.h"
#include "player/windows/main/main_window.h"
#include "player/windows/main/main_window_behaviour.h"

namespace player {
using namespace geometry;

int gripResizing = 0;

namespace {

constexpr char kTrayTip[] = "Quorle多媒体播放器";

int truncated(double value) { return static_cast<int>(value); }

}  // namespace

void onMainWindowResized() {
  if (isFullScreen == 1 || gripResizing == 1) return;
  layoutMainWindow();
}

void layoutMainWindow() {
  layoutMainWindowUnits();
  MainWindow& w = mainWindow();
  playerEngine->setWindowPos(playerEngine->getWindow(), nullptr, 0, kTopBarHeight, w.width(),
                             w.height() - kBarsHeight, 0);
}

void layoutMainWindowUnits() {
  MainWindow& w = mainWindow();
  w.顶部背景.setWidth(w.width());
  w.顶部背景.setTop(0);
  w.电影名标签.setLeft(truncated(w.顶部背景.width() / 2.0 - w.电影名标签.width() / 2.0));
  w.图片框1.setTop(kTopBarHeight);
  w.图片框1.setWidth(w.width());
  w.图片框1.setHeight(w.height() - kBarsHeight);
  w.时长滑块条.setWidth(w.width());
  w.图片框2.setWidth(w.width());
  w.图片框2.setTop(w.height() - kBottomBarHeight);

  w.关闭图形按钮.setLeft(w.width() - kCloseButtonFromRight);
  w.最大化图形按钮.setLeft(w.width() - kMaximiseButtonFromRight);
  w.最小化图形按钮.setLeft(w.width() - kMinimiseButtonFromRight);

  w.暂停按钮.setLeft(truncated(w.图片框2.width() / 2.0 - kPlayPauseHalfWidth));
  w.上一个按钮.setLeft(w.暂停按钮.left() - kPreviousBeforePlayPause);
  w.停止按钮.setLeft(w.上一个按钮.left() - kStopBeforePrevious);
  w.下一个按钮.setLeft(w.暂停按钮.left() + kNextAfterPlayPause);
  w.打开媒体文件按钮.setLeft(w.下一个按钮.left() + kOpenAfterNext);
  w.音量按钮.setLeft(w.图片框2.width() - kMuteFromRight);
  w.音量滑块条.setLeft(w.图片框2.width() - kVolumeFromRight);
  w.全屏按钮.setLeft(w.图片框2.width() - kFullScreenFromRight);
  w.进度标签.setLeft(kProgressLabelLeft);
}

void toggleMaximize() {
  isFullScreen = 0;
  MainWindow& w = mainWindow();
  // A screen-sized window (full screen) goes back to the remembered size in
  // place; each change lays the window out again. A maximised window is
  // restored even when the work area is the whole screen (no taskbar, or one
  // that hides itself): sizing it would leave it marked maximised at the
  // remembered size, and the next click would restore instead of maximise.
  if (w.startState() != fw::kStateMaximised &&
      w.width() == fw::win::GetSystemMetrics(SM_CXSCREEN) &&
      w.height() == fw::win::GetSystemMetrics(SM_CYSCREEN)) {
    w.setWidth(playerWidth);
    w.setHeight(playerHeight);
    return;
  }
  w.setStartState(w.startState() == fw::kStateMaximised ? fw::kStateNormal : fw::kStateMaximised);
}

void onTopBarDoubleClick(int, int, int) { toggleMaximize(); }

void minimizeMainWindow() { mainWindow().setStartState(fw::kStateMinimised); }

void onTopBarMouseDown(int, int, int) { mainWindow().setDragToMove(true); }

void onTitleMouseDown(int, int, int) { mainWindow().setDragToMove(true); }

void updateMainMoveMode(int x, int y, int) {
  // Leaving the grip keeps moving off: it comes back on after a resize or a
  // press on the top bar or the title.
  fw::updateMoveModeOverGrip(mainWindow().图片框2, x, y, fw::AwayFromGrip::KeepMoveMode);
}

void startMainResize(int x, int y, int) {
  MainWindow& w = mainWindow();
  if (fw::inCornerGrip(w.图片框2, x, y)) {
    // The size changes during the resize do not lay out (gripResizing).
    gripResizing = 1;
    fw::resizeFromBottomRight(w);
  }
  if (gripResizing == 1) {
    gripResizing = 0;
    w.setDragToMove(true);
    layoutMainWindow();
  }
}

void showFileMenu() { mainWindow().文件.popUp(); }

void showOpenMenu() { mainWindow().打开.popUp(); }

void closeOrMinimizeToTray() {
  if (!isTrueSetting(closeToTray)) {
    shutDown();
    return;
  }
  MainWindow& w = mainWindow();
  w.setVisible(false);
  fw::setTrayIcon(w, assets::programIcon, kTrayTip);
}

void onTrayEvent(int type) {
  MainWindow& w = mainWindow();
  if (type == fw::kTrayLeftDoubleClick) {
    w.setVisible(!w.visible());
  } else if (type == fw::kTrayRightUp) {
    w.操作.popUpForTray();
  }
}

}  // namespace player
