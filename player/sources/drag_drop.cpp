#include <cstring>

#include "framework/files.h"
#include "framework/windows_routines.h"
#include "player/app/app.h"
#include "player/app/settings.h"
#include "player/playback/playback.h"
#include "player/sources/sources.h"
#include "player/windows/main/main_window.h"
#include "player/windows/playlist/playlist_window.h"

namespace player {

DropReceiver* dropReceiver = nullptr;
fw::TextArray droppedFiles;
int dropPending = 0;
WNDPROC previousWindowProc = nullptr;

namespace {

constexpr UINT kDropNameCount = 0xFFFFFFFF;

// Dropped name `index` whole, however long (long paths allowed, a deep
// folder). Asked without a buffer, the system says how long the name is: in
// bytes where the shell handed the names over as ANSI text, in characters
// where as wide text, so room for two bytes a character holds it either way.
fw::Text droppedName(HDROP drop, UINT index) {
  const UINT length = fw::win::DragQueryFileA(drop, index, nullptr, 0);
  fw::Text name(2 * static_cast<std::size_t>(length) + 1, '\0');
  fw::win::DragQueryFileA(drop, index, name.data(), static_cast<UINT>(name.size()));
  name.resize(std::strlen(name.c_str()));
  return name;
}

LRESULT CALLBACK dropWindowProcThunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return dropWindowProc(window, message, wParam, lParam);
}

void appendFolderTree(const fw::Text& folder) {
  const fw::Text listing = listFolderTree({folder});
  if (listing.empty()) return;
  fw::MemoryFile lines;
  lines.write(listing);
  lines.rewind();
  // No read moves past a NUL or 0x1A byte: the listing ends there.
  while (!lines.atDataEnd()) playlist.push_back(lines.readLine());
}

}  // namespace

void DropReceiver::finalizeDropReceiver() {}

DropReceiver* DropReceiver::cloneDropReceiver() { return new DropReceiver(); }

int DropReceiver::attachDropTarget(HWND window) {
  fw::win::DragAcceptFiles(window, TRUE);
  previousWindowProc = reinterpret_cast<WNDPROC>(fw::win::SetWindowLongA(
      window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&dropWindowProcThunk)));
  // DragAcceptFiles reports nothing; a window that exists always had a
  // procedure, so a replaced one says the window was there to register.
  return previousWindowProc != nullptr ? 1 : 0;
}

void DropReceiver::detachDropTarget(HWND window) {
  fw::win::DragAcceptFiles(window, FALSE);
  fw::win::SetWindowLongA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousWindowProc));
}

void DropReceiver::takeDroppedFiles(fw::TextArray& list) {
  list = droppedFiles;
  dropPending = 0;
  droppedFiles.clear();
}

int DropReceiver::hasDroppedFiles() { return dropPending == 1 ? 1 : 0; }

void initDropStorage() {
  droppedFiles.clear();
  dropPending = 0;
  previousWindowProc = nullptr;
}

void freeDropStorage() { fw::TextArray().swap(droppedFiles); }

LRESULT dropWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DROPFILES) {
    collectDroppedFiles(reinterpret_cast<HDROP>(wParam));
    return 0;
  }
  return fw::win::CallWindowProcA(previousWindowProc, window, message, wParam, lParam);
}

void collectDroppedFiles(HDROP drop) {
  droppedFiles.clear();
  const UINT count = fw::win::DragQueryFileA(drop, kDropNameCount, nullptr, 0);
  for (UINT i = 0; i < count; ++i) droppedFiles.push_back(droppedName(drop, i));
  if (!droppedFiles.empty()) dropPending = 1;
  fw::win::DragFinish(drop);
}

void pollDropAndHandOff() {
  fw::Timer& timer = mainWindow().拖放组件时钟;
  timer.setInterval(0);
  if (dropReceiver->hasDroppedFiles() == 1) {
    const bool overwrite = overwriteOnDrop == "真";
    if (overwrite) playlist.clear();
    fw::TextArray taken;
    dropReceiver->takeDroppedFiles(taken);
    for (const fw::Text& path : taken) {
      // Unreadable attributes have every bit set, the folder bit among them.
      if (fw::hasFolderBit(path)) {
        const std::size_t before = playlist.size();
        appendFolderTree(path);
        // A name the system can neither read nor list, nor call absent (one
        // longer than its ANSI routines take), was still dropped by the user:
        // it goes in as it is rather than being lost.
        if (playlist.size() == before && fw::fileAttributes(path) == fw::kAttributesUnreadable &&
            fw::fileExistence(path) == fw::Existence::kUnknown) {
          playlist.push_back(path);
        }
      } else {
        playlist.push_back(path);
      }
    }
    playlistChanged = 1;
    if (!playlist.empty() && (overwrite || playlist.size() == 1)) {
      currentIndex = 1;
      playEntry(playlist[0]);
    }
  }
  receiveHandedOverPaths();
  timer.setInterval(kDropTimerInterval);
}

}  // namespace player
