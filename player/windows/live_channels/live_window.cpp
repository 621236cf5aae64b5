// The live channel window as described: every unit with its placement and
// bound event.
#include "player/windows/live_channels/live_window.h"

namespace player {

LiveChannelWindow::LiveChannelWindow()
    : Window({.left = 50, .top = 50, .width = 160, .height = 327,
              .caption = "观看直播",
              .border = fw::Border::FixedSingle,
              .minimizeBox = false,
              .maximizeBox = false,
              .closeBox = true,
              .opensCentred = true,
              .onCreated = onLiveWindowCreated}),
      树型框1(this, {.left = -3, .top = 0, .width = 160, .height = 300, .takesFocus = true,
                     .onDoubleClick = onLiveTreeDoubleClick,
                     .onRightPressItem = showLiveChannelMenu}),
      操作(this, {.caption = "操作", .visible = false}),
      播放(this, {.parent = &操作, .caption = "播放(&A)", .onClick = onLiveMenuPlay}) {}

}  // namespace player
