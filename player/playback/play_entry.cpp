#include "player/playback/play_entry.h"

#include "engine/engine_items.h"
#include "framework/files.h"
#include "framework/process.h"
#include "player/app/app.h"
#include "player/playback/navigation.h"
#include "player/playback/playback.h"
#include "player/windows/main/main_window.h"

namespace player {
namespace {

// The conversion program, shipped beside the player.
constexpr char kConversionProgram[] = "kelvane.exe";

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

// Steps 1 to 8 of playing one entry: closes what is open, shows the name, then
// opens the entry, converts it first, or passes over it. True when it was
// passed over because its type is not cast.
bool startEntry(const Text& entry) {
  MainWindow& window = mainWindow();

  if (playerEngine->getState() != engine::kIdle) playerEngine->close();
  reachedByNext = 0;

  TextArray names = fw::splitText(entry, "\\");
  if (!names.empty()) {
    window.电影名标签.setCaption(names.back());
    window.setCaption(names.back());
  }

  const Text renderer = playerEngine->getConfig(engine::kDlnaRenderer);
  if (!renderer.empty() && isDlnaSkippedType(entry)) return true;
  if (isDlnaConvertType(entry) && !renderer.empty()) {
    const Text destination = dlnaConversionDestination(entry);
    if (convertForDlna(entry, destination)) {
      // The converted file stands in for the source from now on, in the
      // element that holds the source: an entry typed in, or one played while
      // the current index names another element, rewrites no other entry.
      Text* element = playlistEntry(currentIndex);
      if (element != nullptr && *element == entry) *element = destination;
      playerEngine->open(destination);
    }
  } else {
    playerEngine->open(entry);
  }
  return false;
}

// One chain of skips, passed over in a loop: a long playlist of skipped
// entries must not grow the stack. Each mode ends the chain where its next
// command could only go round again.
class SkipChain {
 public:
  // Whether the next command may run after `skipped` was passed over.
  bool goesOn(const Text& skipped) {
    if (loopMode == "2") {
      // Repeat one plays the current element again: if that is what was just
      // passed over, it would be passed over for ever.
      const Text* current = playlistEntry(currentIndex);
      return current == nullptr || *current != skipped;
    }
    if (loopMode == "1" && playlist.size() >= 2) {
      // The random choice goes on until it lands on an entry that is not
      // skipped; with none to land on, the player stays idle.
      if (!playableChecked_) {
        playableExists_ = randomChoiceCanReachAPlayableEntry();
        playableChecked_ = true;
      }
      return playableExists_;
    }
    // Sequential mode moves on by one each time and stops by itself at the
    // last entry or a missing file.
    return true;
  }

  // The next command's choice. Only the first seeds the generator: seeded
  // again within the same tick, every further choice would be the same entry.
  NextChoice next() {
    const NextChoice choice =
        chooseNextEntry(choices_++ == 0 ? Seeding::FromTickCount : Seeding::GoOn);
    bySequentialNext_ = bySequentialNext_ || (choice.play && choice.bySequentialNext);
    return choice;
  }

  // A sequential next that played an entry marks the entry finally reached.
  bool bySequentialNext() const { return bySequentialNext_; }

 private:
  int choices_ = 0;
  bool playableChecked_ = false;
  bool playableExists_ = false;
  bool bySequentialNext_ = false;
};

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
  switch (fw::fileExistence(destination)) {
    case fw::Existence::kExists:
      return true;
    case fw::Existence::kUnknown:
      // It may exist where the system cannot look: never converted over.
      return false;
    case fw::Existence::kAbsent:
      break;
  }
  // The program beside the running player, not in the current directory (an
  // accepted open dialog moves that to the media's folder). Its path may hold
  // blanks (a program folder often does): quoted, and named to the system as
  // the program, so no part of it is taken for another program or argument.
  const Text program = fw::programFolder() + "\\" + kConversionProgram;
  const Text commandLine = "\"" + program + "\" \"" + source + "\" \"" + destination + "\"";
  // A program that ended without writing the destination left nothing to play.
  return fw::runProgramAndWait(program, commandLine) && fw::fileExists(destination);
}

void playEntry(Text entry) {
  SkipChain chain;
  while (startEntry(entry) && chain.goesOn(entry)) {
    if (!chain.next().play) break;
    entry = *playlistEntry(currentIndex);
  }
  if (chain.bySequentialNext()) reachedByNext = 1;

  mainWindow().电影名标签.setVisible(true);
  openPending = 1;
}

}  // namespace player
