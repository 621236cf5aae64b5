#include "player/playback/navigation.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include "engine/engine_items.h"
#include "framework/files.h"
#include "player/app/app.h"
#include "player/app/settings.h"
#include "player/playback/play_entry.h"
#include "player/playback/playback.h"
#include "player/windows/main/main_window.h"

namespace player {
namespace {

const Text kEmptyPlaylistHint = "播放列表中没有文件！";
// Appended to the entry's text; each begins with a blank.
const Text kLastEntryHint = " 已经是最后一个文件了！";
const Text kEntryMissingHint = " 不存在或者无权访问！";
const Text kFirstEntryHint = " 是播放列表中的第一个文件！";

int entryCount() { return static_cast<int>(playlist.size()); }

// A copy, since playEntry may replace the element it was given.
Text entryAt(int index) { return *playlistEntry(index); }

void playOrReportMissing(const Text& entry) {
  if (fw::fileExists(entry)) {
    playEntry(entry);
  } else {
    showHint(entry + kEntryMissingHint);
  }
}

void selectLoopMode(const char* mode) {
  MainWindow& window = mainWindow();
  loopMode = mode;
  window.顺序播放.setChecked(loopMode == "0");
  window.随机播放.setChecked(loopMode == "1");
  window.单曲循环.setChecked(loopMode == "2");
  // A settings file that cannot be written keeps the mode for this run only.
  writeSetting(kLoopModeKey, loopMode);
}

// The index the sequential order goes on from: the current entry's, or, once
// the current entry was deleted, that of the entry before its place (0 before
// the first).
int sequentialFrom() {
  const int place = removedEntryPlace();
  return place != 0 ? place - 1 : currentIndex;
}

// Repeat one once the current entry was deleted: the deleted file, still
// playing, is no entry to repeat. As in the other modes, the entry that now
// stands at its place becomes current; past the last entry (the last one was
// deleted), the first. The playlist is not empty.
void repeatFromRemovedPlace(int place) { currentIndex = place <= entryCount() ? place : 1; }

// currentIndex := 1 + the runtime generator's next value modulo the number of
// entries; the playlist is not empty. Seeding is the caller's.
void chooseRandomEntry() { currentIndex = 1 + std::rand() % entryCount(); }

// The previous command once the current entry was deleted: the entry before
// its place; at the first place, the first entry as from the first. The index
// names an entry only once the deleted one no longer plays.
void playPreviousFromRemovedPlace(int place) {
  if (place == 1) {
    const Text first = entryAt(1);
    showHint(first + kFirstEntryHint);
    if (!fw::fileExists(first)) {
      showHint(first + kEntryMissingHint);
      return;
    }
    currentIndex = 1;
    playEntry(first);
    return;
  }
  currentIndex = place - 1;
  playerEngine->close();
  playOrReportMissing(entryAt(currentIndex));
}

}  // namespace

NextChoice chooseNextEntry(Seeding seeding) {
  if (engineReady == 0) return {};
  const int n = entryCount();
  if (n == 0) {
    showHint(kEmptyPlaylistHint);
    return {};
  }
  if (loopMode == "1" && n >= 2) {
    if (seeding == Seeding::FromTickCount) std::srand(GetTickCount());
    chooseRandomEntry();
    return {.play = true};
  }
  if (loopMode == "2") {
    if (const int place = removedEntryPlace(); place != 0) {
      repeatFromRemovedPlace(place);
      return {.play = true};
    }
    // An index that names no element (nothing played yet, or left beyond the
    // end by deletions) has nothing to repeat.
    return {.play = playlistEntry(currentIndex) != nullptr};
  }
  if (loopMode != "0") return {};   // random mode with one entry
  const int from = sequentialFrom();
  if (from >= n) {
    if (playlistEntry(currentIndex)) showHint(entryAt(currentIndex) + kLastEntryHint);
    return {};
  }
  const Text entry = entryAt(from + 1);
  if (!fw::fileExists(entry)) {
    showHint(entry + kEntryMissingHint);
    // The next press moves past the missing entry. While a deleted entry
    // plays on, its place moves past it instead: the index must not name an
    // entry that is not what plays.
    currentIndex = removedEntryPlace() != 0 ? removedEntryIndex(from + 2) : from + 1;
    return {};
  }
  currentIndex = from + 1;
  return {.play = true, .bySequentialNext = true};
}

bool randomChoiceCanReachAPlayableEntry() {
  const std::size_t reachable =
      std::min(playlist.size(), static_cast<std::size_t>(RAND_MAX) + 1);
  for (std::size_t i = 0; i < reachable; ++i) {
    if (!isDlnaSkippedType(playlist[i])) return true;
  }
  return false;
}

void playNextEntry() {
  const NextChoice choice = chooseNextEntry(Seeding::FromTickCount);
  if (!choice.play) return;
  playEntry(entryAt(currentIndex));
  if (choice.bySequentialNext) reachedByNext = 1;
}

void playPreviousEntry() {
  if (engineReady == 0) return;
  const int n = entryCount();
  if (n == 0) {
    showHint(kEmptyPlaylistHint);
    return;
  }
  if (const int place = removedEntryPlace(); place != 0) {
    playPreviousFromRemovedPlace(place);
    return;
  }
  if (currentIndex == 1) {
    const Text first = entryAt(1);
    showHint(first + kFirstEntryHint);
    playOrReportMissing(first);
    return;
  }
  if (currentIndex > 1) --currentIndex;
  if ((currentIndex == n && n > 1) || (currentIndex >= 1 && currentIndex <= n - 1)) {
    playerEngine->close();
    playOrReportMissing(entryAt(currentIndex));
  }
}

void advanceAfterEnd() {
  MainWindow& window = mainWindow();
  window.时钟_标记播放进度.setInterval(0);
  window.时长滑块条.setPosition(0);
  const int n = entryCount();
  if (n == 0) {
    playerEngine->close();
    return;
  }
  if (loopMode == "1" && n >= 2) {
    // Not seeded: the sequence of the last next command goes on.
    chooseRandomEntry();
    playEntry(entryAt(currentIndex));
    return;
  }
  if (loopMode == "2") {
    if (const int place = removedEntryPlace(); place != 0) repeatFromRemovedPlace(place);
    if (playlistEntry(currentIndex)) playEntry(entryAt(currentIndex));
    return;
  }
  if (loopMode == "0") {
    const int from = sequentialFrom();
    currentIndex = from >= n ? 1 : from + 1;
    playEntry(entryAt(currentIndex));
  }
  // Random mode with one entry: playback stops after it.
}

void togglePlayPause() {
  if (engineReady == 0) return;
  switch (playerEngine->getState()) {
    case engine::kOpening:
    case engine::kState4:
    case engine::kPlaying:
      playerEngine->pause();
      break;
    case engine::kState2:
    case engine::kPaused:
      playerEngine->play();
      break;
    default:
      break;
  }
}

void selectSequentialMode() { selectLoopMode("0"); }
void selectRandomMode() { selectLoopMode("1"); }
void selectRepeatOneMode() { selectLoopMode("2"); }

void closeVideo() {
  MainWindow& window = mainWindow();
  window.时钟_标记播放进度.setInterval(0);
  playerEngine->close();
  window.电影名标签.setCaption("");
  window.时长滑块条.setPosition(0);
  window.进度标签.setCaption("00:00:00/00:00:00");
}

void onStopButton() {
  if (engineReady == 0) return;
  closeVideo();
}

void onNextMenu() { playNextEntry(); }
void onPreviousMenu() { playPreviousEntry(); }
void onPlayPauseMenu() { togglePlayPause(); }

}  // namespace player
