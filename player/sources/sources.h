#pragma once
// Where playlist entries come from: playlist files (one entry per line, CR LF
// after each, code page 936, nothing else in the file), folder listings, and
// the open commands of the menu 文件 > 打开.
#include <windows.h>
#include <shellapi.h>

#include "framework/text.h"

namespace player {

inline constexpr char kPlaylistFileName[] = "播放列表.txt";

// What loadPlaylistFrom is given.
enum class PlaylistSource {
  File,   // the path of a playlist file
  Text,   // the playlist text itself
};

// Replaces the playlist with the lines of `source` naming existing files that
// are not folders. Plays nothing and leaves currentIndex alone.
void loadPlaylistFrom(const fw::Text& source, PlaylistSource kind);
// Menu 载入播放列表(&W): a file chosen in 通用对话框1 becomes the playlist
// (existing files and folders) and its first entry plays.
void loadPlaylistFileAndPlay();

// ---- folder listings ----
// A listing is one line per directory entry, files and folders alike: the
// entry's full path (a folder's without a trailing "\") and CR LF; no entry
// gives the empty text. Entries are those with at least one attribute of
// read-only, hidden, system, folder or archive, in the order the directory
// search returns them; "." and ".." never appear.

// Every folder of `folders`, first to last, and all folders below it: a
// folder's own entries, then, entry by entry in that order, the listing below
// each of its subfolders. A "\" is added to a folder that does not end in
// one. A file, a missing folder or one that cannot be searched contributes
// nothing. A folder met again within one element's tree (the system names it
// the same folder, reached through a link, a junction or a mount point) keeps
// its line but is not searched again, so a link back up the tree ends there.
// Runs to the end of the tree on the calling thread.
fw::Text listFolderTree(const fw::TextArray& folders);
// The direct entries of one folder; `folder` ends with "\".
fw::Text listFolder(const fw::Text& folder);

// ---- the open commands (menu 文件 > 打开) ----
// None of them touches the playlist or the playback when the user cancels.

// 打开文件(&A): a file chosen in 通用对话框1 becomes the whole playlist and plays.
void onOpenFileMenu();
// 打开网络文件(&D): a typed address plays without entering the playlist.
void openNetworkAddress();
// 打开文件夹(&S): every file of a chosen folder's tree becomes the playlist
// and the first plays; with none found the playlist is left empty and what
// plays goes on.
void openFolderAndPlay();

// ---- drag and drop onto the engine's video window ----
// The video window's procedure keeps the names of the last drop; the main
// window's drop timer 拖放组件时钟 takes them into the playlist. No lock: the
// window procedure and the timer run on the thread of the message loop.

// Holds no data; its six operations are virtual functions in the order of
// their slots.
class DropReceiver {
 public:
  virtual ~DropReceiver() = default;
  // Slot 0: does nothing; called just before the object is freed.
  virtual void finalizeDropReceiver();
  // Slot 1: a new object with the same table; the caller owns it.
  virtual DropReceiver* cloneDropReceiver();
  // Slot 2: registers the window for dropped files and puts dropWindowProc in
  // front of its procedure. 1 when both took effect, else 0.
  virtual int attachDropTarget(HWND window);
  // Slot 3: undoes slot 2 (the player never calls it).
  virtual void detachDropTarget(HWND window);
  // Slot 4: `list` becomes a copy of the last drop's paths, in the order the
  // shell gave them; then no drop waits.
  virtual void takeDroppedFiles(fw::TextArray& list);
  // Slot 5: 1 while a drop waits to be taken.
  virtual int hasDroppedFiles();
};

extern DropReceiver* dropReceiver;     // the one receiver; built with the globals
extern fw::TextArray droppedFiles;     // paths of the last drop
extern int dropPending;                // 1 from a drop with a path until it is taken
extern WNDPROC previousWindowProc;     // the video window's procedure before the attach

// The drop storage as at process start (empty, nothing waiting), and released.
void initDropStorage();
void freeDropStorage();

// The procedure attachDropTarget installs: WM_DROPFILES is taken by
// collectDroppedFiles and goes no further; everything else reaches
// previousWindowProc.
LRESULT dropWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The names of one drop replace those of an earlier drop not yet taken; each
// name keeps at most 259 bytes. Finishes the drop (its memory is freed).
void collectDroppedFiles(HDROP drop);
// The tick of 拖放组件时钟: a waiting drop joins the playlist (replacing it when
// "设置" / "拖放时覆盖播放列表" is "真"; folders, and paths whose attributes
// cannot be read, by their folder tree), entry 1 plays when the playlist was
// replaced or holds exactly one entry, and the open playlist window is asked to
// refresh; then the paths handed over by later instances are appended. The
// timer is stopped meanwhile and restarted at 200 ms, so ticks never overlap.
void pollDropAndHandOff();
// The drop timer's period.
inline constexpr int kDropTimerInterval = 200;

}  // namespace player
