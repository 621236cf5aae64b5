#include "player/app/app.h"
#include "player/app/settings.h"

namespace player {

PlayerEngine* playerEngine = nullptr;
int engineReady = 0;
fw::Text settingsPath;
fw::Bytes logoPicture;

int defaultVolume = 0;
int playerWidth = 0;
int playerHeight = 0;
int seekStepMs = 0;
fw::Text autoSizeSetting;
fw::Text audioDeviceSetting;
fw::Text overwriteOnDrop;
fw::Text closeToTray;

void resetAppState() {
  engineReady = 0;
  settingsPath.clear();
  logoPicture.clear();
  defaultVolume = 0;
  playerWidth = 0;
  playerHeight = 0;
  seekStepMs = 0;
  autoSizeSetting.clear();
  audioDeviceSetting.clear();
  overwriteOnDrop.clear();
  closeToTray.clear();
}

}  // namespace player
