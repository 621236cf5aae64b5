#include "player/playback/play_entry.h"

#include "engine/engine_items.h"
#include "framework/files.h"
#include "framework/process.h"
#include "player/app/app.h"
#include "player/playback/playback.h"
#include "player/windows/main/main_window.h"

namespace player {
namespace {

// A skipped entry hands on to the next command, which may come back to a
// skipped entry (repeat one, or a playlist of skipped types only). The chain
// ends once it has passed over as many entries in a row as the playlist holds.
int skipsInARow = 0;
int playEntryDepth = 0;

// Counts the nesting of playEntry, so that each outermost call starts a new
// chain of skips.
class PlayEntryScope {
 public:
  PlayEntryScope() {
    if (playEntryDepth++ == 0) skipsInARow = 0;
  }
  ~PlayEntryScope() { --playEntryDepth; }
  PlayEntryScope(const PlayEntryScope&) = delete;
  PlayEntryScope& operator=(const PlayEntryScope&) = delete;
};

bool extensionIsListed(const Text& entry, const TextArray& list) {
  if (list.empty()) return false;
  TextArray segments = fw::splitText(entry, ".");
  if (segments.empty()) return false;
  const Text extension = "." + segments.back();
  for (const Text& element : list) {
    if (extension == element) return true;
  }
  return false;
}

bool skipChainMayGoOn() {
  const int entries = static_cast<int>(playlist.size());
  // With an empty playlist the next command only shows its hint.
  return entries == 0 || skipsInARow < entries;
}

}  // namespace

bool isDlnaSkippedType(const Text& entry) { return extensionIsListed(entry, dlnaSkipTypes); }

bool isDlnaConvertType(const Text& entry) { return extensionIsListed(entry, dlnaConvertTypes); }

Text dlnaConversionDestination(const Text& entry) {
  TextArray segments = fw::splitText(entry, ".");
  if (segments.empty()) return entry;
  // Every field but the last is followed by exactly one "." in the entry.
  std::size_t start = 0;
  for (std::size_t i = 0; i + 1 < segments.size(); ++i) start += segments[i].size() + 1;
  Text destination = entry;
  destination.replace(start, segments.back().size(), "wav");
  return destination;
}

bool convertForDlna(const Text& source, const Text& destination) {
  if (!fw::fileExists(source)) return false;
  if (fw::hasFolderBit(source)) return false;
  if (fw::fileExists(destination)) return true;
  const Text commandLine =
      fw::currentDirectory() + "\\kelvane.exe \"" + source + "\" \"" + destination + "\"";
  return fw::runProgramAndWait(commandLine);
}

void playEntry(Text entry) {
  PlayEntryScope scope;
  MainWindow& window = mainWindow();

  if (playerEngine->getState() != engine::kIdle) playerEngine->close();
  reachedByNext = 0;

  TextArray names = fw::splitText(entry, "\\");
  if (!names.empty()) {
    window.电影名标签.setCaption(names.back());
    window.setCaption(names.back());
  }

  const Text renderer = playerEngine->getConfig(engine::kDlnaRenderer);
  const bool skip = !renderer.empty() && isDlnaSkippedType(entry);
  if (skip) {
    ++skipsInARow;
    if (skipChainMayGoOn()) playNextEntry();
  } else if (isDlnaConvertType(entry) && !renderer.empty()) {
    const Text destination = dlnaConversionDestination(entry);
    if (convertForDlna(entry, destination)) {
      // The converted file stands in for the source from now on; an entry
      // typed in while no element is current has nothing to replace.
      if (Text* element = playlistEntry(currentIndex)) *element = destination;
      playerEngine->open(destination);
    }
  } else {
    playerEngine->open(entry);
  }

  window.电影名标签.setVisible(true);
  openPending = 1;
}

}  // namespace player
