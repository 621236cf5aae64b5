// The benchmark's in-process figures: the folder command's listing and the
// playlist window, each run inside this program against a bare program's way
// of doing the same, interleaved round by round.
//
//   quorle_bench_inproc.exe TREE_FOLDER [--figures 34] [--rounds N]
//
// TREE_FOLDER holds 10,000 files in 100 folders (tools/bench makes it).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/files.h"
#include "framework/window.h"
#include "player/playback/playback.h"
#include "player/sources/sources.h"
#include "player/windows/playlist/playlist_window.h"
#include "processes.h"
#include "table.h"

namespace {

using bench::Row;
using bench::nowMs;

// The least any listing must do: one recursive enumeration, the same lines.
void bareListing(const std::string& folder, std::string& listing) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  std::vector<std::string> subfolders;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    listing += folder + name + "\r\n";
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) subfolders.push_back(folder + name + "\\");
  } while (FindNextFileA(search, &found));
  FindClose(search);
  for (const std::string& sub : subfolders) bareListing(sub, listing);
}

void pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// A bare window with a bare list box: filled with redraw off, filtered by
// emptying it and adding the lines that hold the text.
struct BareList {
  HWND window = nullptr;
  HWND list = nullptr;
  BareList() {
    window = CreateWindowExA(0, "STATIC", "bare", WS_POPUP | WS_VISIBLE, 100, 100, 400, 450, nullptr, nullptr,
                             nullptr, nullptr);
    list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_EXTENDEDSEL, 16, 74, 352,
                           232, window, nullptr, nullptr, nullptr);
  }
  ~BareList() { DestroyWindow(window); }
  void fill(const std::vector<std::string>& lines, const std::string& containing) {
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& line : lines) {
      if (containing.empty() || line.find(containing) != std::string::npos) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
      }
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    UpdateWindow(window);
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: quorle_bench_inproc TREE_FOLDER [--figures 34] [--rounds N]\n");
    return 1;
  }
  const std::string tree = argv[1];
  std::string figures = "34";
  int rounds = 9;
  for (int i = 2; i + 1 < argc; i += 2) {
    if (std::string(argv[i]) == "--figures") figures = argv[i + 1];
    if (std::string(argv[i]) == "--rounds") rounds = std::atoi(argv[i + 1]);
  }
  std::vector<Row> rows;
  std::vector<std::string> closing;
  char line[300];

  if (figures.find('3') != std::string::npos) {
    Row row{"3", "ms", {"folder listing, 10,000 files in 100 folders", {}}, {"bare recursive enumeration", {}}};
    std::size_t lines = 0;
    for (int round = 0; round <= rounds; ++round) {
      for (int turn = 0; turn < 2; ++turn) {
        const bool ours = (turn == 0) == (round % 2 == 0);
        const double start = nowMs();
        std::string listing;
        if (ours) {
          listing = player::listFolderTree({tree});
        } else {
          bareListing(tree + "\\", listing);
        }
        const double ms = nowMs() - start;
        if (round == 0) continue;
        (ours ? row.ours : row.bare).samples.push_back(ms);
        if (ours) lines = std::count(listing.begin(), listing.end(), '\n');
      }
    }
    rows.push_back(row);
    std::snprintf(line, sizeof line,
                  "figure 3: the folder listing of %zu entries takes %.0f ms against %.0f ms for one bare recursive "
                  "enumeration (%.2fx, goal <= 1.3x)",
                  lines, bench::median(row.ours.samples), bench::median(row.bare.samples), bench::ratio(row));
    closing.push_back(line);
  }

  if (figures.find('4') != std::string::npos) {
    std::vector<std::string> entries;
    for (int i = 0; i < 10000; ++i) {
      char entry[MAX_PATH];
      std::snprintf(entry, sizeof entry, "%s\\d%02d\\f%02d%04d.mp3", tree.c_str(), i % 100, i % 100, i / 100);
      entries.push_back(entry);
    }
    Row fill{"4", "ms", {"playlist window filled, 10,000 entries", {}}, {"bare list box filled", {}}};
    Row filter{"4", "ms", {"one search keystroke over 10,000 entries", {}}, {"bare list box filtered", {}}};
    for (int round = 0; round <= rounds; ++round) {
      for (int turn = 0; turn < 2; ++turn) {
        const bool ours = (turn == 0) == (round % 2 == 0);
        double filled = 0, filtered = 0;
        if (ours) {
          player::playlist = entries;
          player::currentIndex = 1;
          double start = nowMs();
          fw::loadWindow<player::PlaylistWindow>();
          player::PlaylistWindow* window = fw::openWindow<player::PlaylistWindow>();
          UpdateWindow(window->handle());
          filled = nowMs() - start;
          pump();
          // The key as typed: a character into the focused search box.
          HWND search = window->编辑框1.handle();
          start = nowMs();
          SendMessageA(search, WM_CHAR, '9', 1);
          UpdateWindow(window->handle());
          filtered = nowMs() - start;
          window->destroy();
          pump();
        } else {
          BareList bare;
          double start = nowMs();
          bare.fill(entries, "");
          filled = nowMs() - start;
          pump();
          start = nowMs();
          bare.fill(entries, "9");
          filtered = nowMs() - start;
        }
        if (round == 0) continue;
        (ours ? fill.ours : fill.bare).samples.push_back(filled);
        (ours ? filter.ours : filter.bare).samples.push_back(filtered);
      }
    }
    rows.push_back(fill);
    rows.push_back(filter);
    std::snprintf(line, sizeof line,
                  "figure 4: the playlist window fills 10,000 entries in %.0f ms (goal <= 150 ms; bare list box %.0f ms) "
                  "and filters them in %.0f ms a keystroke (goal <= 30 ms; bare %.0f ms)",
                  bench::median(fill.ours.samples), bench::median(fill.bare.samples),
                  bench::median(filter.ours.samples), bench::median(filter.bare.samples));
    closing.push_back(line);
  }

  bench::printTable(rows);
  std::printf("\n");
  for (const std::string& text : closing) std::printf("%s\n", text.c_str());
  return 0;
}
