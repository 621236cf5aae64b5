#pragma once
// Playlist files: one entry per line, CR LF after each, code page 936, nothing
// else in the file. The readers are declared in player/handlers.h
// (loadPlaylistFrom, loadPlaylistFileAndPlay).
#include "framework/text.h"

namespace player {

inline constexpr char kPlaylistFileName[] = "播放列表.txt";

}  // namespace player
