#include "player/state.h"

namespace player {

PlayerEngine* playerEngine = nullptr;
int engineReady = 0;
Text settingsPath;

TextArray playlist;
int currentIndex = 0;
Text loopMode;
int reachedByNext = 0;
int openPending = 0;

TextArray dlnaSkipTypes;
TextArray dlnaConvertTypes;
int hintDuration = 0;
fw::Bytes logoPicture;

int defaultVolume = 0;
int playerWidth = 0;
int playerHeight = 0;
int seekStepMs = 0;
Text autoSizeSetting;
Text audioDeviceSetting;
Text overwriteOnDrop;
Text closeToTray;

int isFullScreen = 0;
int savedLeft = 0, savedTop = 0, savedWidth = 0, savedHeight = 0;
int gripResizing = 0;

std::array<int, 4> durationParts{0, 0, 0, 0};
int64_t durationMs = 0;

bool playlistWindowOpen = false;
TextArray playlistCopy;
int playlistChanged = 0;

TextArray droppedFiles;
int dropPending = 0;

bool liveChannelsUnlocked = false;
TextArray liveChannelAddresses;
Text progId;
Text playerExePath;
TextArray formatExtensions;

Text* playlistEntry(int index) {
  if (index < 1 || static_cast<std::size_t>(index) > playlist.size()) return nullptr;
  return &playlist[static_cast<std::size_t>(index) - 1];
}

}  // namespace player
