#pragma once
// The hidden live channel window: built-in live streams in a tree, reached
// only by a Ctrl double-click on the main window's logo while the frame-rate
// readout is on, behind an access code asked once per run.
#include "framework/text.h"

namespace player {

extern bool liveChannelsUnlocked;          // the access code was given in this run
extern fw::TextArray liveChannelAddresses;   // the channels that open, in tree order

// The logo's double-click (x, y in the button, keys held: Ctrl 1, Shift 2,
// Alt 4). With Ctrl alone and the readout on: the access check, then the window.
void promptHiddenChannels(int x, int y, int keys);

}  // namespace player
