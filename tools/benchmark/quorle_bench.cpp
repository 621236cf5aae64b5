// The benchmark's runner: starts the player and its bare baselines in turn,
// inside one Wine process, and reports each figure against its baseline.
//
//   quorle_bench.exe RUN_FOLDER [--figures 125] [--rounds N] [--sizes 1000,10000]
//                    [--idle-seconds S] [--idle-rounds N]
//
// RUN_FOLDER holds what tools/bench lays out: player\SIZE\ (a copy of the
// program folder with a playlist file of SIZE lines; 0 has none), before\SIZE\
// (the same for an earlier build, optional), bare\ (the baselines beside the
// engine DLL) and lists\SIZE.txt (the playlists for the bare reader).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "processes.h"
#include "table.h"

namespace {

using bench::Row;
using bench::Started;

struct Options {
  std::string run;
  std::string figures = "125";
  int rounds = 9;
  std::vector<int> sizes = {1000, 10000, 100000};
  int idleSeconds = 20;
  int idleRounds = 7;
};

constexpr double kStartLimitMs = 300000;
// Memory is read once the window has shown and painted.
constexpr DWORD kSettleMs = 500;

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

[[noreturn]] void fail(const std::string& what) {
  std::fprintf(stderr, "bench: %s\n", what.c_str());
  std::exit(1);
}

// One program to start: its path and arguments.
struct Program {
  std::string path;
  std::string arguments;
};

struct StartUp {
  double ms;
  double residentMb;
};

StartUp startOnce(const Program& program) {
  Started started;
  if (!started.start(program.path, program.arguments)) fail("cannot start " + program.path);
  if (!started.waitForWindow(kStartLimitMs)) fail("no window of " + program.path + " " + program.arguments);
  const double ms = started.startUpMs();
  Sleep(kSettleMs);
  return {ms, started.residentMb()};
}

struct Player {
  std::string name;    // as the table shows it
  std::string folder;  // RUN\player or RUN\before
};

std::string sizeText(int size) {
  std::string digits = std::to_string(size);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<std::size_t>(at), ",");
  return digits;
}

std::vector<double> differences(const std::vector<double>& with, const std::vector<double>& without) {
  std::vector<double> result;
  for (std::size_t i = 0; i < with.size() && i < without.size(); ++i) result.push_back(with[i] - without[i]);
  return result;
}

// Figures 1 and 2: each round starts every program once, in an order that
// turns round each time, so that a drift of the machine falls on all alike.
void startUpFigures(const Options& options, const std::vector<Player>& players, bool withPlaylists,
                    std::vector<Row>& rows, std::vector<std::string>& closing) {
  const std::string bare = options.run + "\\bare\\bare_window.exe";
  const std::string bareImports = options.run + "\\bare\\bare_window_imports.exe";
  std::vector<int> sizes = {0};
  if (withPlaylists) sizes.insert(sizes.end(), options.sizes.begin(), options.sizes.end());

  // samples[size][program]: the players first, then the bare programs.
  struct Measured {
    std::vector<double> ms, mb;
  };
  std::vector<std::vector<Measured>> samples(sizes.size(), std::vector<Measured>(players.size() + 3));

  for (int round = 0; round <= options.rounds; ++round) {   // round 0 warms up and is dropped
    for (std::size_t s = 0; s < sizes.size(); ++s) {
      const int size = sizes[s];
      std::vector<Program> programs;
      for (const Player& player : players) {
        programs.push_back({player.folder + "\\" + std::to_string(size) + "\\quorleplayer.exe", ""});
      }
      std::string list = size ? " list " + options.run + "\\lists\\" + std::to_string(size) + ".txt" : "";
      programs.push_back({bare, "engine" + list});
      if (size == 0) {
        programs.push_back({bareImports, "engine"});
        programs.push_back({bare, ""});
      }
      std::vector<std::size_t> order(programs.size());
      for (std::size_t i = 0; i < order.size(); ++i) order[i] = round % 2 ? order.size() - 1 - i : i;
      for (std::size_t i : order) {
        StartUp result = startOnce(programs[i]);
        if (round == 0) continue;
        samples[s][i].ms.push_back(result.ms);
        samples[s][i].mb.push_back(result.residentMb);
      }
    }
    if (round > 0) std::fprintf(stderr, "bench: start-up round %d of %d done\n", round, options.rounds);
  }

  const std::size_t bareIndex = players.size();
  const Measured& bareEngine = samples[0][bareIndex];
  for (std::size_t p = 0; p < players.size(); ++p) {
    rows.push_back({"1", "ms", {"start-up to window: " + players[p].name, samples[0][p].ms},
                    {"bare window + engine DLL", bareEngine.ms}});
  }
  rows.push_back({"1", "ms", {"bare window + engine DLL + GUI imports", samples[0][bareIndex + 1].ms},
                  {"bare window + engine DLL", bareEngine.ms}});
  rows.push_back({"1", "ms", {"bare window alone", samples[0][bareIndex + 2].ms},
                  {"bare window + engine DLL", bareEngine.ms}});
  for (std::size_t p = 0; p < players.size(); ++p) {
    rows.push_back({"1", "MB", {"resident memory: " + players[p].name, samples[0][p].mb},
                    {"bare window + engine DLL", bareEngine.mb}});
  }
  char line[400];
  for (std::size_t p = 0; p < players.size(); ++p) {
    const Row time{"1", "ms", {"", samples[0][p].ms}, {"", bareEngine.ms}};
    const Row memory{"1", "MB", {"", samples[0][p].mb}, {"", bareEngine.mb}};
    std::snprintf(line, sizeof line,
                  "figure 1 (%s): start-up %.0f ms against %.0f ms for the bare window program with the "
                  "engine DLL (%.2fx, goal <= 1.3x); resident memory %.1f MB against %.1f MB (%.2fx, goal <= 1.2x)",
                  players[p].name.c_str(), bench::median(time.ours.samples), bench::median(time.bare.samples),
                  bench::ratio(time), bench::median(memory.ours.samples), bench::median(memory.bare.samples),
                  bench::ratio(memory));
    closing.push_back(line);
  }
  if (!withPlaylists) return;

  for (std::size_t s = 1; s < sizes.size(); ++s) {
    const std::string lines = sizeText(sizes[s]) + " lines";
    for (std::size_t p = 0; p < players.size(); ++p) {
      rows.push_back({"2", "ms", {"start-up, " + lines + ": " + players[p].name, samples[s][p].ms},
                      {"bare + engine + " + lines + " read", samples[s][bareIndex].ms}});
    }
    for (std::size_t p = 0; p < players.size(); ++p) {
      rows.push_back({"2", "ms",
                      {"added by " + lines + ": " + players[p].name, differences(samples[s][p].ms, samples[0][p].ms)},
                      {"added by " + lines + " read, bare",
                       differences(samples[s][bareIndex].ms, samples[0][bareIndex].ms)}});
    }
  }
  for (std::size_t p = 0; p < players.size(); ++p) {
    std::string text = "figure 2 (" + players[p].name + "):";
    for (std::size_t s = 1; s < sizes.size(); ++s) {
      Row added{"2", "ms", {"", differences(samples[s][p].ms, samples[0][p].ms)},
                {"", differences(samples[s][bareIndex].ms, samples[0][bareIndex].ms)}};
      std::snprintf(line, sizeof line, " %s lines add %.0f ms against %.0f ms for the bare attribute reader (%.2fx)%s",
                    sizeText(sizes[s]).c_str(), bench::median(added.ours.samples),
                    bench::median(added.bare.samples), bench::ratio(added), s + 1 < sizes.size() ? ";" : "");
      text += line;
    }
    text += " (goals: 10,000 lines <= 1.5x; 100,000 lines under 2 s)";
    closing.push_back(text);
  }
}

// Figure 5: the players and the bare program sit idle side by side; the CPU
// time each spends meanwhile.
void idleFigure(const Options& options, const std::vector<Player>& players, std::vector<Row>& rows,
                std::vector<std::string>& closing) {
  std::vector<Program> programs;
  for (const Player& player : players) programs.push_back({player.folder + "\\0\\quorleplayer.exe", ""});
  programs.push_back({options.run + "\\bare\\bare_window.exe", "engine"});
  std::vector<std::vector<double>> spent(programs.size());
  for (int round = 0; round < options.idleRounds; ++round) {
    std::vector<Started> started(programs.size());
    for (std::size_t i = 0; i < programs.size(); ++i) {
      if (!started[i].start(programs[i].path, programs[i].arguments)) fail("cannot start " + programs[i].path);
    }
    for (std::size_t i = 0; i < programs.size(); ++i) {
      if (!started[i].waitForWindow(kStartLimitMs)) fail("no window of " + programs[i].path);
    }
    Sleep(1000);
    std::vector<double> before(programs.size());
    for (std::size_t i = 0; i < programs.size(); ++i) before[i] = started[i].cpuMs();
    Sleep(static_cast<DWORD>(options.idleSeconds) * 1000);
    for (std::size_t i = 0; i < programs.size(); ++i) spent[i].push_back(started[i].cpuMs() - before[i]);
    std::fprintf(stderr, "bench: idle round %d of %d done\n", round + 1, options.idleRounds);
  }
  const std::string seconds = std::to_string(options.idleSeconds) + " s";
  for (std::size_t p = 0; p < players.size(); ++p) {
    rows.push_back({"5", "ms", {"CPU in " + seconds + " idle: " + players[p].name, spent[p]},
                    {"CPU in " + seconds + " idle: bare + engine", spent.back()}});
    char line[300];
    std::snprintf(line, sizeof line,
                  "figure 5 (%s): %.0f ms CPU in %d s idle (median; most %.0f ms; the host counts in ticks of "
                  "10 ms) against %.0f ms for the bare window program (goal 0 ticks)",
                  players[p].name.c_str(), bench::median(spent[p]), options.idleSeconds,
                  spent[p].empty() ? 0.0 : *std::max_element(spent[p].begin(), spent[p].end()),
                  bench::median(spent.back()));
    closing.push_back(line);
  }
}

std::vector<int> numbers(const std::string& text) {
  std::vector<int> result;
  for (std::size_t at = 0; at < text.size();) {
    std::size_t end = text.find(',', at);
    if (end == std::string::npos) end = text.size();
    result.push_back(std::atoi(text.substr(at, end - at).c_str()));
    at = end + 1;
  }
  return result;
}

Options parse(int argc, char** argv) {
  Options options;
  if (argc < 2) fail("usage: quorle_bench RUN_FOLDER [--figures 125] [--rounds N] [--sizes A,B] [--idle-seconds S] [--idle-rounds N]");
  options.run = argv[1];
  for (int i = 2; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    const std::string value = argv[i + 1];
    if (name == "--figures") options.figures = value;
    else if (name == "--rounds") options.rounds = std::atoi(value.c_str());
    else if (name == "--sizes") options.sizes = numbers(value);
    else if (name == "--idle-seconds") options.idleSeconds = std::atoi(value.c_str());
    else if (name == "--idle-rounds") options.idleRounds = std::atoi(value.c_str());
    else fail("unknown option " + name);
  }
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = parse(argc, argv);
  std::vector<Player> players = {{"player", options.run + "\\player"}};
  if (exists(options.run + "\\before\\0\\quorleplayer.exe")) players.push_back({"player before", options.run + "\\before"});

  std::vector<Row> rows;
  std::vector<std::string> closing;
  auto wanted = [&](char figure) { return options.figures.find(figure) != std::string::npos; };
  if (wanted('1') || wanted('2')) startUpFigures(options, players, wanted('2'), rows, closing);
  if (wanted('5')) idleFigure(options, players, rows, closing);

  bench::printTable(rows);
  std::printf("\n");
  for (const std::string& line : closing) std::printf("%s\n", line.c_str());
  return 0;
}
