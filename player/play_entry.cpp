#include "player/play_entry.h"

#include "framework/files.h"
#include "framework/process.h"
#include "player/handlers.h"
#include "player/main_window.h"
#include "player/state.h"

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

int extensionIsListed(const Text& entry, const TextArray& list) {
  if (list.empty()) return 0;
  TextArray segments = fw::splitText(entry, ".");
  if (segments.empty()) return 0;
  const Text extension = "." + segments.back();
  for (const Text& element : list) {
    if (extension == element) return 1;
  }
  return 0;
}

bool skipChainMayGoOn() {
  const int entries = static_cast<int>(playlist.size());
  // With an empty playlist the next command only shows its hint.
  return entries == 0 || skipsInARow < entries;
}

}  // namespace

int isDlnaSkippedType(const Text& entry) { return extensionIsListed(entry, dlnaSkipTypes); }

int isDlnaConvertType(const Text& entry) { return extensionIsListed(entry, dlnaConvertTypes); }

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

int convertForDlna(const Text& source, const Text& destination) {
  if (!fw::fileExists(source)) return 0;
  if (fw::hasFolderBit(source)) return 0;
  if (fw::fileExists(destination)) return 1;
  const Text commandLine =
      fw::currentDirectory() + "\\kelvane.exe \"" + source + "\" \"" + destination + "\"";
  return fw::runProgramAndWait(commandLine) ? 1 : 0;
}

void playEntry(Text entry) {
  PlayEntryScope scope;
  MainWindow& window = mainWindow();

  if (playerEngine->getState() != 0) playerEngine->close();
  reachedByNext = 0;

  TextArray names = fw::splitText(entry, "\\");
  if (!names.empty()) {
    window.电影名标签.setCaption(names.back());
    window.setCaption(names.back());
  }

  const Text renderer = playerEngine->getConfig(1803);
  const int skip = renderer.empty() ? 0 : isDlnaSkippedType(entry);
  if (skip == 1) {
    ++skipsInARow;
    if (skipChainMayGoOn()) playNextEntry();
  } else if (isDlnaConvertType(entry) == 1 && !renderer.empty()) {
    const Text destination = dlnaConversionDestination(entry);
    if (convertForDlna(entry, destination) == 1) {
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
