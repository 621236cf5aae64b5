#include "tests/player_sources/sources_fixture.h"

#include "tests/support/wait.h"

namespace sources {

void SourcesTest::SetUp() {
  standin::useManualClock(true);
  startPlayer();
  ASSERT_NE(player::engineReady, 0);
  settle();
  standin::clearJournal();
}

void SourcesTest::playing(const fw::TextArray& entries, int index) {
  player::playlist = entries;
  player::currentIndex = index;
  player::playEntry(entries.at(static_cast<std::size_t>(index - 1)));
  settle();
  ASSERT_EQ(engine().getState(), 5);
  standin::clearJournal();
}

std::vector<std::string> SourcesTest::opened() {
  std::vector<std::string> texts;
  for (const standin::JournalLine& line : spine::journalCalls("APlayer_OpenA")) texts.push_back(line.at(2));
  return texts;
}

std::vector<std::string> SourcesTest::playbackCalls() {
  std::vector<std::string> names;
  for (const standin::JournalLine& line : standin::journalLines()) {
    const std::string& name = line.at(0);
    if (name == "APlayer_OpenA" || name == "APlayer_Close" || name == "APlayer_Play" ||
        name == "APlayer_Pause" || name == "APlayer_SetPosition") {
      names.push_back(name);
    }
  }
  return names;
}

}  // namespace sources
