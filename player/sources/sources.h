#pragma once
// Where playlist entries come from: playlist files (one entry per line, CR LF
// after each, code page 936, nothing else in the file).
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

}  // namespace player
