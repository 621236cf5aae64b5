// The main window as described: its settings, every unit with its placement,
// artwork and bound events, and its two pop-up menus. Units of a bar are
// placed in the bar's own pixels; layoutMainWindow moves them with the size.
#include "assets/assets.h"
#include "player/app/app.h"
#include "player/playback/playback.h"
#include "player/sources/sources.h"
#include "player/windows/about/about.h"
#include "player/windows/audio_device/audio_device.h"
#include "player/windows/dlna/dlna.h"
#include "player/windows/file_types/file_types.h"
#include "player/windows/live_channels/live_channels.h"
#include "player/windows/main/geometry.h"
#include "player/windows/main/main_window.h"
#include "player/windows/main/main_window_behaviour.h"
#include "player/windows/playlist/playlist_window.h"


namespace player {
using namespace geometry;
namespace {

MainWindow* theMainWindow = nullptr;

constexpr fw::Rgb kWhite{255, 255, 255};
// The bottom bar's colour, also the field of the video area and its logo.
constexpr fw::Rgb kSkinDark{13, 13, 13};

}  // namespace

MainWindow& mainWindow() { return *theMainWindow; }

bool mainWindowExists() { return theMainWindow != nullptr; }

MainWindow::MainWindow()
    : Window({.left = 50, .top = 50, .width = kWindowWidth, .height = kWindowHeight,
              .caption = "Quorle播放器",
              .border = fw::Border::None,
              .opensCentred = true,
              .showInTaskbar = true,
              .dragToMove = true,
              .escCloses = false,
              .alwaysOnTop = false,
              .onCreated = startPlayer,
              .onDestroying = shutDown,
              .onSizeChanged = onMainWindowResized,
              .onTrayEvent = onTrayEvent}),

      // ---- top bar ----
      顶部背景(this, {.left = 0, .top = 0, .width = kWindowWidth, .height = kTopBarHeight,
                      .picture = assets::topBar, .carriesPictureEdges = true,
                      .onLeftDown = onTopBarMouseDown, .onDoubleClick = onTopBarDoubleClick}),
      电影名标签(this, {.parent = &顶部背景, .left = 183, .top = 7, .width = 434, .height = 31,
                        .caption = "正在播放：", .textColour = kWhite,
                        .align = fw::TextAlign::Centre,   // the box itself is kept centred
                        .visible = false, .enabled = false,
                        .onLeftDown = onTitleMouseDown,
                        .pressWhileDisabled = true}),   // the press switches moving back on
      图形按钮1(this, {.parent = &顶部背景, .left = 0, .top = -7, .width = 120, .height = 46,
                       .picture = assets::logoButton, .hoverPicture = assets::logoButtonHover,
                       .pressedPicture = assets::logoButtonPressed,
                       .onClick = showFileMenu, .onDoubleClick = promptHiddenChannels}),
      最小化图形按钮(this, {.parent = &顶部背景, .left = 731, .top = 0, .width = 17, .height = 16,
                            .picture = assets::minimiseButton,
                            .hoverPicture = assets::minimiseButtonHover,
                            .pressedPicture = assets::minimiseButtonPressed,
                            .onClick = minimizeMainWindow}),
      最大化图形按钮(this, {.parent = &顶部背景, .left = 756, .top = 0, .width = 17, .height = 16,
                            .picture = assets::maximiseButton,
                            .hoverPicture = assets::maximiseButtonHover,
                            .pressedPicture = assets::maximiseButtonPressed,
                            .onClick = toggleMaximize}),
      关闭图形按钮(this, {.parent = &顶部背景, .left = 782, .top = 0, .width = 17, .height = 16,
                          .picture = assets::closeButton, .hoverPicture = assets::closeButtonHover,
                          .pressedPicture = assets::closeButtonPressed,
                          .onClick = closeOrMinimizeToTray}),
      接收文本列表框(this, {.parent = &顶部背景, .left = 568, .top = 3, .width = 28, .height = 32,
                            .visible = false}),
      实时帧率时钟(this, {.parent = &顶部背景, .left = 600, .top = 5, .width = 26, .height = 26,
                          .onTick = showFrameRate}),
      拖放组件时钟(this, {.parent = &顶部背景, .left = 624, .top = 5, .width = 26, .height = 26,
                          .onTick = pollDropAndHandOff}),
      时钟_销毁提示文本(this, {.parent = &顶部背景, .left = 648, .top = 5, .width = 26, .height = 26,
                               .onTick = hideHint}),
      时钟_标记播放进度(this, {.parent = &顶部背景, .left = 673, .top = 5, .width = 26, .height = 26,
                               .onTick = onProgressTimer}),
      通用对话框1(this, {.parent = &顶部背景, .left = 698, .top = 5, .width = 26, .height = 26}),

      // ---- video area: covered by the engine's own video window ----
      图片框1(this, {.left = 0, .top = kVideoTop, .width = kWindowWidth,
                     .height = kWindowHeight - kBarsHeight,
                     .picture = assets::videoLogo, .background = kSkinDark}),

      // ---- bottom bar ----
      图片框2(this, {.left = 0, .top = kWindowHeight - kBottomBarHeight, .width = kWindowWidth,
                     .height = kBottomBarHeight,
                     .background = kSkinDark,
                     .onMouseMove = updateMainMoveMode, .onLeftDown = startMainResize}),
      时长滑块条(this, {.parent = &图片框2, .left = 0, .top = 0, .width = kWindowWidth, .height = 11,
                        .minimum = 0, .maximum = 100, .position = 0,
                        .trackPicture = assets::durationTrack,
                        .fillPicture = assets::durationFill,
                        .thumbPicture = assets::durationThumb,
                        .onPositionChanged = seekFromSlider, .onKeyDown = onDurationSliderKey}),
      进度标签(this, {.parent = &图片框2, .left = 5, .top = 35, .width = 110, .height = 15,
                      .caption = "00:00:00/00:00:00", .textColour = kWhite, .enabled = false}),
      停止按钮(this, {.parent = &图片框2, .left = 247, .top = 24, .width = 38, .height = 38,
                      .picture = assets::stopButton, .hoverPicture = assets::stopButtonHover,
                      .pressedPicture = assets::stopButtonPressed,
                      .onClick = onStopButton}),
      上一个按钮(this, {.parent = &图片框2, .left = 320, .top = 23, .width = 38, .height = 38,
                        .picture = assets::previousButton,
                        .hoverPicture = assets::previousButtonHover,
                        .pressedPicture = assets::previousButtonPressed,
                        .onClick = playPreviousEntry}),
      暂停按钮(this, {.parent = &图片框2, .left = 376, .top = 14, .width = 49, .height = 49,
                      .picture = assets::playPauseButton,
                      .hoverPicture = assets::playPauseButtonHover,
                      .pressedPicture = assets::playPauseButtonPressed,
                      .onClick = togglePlayPause}),
      下一个按钮(this, {.parent = &图片框2, .left = 441, .top = 23, .width = 38, .height = 38,
                        .picture = assets::nextButton, .hoverPicture = assets::nextButtonHover,
                        .pressedPicture = assets::nextButtonPressed,
                        .onClick = playNextEntry}),
      打开媒体文件按钮(this, {.parent = &图片框2, .left = 514, .top = 24, .width = 38, .height = 38,
                              .picture = assets::openButton,
                              .hoverPicture = assets::openButtonHover,
                              .pressedPicture = assets::openButtonPressed,
                              .onClick = showOpenMenu}),
      音量按钮(this, {.parent = &图片框2, .left = 629, .top = 34, .width = 18, .height = 18,
                      .picture = assets::muteButton, .hoverPicture = assets::muteButtonHover,
                      .pressedPicture = assets::muteButtonPressed,
                      .onClick = toggleMute}),
      音量滑块条(this, {.parent = &图片框2, .left = 651, .top = 37, .width = 100, .height = 10,
                        .minimum = 0, .maximum = 100, .position = 80,
                        .trackPicture = assets::volumeTrack, .fillPicture = assets::volumeFill,
                        .thumbPicture = assets::volumeThumb,
                        .onPositionChanged = applyVolumeSlider}),
      全屏按钮(this, {.parent = &图片框2, .left = 765, .top = 28, .width = 30, .height = 30,
                      .picture = assets::fullScreenButton,
                      .hoverPicture = assets::fullScreenButtonHover,
                      .pressedPicture = assets::fullScreenButtonPressed,
                      .onClick = toggleFullScreen}),

      // ---- menu 文件, popped up from the logo button ----
      // The items that open a window of their own, and the open commands, get
      // their operation together with that window or command.
      文件(this, {.caption = "文件", .visible = false}),
      打开(this, {.parent = &文件, .caption = "打开"}),
      打开文件(this, {.parent = &打开, .caption = "打开文件(&A)", .onClick = onOpenFileMenu}),
      打开网络文件(this, {.parent = &打开, .caption = "打开网络文件(&D)",
                          .onClick = openNetworkAddress}),
      打开文件夹(this, {.parent = &打开, .caption = "打开文件夹(&S)",
                        .onClick = openFolderAndPlay}),
      载入播放列表(this, {.parent = &打开, .caption = "载入播放列表(&W)",
                          .onClick = loadPlaylistFileAndPlay}),
      显示播放列表(this, {.parent = &打开, .caption = "显示播放列表(&F)",
                          .onClick = showPlaylistWindow}),
      设置(this, {.parent = &文件, .caption = "设置"}),
      选择声音输出设备(this, {.parent = &设置, .caption = "选择声音输出设备(&S)",
                              .onClick = showAudioDeviceWindow}),
      关联文件类型(this, {.parent = &设置, .caption = "关联文件类型(&R)",
                          .onClick = showAssociationWindow}),
      循环模式(this, {.parent = &文件, .caption = "循环模式"}),
      顺序播放(this, {.parent = &循环模式, .caption = "顺序播放(&A)",
                      .onClick = selectSequentialMode}),
      随机播放(this, {.parent = &循环模式, .caption = "随机播放(&S)",
                      .onClick = selectRandomMode}),
      单曲循环(this, {.parent = &循环模式, .caption = "单曲循环(&D)",
                      .onClick = selectRepeatOneMode}),
      播放到DLNA设备(this, {.parent = &文件, .caption = "播放到DLNA设备(&D)",
                            .onClick = showDlnaWindow}),
      继续上一次的播放(this, {.parent = &文件, .caption = "继续上一次的播放(&G)",
                              .onClick = resumeLastPlayback}),
      关闭视频(this, {.parent = &文件, .caption = "关闭视频(&C)", .onClick = closeVideo}),
      关于Quorle(this, {.parent = &文件, .caption = "关于Quorle(&E)", .onClick = showAboutWindow}),
      退出程序(this, {.parent = &文件, .caption = "退出程序(&X)", .onClick = onExitMenu}),

      // ---- menu 操作, popped up from the tray icon and over the video ----
      操作(this, {.caption = "操作", .visible = false}),
      播放暂停(this, {.parent = &操作, .caption = "播放/暂停(&A)", .onClick = onPlayPauseMenu}),
      下一个(this, {.parent = &操作, .caption = "下一个(&N)", .onClick = onNextMenu}),
      上一个(this, {.parent = &操作, .caption = "上一个(&S)", .onClick = onPreviousMenu}),
      手动定位(this, {.parent = &操作, .caption = "手动定位(&D)",
                      .onClick = seekToTypedPosition}),
      显示关闭实时帧率(this, {.parent = &操作, .caption = "显示/关闭实时帧率(&F)",
                              .onClick = toggleFrameRateDisplay}),
      退出(this, {.parent = &操作, .caption = "退出(&X)", .onClick = onExitOperationMenu}) {
  theMainWindow = this;
}

MainWindow::~MainWindow() { theMainWindow = nullptr; }

}  // namespace player
