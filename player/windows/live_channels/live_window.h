#pragma once
// The live channel window: a small fixed frame holding the channel tree, and
// a hidden menu popped up over an item. The description is in
// live_window.cpp, the behaviour in live_channels.cpp.
#include "framework/window.h"

namespace player {

class LiveChannelWindow : public fw::Window {
 public:
  LiveChannelWindow();

  fw::TreeBox 树型框1;
  fw::MenuItem 操作;     // hidden: only popped up
  fw::MenuItem 播放;     // 播放(&A)
};

// Handlers bound by the description.
void onLiveWindowCreated();
void onLiveTreeDoubleClick();
void showLiveChannelMenu();
void onLiveMenuPlay();

}  // namespace player
