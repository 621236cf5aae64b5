#pragma once
// The audio output device window: a skinned, borderless panel listing the
// engine's output devices. Its description is in audio_device_window.cpp, its
// handlers in audio_device_behaviour.cpp.
#include "framework/window.h"

namespace player {

class AudioDeviceWindow : public fw::Window {
 public:
  AudioDeviceWindow();

  fw::PictureBox 图片框1;          // the window's top bar
  fw::Label 标签1;                 // the window's title, on the top bar
  fw::PictureButton 关闭图形按钮;
  fw::ListBox 列表框1;             // one line per device name, in the engine's order
  fw::Button 按钮1;                // 确定
};

}  // namespace player
