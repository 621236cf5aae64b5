#pragma once
// The next command's choice of what plays, apart from the playing itself, so
// that playEntry can pass over skipped entries one after another without
// calling itself.
namespace player {

// How the random choice of the next command treats the generator.
enum class Seeding { FromTickCount, GoOn };

// What the next command settled on. currentIndex has moved to the entry to
// play, if any; the hints the command shows have been shown.
struct NextChoice {
  bool play = false;                // the element at currentIndex is to be played
  bool bySequentialNext = false;    // reachedByNext is set once it has been played
};

// The next command's rules without playing: empty playlist hint, random
// choice, repeat one, the sequential move with its last-entry and missing-file
// hints. Nothing to play while engineReady is 0.
NextChoice chooseNextEntry(Seeding seeding);

// True when some entry the random choice can land on (the generator gives 0 to
// RAND_MAX, so only the first RAND_MAX + 1 entries of a longer playlist) is
// not of a type skipped while casting.
bool randomChoiceCanReachAPlayableEntry();

}  // namespace player
