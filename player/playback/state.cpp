#include "player/playback/playback.h"

namespace player {

fw::TextArray playlist;
int currentIndex = 0;
fw::Text loopMode;
int reachedByNext = 0;
int openPending = 0;

fw::TextArray dlnaSkipTypes;
fw::TextArray dlnaConvertTypes;
int hintDuration = 0;

int isFullScreen = 0;
int savedLeft = 0, savedTop = 0, savedWidth = 0, savedHeight = 0;

std::array<int, 4> durationParts{0, 0, 0, 0};
int64_t durationMs = 0;

void resetPlaybackState() {
  playlist.clear();
  currentIndex = 0;
  loopMode.clear();
  reachedByNext = 0;
  openPending = 0;
  dlnaSkipTypes.clear();
  dlnaConvertTypes.clear();
  hintDuration = 0;
  isFullScreen = 0;
  savedLeft = savedTop = savedWidth = savedHeight = 0;
  durationParts = {0, 0, 0, 0};
  durationMs = 0;
}

fw::Text* playlistEntry(int index) {
  if (index < 1 || static_cast<std::size_t>(index) > playlist.size()) return nullptr;
  return &playlist[static_cast<std::size_t>(index) - 1];
}

}  // namespace player
