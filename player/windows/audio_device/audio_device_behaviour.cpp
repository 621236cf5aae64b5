// Choosing the engine's audio output device: the list comes from the engine
// each time the window opens, and a choice goes to the engine at once and into
// the settings file for the next start.
#include "engine/engine_items.h"
#include "framework/ini.h"
#include "framework/modal.h"
#include "player/app/app.h"
#include "player/app/settings.h"
#include "player/windows/audio_device/audio_device.h"
#include "player/windows/audio_device/audio_device_behaviour.h"
#include "player/windows/audio_device/audio_device_window.h"

namespace player {
namespace {

AudioDeviceWindow& theWindow() { return *fw::openWindow<AudioDeviceWindow>(); }

}  // namespace

void showAudioDeviceWindow() { fw::loadWindow<AudioDeviceWindow>(); }

void onAudioDeviceWindowCreated() { fillAudioDeviceList(); }

void fillAudioDeviceList() {
  fw::ListBox& list = theWindow().列表框1;
  // Empty names stay as lines of their own, so the list matches the engine's
  // positions; choosing one is refused in applyAudioDevice.
  for (const fw::Text& name : fw::splitText(playerEngine->getConfig(engine::kAudioDevices), ";"))
    list.addItem(name);
}

void applyAudioDevice() {
  AudioDeviceWindow& window = theWindow();
  const int line = window.列表框1.selectedLine();
  if (line == -1) {
    fw::messageBox("请选择设备！");
    return;
  }
  const fw::Text name = window.列表框1.itemText(line);
  if (name.empty()) {
    fw::messageBox("声音设备名称不能为空！");
    return;
  }
  // The engine switches even when the name cannot be stored: the user hears
  // the choice now, and only the next start would miss it.
  playerEngine->setConfig(engine::kAudioDevice, name);
  // The one settings write whose result is looked at: a choice the next start
  // would not find must not be confirmed as stored.
  if (!fw::iniWrite(settingsPath, kAudioDeviceKey.section, kAudioDeviceKey.key, name)) {
    fw::messageBox("写入配置文件失败！");
    return;
  }
  fw::messageBox("输出设备已更改为：\r\n" + name + "\r\n\r\n将在播放下一个文件时生效！");
  window.destroy();
}

void onAudioDeviceOkButton() { applyAudioDevice(); }

void onAudioDeviceDoubleClick() { applyAudioDevice(); }

void closeAudioDeviceWindow() { theWindow().destroy(); }

}  // namespace player
