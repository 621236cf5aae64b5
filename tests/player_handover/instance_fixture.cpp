#include "tests/player_handover/instance_fixture.h"

#include "engine-standin/standin_control.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wait.h"

namespace handover {

std::string handOverFilePath() {
  char temp[MAX_PATH] = {};
  GetEnvironmentVariableA("TEMP", temp, MAX_PATH);
  return std::string(temp) + "\\Qmvrtaxe.tmp";
}

std::size_t journalLength(const std::string& journal) {
  return standin::journalLines(support::readFile(journal)).size();
}

std::vector<std::string> journalEvents(const std::string& journal, std::size_t from) {
  std::vector<std::string> events;
  const std::vector<standin::JournalLine> lines = standin::journalLines(support::readFile(journal));
  for (std::size_t i = from; i < lines.size(); ++i) {
    const standin::JournalLine& line = lines[i];
    if (line[0] == "APlayer_OpenA" && line.size() > 2) events.push_back("open " + line[2]);
    if (line[0] == "APlayer_SetConfigA" && line.size() > 3 && line[2] == "612")
      events.push_back("hint " + line[3]);
  }
  return events;
}

HWND nextButton(HWND main) {
  return support::childWindowWhere(main, [](const RECT& place, const RECT& client) {
    return place.right - place.left == 38 && place.bottom - place.top == 38 &&
           place.top == client.bottom - 47 && place.left > client.right / 2;
  });
}

std::string pressNext(HWND main, const std::string& journal) {
  const std::size_t from = journalLength(journal);
  support::pressFromOutside(nextButton(main));
  std::string seen;
  support::waitUntil([&] {
    const std::vector<std::string> events = journalEvents(journal, from);
    if (!events.empty()) seen = events.front();
    return !seen.empty();
  });
  return seen;
}

FirstInstance::FirstInstance(const std::string& folder, const std::string& arguments,
                             const std::string& opened)
    : program(QUORLE_PLAYER_EXE, folder), journal(folder + "\\first-journal.txt") {
  if (!program.copied()) return;
  main = program.open(arguments, journal);
  if (main == nullptr) return;
  const bool started = support::waitUntil(
      [&] {
        for (const std::string& event : journalEvents(journal))
          if (event == "open " + opened) return true;
        return false;
      },
      15000);
  if (!started) main = nullptr;
}

}  // namespace handover
