#pragma once
// Where playlist entries come from: playlist files (one entry per line, CR LF
// after each, code page 936, nothing else in the file), folder listings, and
// the open commands of the menu 文件 > 打开.
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
// nothing. Runs to the end of the tree on the calling thread.
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

}  // namespace player
