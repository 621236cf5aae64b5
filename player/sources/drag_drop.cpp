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

// The system writes at most this many bytes, the terminating zero included.
constexpr UINT kNameBufferBytes = 260;
constexpr UINT kDropNameCount = 0xFFFFFFFF;

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
  fw::Text name(kNameBufferBytes, ' ');
  const UINT count = fw::win::DragQueryFileA(drop, kDropNameCount, name.data(), kNameBufferBytes);
  for (UINT i = 0; i < count; ++i) {
    fw::win::DragQueryFileA(drop, i, name.data(), kNameBufferBytes);
    droppedFiles.push_back(name.c_str());
  }
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
        appendFolderTree(path);
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
