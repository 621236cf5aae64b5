#pragma once
// The audio output device window: what the rest of the player calls.
namespace player {

// Menu 文件 > 设置 > 选择声音输出设备(&S): loads the window, non-modal and
// without an owner; an open one is brought to the front, not filled again.
void showAudioDeviceWindow();

}  // namespace player
