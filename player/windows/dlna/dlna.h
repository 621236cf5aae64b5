#pragma once
// The DLNA device window: choosing the renderer the engine casts to, a forced
// search for renderers, and the end of casting. What other rooms call.
namespace player {

// Menu 播放到DLNA设备(&D): opens the window, not modal and without an owner;
// when it is open already, brings that one to the front instead.
void showDlnaWindow();

}  // namespace player
