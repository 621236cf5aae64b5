#pragma once
// Progress display, seeking, volume, on-video hints and the frame-rate
// readout; the handlers are declared in playback.h.
#include <cstdint>

#include "framework/text.h"

namespace player {

// The hint of a volume change: "音量：" + the volume + "%".
fw::Text volumeHint(int64_t volume);

}  // namespace player
