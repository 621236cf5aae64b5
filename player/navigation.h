#pragma once
// Playlist navigation, loop modes, play/pause and closing the video. The
// commands themselves are declared in player/handlers.h; this header holds
// the hint texts they show, for the routines that build the same texts.
#include "framework/text.h"

namespace player {

inline const fw::Text kEmptyPlaylistHint = "播放列表中没有文件！";
// Appended to the entry's text; each begins with a blank.
inline const fw::Text kLastEntryHint = " 已经是最后一个文件了！";
inline const fw::Text kEntryMissingHint = " 不存在或者无权访问！";
inline const fw::Text kFirstEntryHint = " 是播放列表中的第一个文件！";

// The random choice: currentIndex := 1 + (the runtime generator's next value
// modulo the number of entries). The caller makes sure the playlist is not
// empty and seeds the generator where it should be.
void chooseRandomEntry();

}  // namespace player
