#pragma once
// The audio output device window's handlers, bound by its description. They
// run on the window's events and act on the open window.
namespace player {

void onAudioDeviceWindowCreated();
// Fills 列表框1 from the engine's device list, selecting nothing.
void fillAudioDeviceList();
// Hands the selected name to the engine, stores it, reports, and closes the
// window once the choice is stored.
void applyAudioDevice();
void onAudioDeviceOkButton();
void onAudioDeviceDoubleClick();
// Closes the window without handing anything to the engine or storing it.
void closeAudioDeviceWindow();

}  // namespace player
