#pragma once
// The player's main window: a skinned, borderless frame with a top bar, the
// video area the engine's own window covers, and a bottom control bar. Its
// units are members named as the user-facing description names them; menu
// items are named after their caption without the access-letter mark and
// without "/" (播放/暂停(&A) is 播放暂停, 显示/关闭实时帧率(&F) is 显示关闭实时帧率).
// The description itself (placement, artwork, every event binding) is in
// main_window.cpp; the behaviour of the window's own handlers in
// main_window_behaviour.cpp; its figures in geometry.h.
#include "framework/window.h"

namespace player {

class MainWindow : public fw::Window {
 public:
  MainWindow();
  ~MainWindow() override;

  // Top bar and what sits on it.
  // A unit declared later lies over the ones before it: the title, centred,
  // reaches over the logo's place in a narrow window, and the logo and the
  // three caption buttons stay whole and take their presses over it.
  fw::PictureBox 顶部背景;
  fw::TransparentLabel 电影名标签;      // the title, hidden until something plays
  fw::PictureButton 图形按钮1;          // the logo; pops up the menu 文件
  fw::PictureButton 最小化图形按钮;
  fw::PictureButton 最大化图形按钮;
  fw::PictureButton 关闭图形按钮;
  fw::ListBox 接收文本列表框;           // hidden: paths handed over by a later instance
  fw::Timer 实时帧率时钟;
  fw::Timer 拖放组件时钟;
  fw::Timer 时钟_销毁提示文本;
  fw::Timer 时钟_标记播放进度;
  fw::CommonDialog 通用对话框1;

  // The video area: its picture is the logo handed to the engine.
  fw::PictureBox 图片框1;

  // The bottom control bar; its bottom-right 9 × 9 pixels are the grip.
  fw::PictureBox 图片框2;
  fw::Slider 时长滑块条;                // whole seconds
  fw::TransparentLabel 进度标签;
  fw::PictureButton 停止按钮;
  fw::PictureButton 上一个按钮;
  fw::PictureButton 暂停按钮;
  fw::PictureButton 下一个按钮;
  fw::PictureButton 打开媒体文件按钮;   // pops up the sub-menu 打开
  fw::PictureButton 音量按钮;           // mute
  fw::Slider 音量滑块条;                // 0 to 100
  fw::PictureButton 全屏按钮;

  // Menu 文件 (hidden: popped up from the logo button).
  fw::MenuItem 文件;
  fw::MenuItem 打开;
  fw::MenuItem 打开文件;
  fw::MenuItem 打开网络文件;
  fw::MenuItem 打开文件夹;
  fw::MenuItem 载入播放列表;
  fw::MenuItem 显示播放列表;
  fw::MenuItem 设置;
  fw::MenuItem 选择声音输出设备;
  fw::MenuItem 关联文件类型;
  fw::MenuItem 循环模式;
  fw::MenuItem 顺序播放;
  fw::MenuItem 随机播放;
  fw::MenuItem 单曲循环;
  fw::MenuItem 播放到DLNA设备;
  fw::MenuItem 继续上一次的播放;
  fw::MenuItem 关闭视频;
  fw::MenuItem 关于Quorle;
  fw::MenuItem 退出程序;

  // Menu 操作 (hidden: popped up from the tray icon and over the video).
  fw::MenuItem 操作;
  fw::MenuItem 播放暂停;
  fw::MenuItem 下一个;
  fw::MenuItem 上一个;
  fw::MenuItem 手动定位;
  fw::MenuItem 显示关闭实时帧率;
  fw::MenuItem 退出;
};

// The one main window. Valid from the start of its construction to the end of
// its destruction; the program creates it once and keeps it for its whole run.
MainWindow& mainWindow();
// False before the main window is constructed and after it is gone.
bool mainWindowExists();

extern int gripResizing;   // a resize from the corner grip is running

// Places every unit and the engine's video window from the window's size.
void layoutMainWindow();
// The units alone as layoutMainWindow places them, the engine's video window
// left where it is (full screen places it itself).
void layoutMainWindowUnits();
// Leaves a screen-sized window to playerWidth × playerHeight, or else toggles
// between normal and maximised (work area). Clears isFullScreen first.
void toggleMaximize();

}  // namespace player
