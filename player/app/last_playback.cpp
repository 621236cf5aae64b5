// The last playback: which playlist entry was playing or paused at shut-down
// and where, kept in section 播放 of the settings file, and the menu command
// that opens it again at that place.
#include "engine/engine_items.h"
#include "framework/files.h"
#include "framework/ini.h"
#include "framework/modal.h"
#include "framework/program.h"
#include "player/app/app.h"
#include "player/app/settings.h"
#include "player/playback/playback.h"

namespace player {

void saveLastPlayback() {
  if (playerEngine == nullptr) return;
  if (playerEngine->getState() != engine::kPlaying && playerEngine->getState() != engine::kPaused) {
    return;
  }
  playerEngine->pause();
  // What plays need not be the current entry (an address, a live channel);
  // the record names the entry all the same, and nothing outside the list.
  const fw::Text* entry = playlistEntry(currentIndex);
  if (entry == nullptr) return;
  // Both keys or neither: an entry the settings file would not give back as
  // it stands (a line break or another control byte, a blank at an end: a
  // handed-over argument may hold any of them) is not stored, and the earlier
  // record stays; stored, it would read back as another entry, or break the
  // file's lines.
  if (!fw::iniValueReadsBack(*entry)) return;
  writeSetting(kLastFileKey, *entry);
  writeSetting(kLastPositionKey, fw::intToText(playerEngine->getPosition()));
}

void resumeLastPlayback() {
  const fw::Text file = readSetting(kLastFileKey);
  const int32_t position = readIntegerSetting(kLastPositionKey);
  if (file.empty()) {
    fw::messageBox("没有记录上次播放的文件！");
    return;
  }
  if (!fw::fileExists(file)) {
    fw::messageBox(file + " 已不存在！");
    return;
  }
  playlist.clear();
  playlist.push_back(file);
  currentIndex = 1;
  playEntry(playlist[0]);
  // The position only holds once the medium plays. The windows, timers and
  // the engine's callbacks keep running meanwhile; whatever reaches playing
  // first ends the wait.
  do {
    fw::sleepMilliseconds(1);
    fw::handlePendingMessages();
  } while (playerEngine->getState() != engine::kPlaying);
  playerEngine->pause();
  playerEngine->setPosition(position);
  playerEngine->play();
}

}  // namespace player
