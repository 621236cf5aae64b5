// The audio output device window as described: one entry per unit.
#include "player/windows/audio_device/audio_device_window.h"

#include "player/windows/audio_device/audio_device_behaviour.h"
#include "player/windows/skin.h"

namespace player {

AudioDeviceWindow::AudioDeviceWindow()
    : Window({.left = 50, .top = 50, .width = 500, .height = 255,
              .caption = "",
              .border = fw::Border::None,
              .opensCentred = true,
              .background = skin::kPanel,
              .onCreated = onAudioDeviceWindowCreated}),
      图片框1(this, {.left = 0, .top = 0, .width = 500, .height = 32, .background = skin::kPanel}),
      标签1(this, {.parent = &图片框1, .left = 150, .top = 6, .width = 200, .height = 24,
                   .caption = "选择音频输出设备", .textColour = skin::kWhite,
                   .align = fw::TextAlign::Centre}),
      关闭图形按钮(this, skin::smallCloseButton({.left = 483, .top = 0, .width = 17, .height = 16,
                                                   .onClick = closeAudioDeviceWindow})),
      列表框1(this, {.left = -1, .top = 31, .width = 502, .height = 184, .extraLineHeight = 4, .takesFocus = true,
                     .onItemDoubleClick = onAudioDeviceDoubleClick}),
      按钮1(this, {.left = 210, .top = 218, .width = 80, .height = 32, .caption = "确定", .takesFocus = true,
                   .onClick = onAudioDeviceOkButton}) {}

}  // namespace player
