#include "player/app/app.h"

#include "engine/engine_items.h"
#include "framework/files.h"
#include "framework/image.h"
#include "framework/modal.h"
#include "framework/program.h"
#include "framework/windows_routines.h"
#include "player/app/hand_over.h"
#include "player/app/settings.h"
#include "player/playback/playback.h"
#include "player/sources/sources.h"
#include "player/windows/main/geometry.h"
#include "player/windows/main/main_window.h"
#include "player/windows/playlist/playlist_window.h"

namespace player {
namespace {

constexpr int kHintDurationMs = 5000;

void playFirstEntry() {
  currentIndex = 1;
  playEntry(playlist[0]);
}

// Gives the engine its logo, writing the file from the video area's picture
// only when it is missing: an existing file is used as it is.
void giveEngineItsLogo() {
  const fw::Text path = fw::environmentVariable("temp") + "\\" + kLogoFileName;
  if (fw::fileExists(path)) {
    playerEngine->setCustomLogo(path);
    return;
  }
  if (!fw::writeWholeFile(path, logoPicture)) return;
  fw::convertImageToBmp(path);
  playerEngine->setCustomLogo(path);
}

// A remembered size outside what the window can be used at (too small for its
// bars, or beyond every screen) gives way to the described size; nothing in the
// program could repair it otherwise.
int usableSize(int remembered, int smallest, int screenMetric, int described) {
  const int largest = fw::win::GetSystemMetrics(screenMetric);
  return remembered < smallest || remembered > largest ? described : remembered;
}

void readStartSettings() {
  defaultVolume = readIntegerSetting(kDefaultVolumeKey);
  playerWidth = usableSize(readIntegerSetting(kPlayerWidthKey), geometry::kSmallestWidth,
                           SM_CXVIRTUALSCREEN, geometry::kWindowWidth);
  playerHeight = usableSize(readIntegerSetting(kPlayerHeightKey), geometry::kSmallestHeight,
                            SM_CYVIRTUALSCREEN, geometry::kWindowHeight);
  seekStepMs = readIntegerSetting(kSeekStepKey);
  autoSizeSetting = readSetting(kAutoSizeKey);
  audioDeviceSetting = readSetting(kAudioDeviceKey);
  overwriteOnDrop = readSetting(kOverwriteOnDropKey);
  closeToTray = readSetting(kCloseToTrayKey);
}

}  // namespace

int programEntry() {
  fw::startProgram();
  initGlobals();
  fw::setExitRoutine(cleanupGlobals);
  fw::loadWindow<MainWindow>();
  fw::runMessageLoop();
  return 0;
}

void initGlobals() {
  constructGlobals();
  initDropStorage();
}

void cleanupGlobals() {
  destructGlobals();
  freeDropStorage();
}

void constructGlobals() {
  playerEngine = new PlayerEngine();
  dropReceiver = new DropReceiver();
  resetAppState();
  resetPlaybackState();
  resetPlaylistWindowState();
  gripResizing = 0;
}

void destructGlobals() {
  if (playerEngine != nullptr) {
    playerEngine->finalizeEngineObject();
    delete playerEngine;
    playerEngine = nullptr;
  }
  if (dropReceiver != nullptr) {
    dropReceiver->finalizeDropReceiver();
    delete dropReceiver;
    dropReceiver = nullptr;
  }
  for (fw::TextArray* list : {&playlist, &dlnaSkipTypes, &dlnaConvertTypes, &playlistCopy}) {
    fw::TextArray().swap(*list);
  }
  for (fw::Text* text : {&settingsPath, &loopMode, &autoSizeSetting, &audioDeviceSetting,
                         &overwriteOnDrop, &closeToTray}) {
    fw::Text().swap(*text);
  }
  fw::Bytes().swap(logoPicture);
}

void startPlayer() {
  settingsPath = fw::currentDirectory() + "\\" + kSettingsFileName;
  // A later instance that handed its path over has ended here.
  if (!handOffToRunningInstance()) return;
  logoPicture = mainWindow().图片框1.pictureBytes();
  initEngineAndSettings();
  keepDisplayAwake();
  // A command-line entry plays whether or not it names anything.
  if (!playlist.empty()) {
    playFirstEntry();
    return;
  }
  loadPlaylistFrom(fw::currentDirectory() + "\\" + kPlaylistFileName, PlaylistSource::File);
  if (!playlist.empty()) playFirstEntry();
}

void initEngineAndSettings() {
  MainWindow& window = mainWindow();
  const int width = window.width();
  const int height = window.height();
  // The engine's video window fills what the two bars leave.
  engineReady = playerEngine->create(window.handle(), 0, geometry::kVideoTop, width,
                                     height - geometry::kBarsHeight,
                                     engineMessageCallback, engineStateCallback,
                                     engineOpenedCallback, 0, 0, 0, 0, 0);
  if (engineReady == 0) {
    fw::messageBox("播放器初始化失败！");
    return;
  }
  // The player's keys arrive through the engine's video window: it takes the
  // focus whenever the main window would.
  window.setMainChild(playerEngine->getWindow());
  giveEngineItsLogo();
  hintDuration = kHintDurationMs;
  readStartSettings();
  if (!audioDeviceSetting.empty()) playerEngine->setConfig(engine::kAudioDevice, audioDeviceSetting);
  loadDlnaSkipTypes();
  loadDlnaConvertTypes();
  window.音量滑块条.setPosition(defaultVolume);
  // The slider keeps to its range: the engine starts at the volume it shows.
  playerEngine->setVolume(window.音量滑块条.position());
  // Each change raises the size-changed event, which lays the window out and
  // moves the engine's video window along.
  window.setWidth(playerWidth);
  window.setHeight(playerHeight);
  loadLoopMode();
  // Drops, and the paths later instances hand over, are taken on the drop
  // timer, which runs only when the video window took the drop target.
  if (dropReceiver->attachDropTarget(playerEngine->getWindow()) == 1)
    window.拖放组件时钟.setInterval(kDropTimerInterval);
}

void keepDisplayAwake() { fw::win::SetThreadExecutionState(ES_CONTINUOUS | ES_DISPLAY_REQUIRED); }

void shutDown() {
  // Before the close, while the state and position still tell what played.
  saveLastPlayback();
  if (playerEngine != nullptr) playerEngine->close();
  if (isTrueSetting(closeToTray) && mainWindowExists()) fw::removeTrayIcon(mainWindow());
  fw::endProgram(0);
}

void onExitMenu() { shutDown(); }

void onExitOperationMenu() { shutDown(); }

}  // namespace player
