// The audio output device window as described: one entry per unit.
#include "player/windows/audio_device/audio_device_window.h"

#include "assets/assets.h"
#include "player/windows/audio_device/audio_device_behaviour.h"

namespace player {
namespace {

constexpr fw::Rgb kPanel{60, 65, 68};
constexpr fw::Rgb kWhite{255, 255, 255};

}  // namespace

AudioDeviceWindow::AudioDeviceWindow()
    : Window({.left = 50, .top = 50, .width = 500, .height = 255,
              .caption = "",
              .border = fw::Border::None,
              .opensCentred = true,
              .background = kPanel,
              .onCreated = onAudioDeviceWindowCreated}),
      图片框1(this, {.left = 0, .top = 0, .width = 500, .height = 32, .background = kPanel}),
      标签1(this, {.parent = &图片框1, .left = 150, .top = 6, .width = 200, .height = 24,
                   .caption = "选择音频输出设备", .textColour = kWhite,
                   .align = fw::TextAlign::Centre}),
      关闭图形按钮(this, {.left = 483, .top = 0, .width = 17, .height = 16,
                          .picture = assets::smallCloseButton,
                          .hoverPicture = assets::smallCloseButtonHover,
                          .pressedPicture = assets::smallCloseButtonPressed,
                          .onClick = closeAudioDeviceWindow}),
      列表框1(this, {.left = -1, .top = 31, .width = 502, .height = 184, .extraLineHeight = 4,
                     .onItemDoubleClick = onAudioDeviceDoubleClick}),
      按钮1(this, {.left = 210, .top = 218, .width = 80, .height = 32, .caption = "确定",
                   .onClick = onAudioDeviceOkButton}) {}

}  // namespace player
