#pragma once
// The DLNA device window: a skinned, borderless window listing the renderers
// the engine has found, one line each ("name;identifier"). Its description is
// in dlna_window.cpp, its behaviour in dlna_devices.cpp. It has no state beyond
// its units: the list is filled while it is open and lost when it closes.
#include "framework/window.h"

namespace player {

class DlnaWindow : public fw::Window {
 public:
  DlnaWindow();
  ~DlnaWindow() override;

  fw::PictureBox 图片框1;          // the top bar
  fw::Label 标签1;                 // the title
  fw::Label 标签2;                 // the warning
  fw::PictureButton 关闭图形按钮;
  fw::ListBox 列表框1;             // renderer lines, in the order first reported
  fw::Button 按钮1;                // 确定
  fw::Button 按钮2;                // 强制刷新
  fw::Button 按钮3;                // 取消DLNA播放
  fw::Timer 时钟1;                 // reads the engine's renderer list while open
};

// How often the open window reads the engine's renderer list.
inline constexpr int kDlnaPollInterval = 1000;

// The window's handlers, bound by its description.
// Created: starts the engine's renderer discovery and the poll timer.
void startDlnaDiscovery();
// Poll timer: adds the renderer lines of the engine's list not yet listed.
void pollDlnaDevices();
// Adds the line as the last item unless an item holds exactly that text.
void addDlnaDeviceIfNew(const fw::Text& line);
// Hands the selected renderer to the engine (closing what is open), reports
// it, and closes the window; refusals report and leave everything as it was.
void applyDlnaDevice();
void onDlnaOkButton();
void onDlnaListDoubleClick();
// Asks the engine to search again; the list is kept.
void refreshDlnaDevices();
// Casting ends (what plays goes on, here) and the window closes.
void cancelDlnaCasting();
// The window closes; discovery and the chosen renderer are left as they are.
void closeDlnaWindow();

}  // namespace player
