#pragma once
// The playlist window: the entries of a copy of the playlist as a list that the
// user narrows with a search text, plays from, deletes from and saves as a
// playlist file. Skinned like the main window: no border or title bar, moved
// by dragging, resized from the grip of its bottom bar. Its description is in
// playlist_window.cpp, its handlers in playlist_window_behaviour.cpp.
#include "framework/window.h"

namespace player {

class PlaylistWindow : public fw::Window {
 public:
  PlaylistWindow();

  // Top bar: the count label and the close button.
  fw::PictureBox 顶部图片框;
  fw::Label 标签2;
  fw::PictureButton 关闭图形按钮;

  // One line per entry of playlistCopy; each line's value is its entry index.
  fw::ListBox 列表框1;

  // Bottom bar: the search, the save button; its bottom-right 9 × 9 pixels
  // are the grip.
  fw::PictureBox 底部图片框;
  fw::Label 标签1;
  fw::EditBox 编辑框1;
  fw::PictureButton 图形按钮1;
  fw::Timer 时钟1;
  fw::CommonDialog 通用对话框1;
};

// True from an F3 on the video that opened the window until the window is
// destroyed; opening it from the menu or the duration slider leaves it alone.
extern bool playlistWindowOpen;
// The window's own copy of the playlist, taken when it opens and at each
// refresh; indexed from 1 like the playlist. Kept after the window closes.
extern fw::TextArray playlistCopy;
// 1 asks the open window to refresh once at its next tick (within 200 ms).
// Set after a drop and after a Delete in the window; other changes of the
// playlist leave an open window showing its copy.
extern int playlistChanged;

// The three above back to their start values (false, the empty copy, 0), for
// the player's start.
void resetPlaylistWindowState();

// Loads the window (or brings the open one to the front). True when it is
// open afterwards.
bool showPlaylistWindow();
// Destroys the window when it is open.
void closePlaylistWindow();
// The open window, or nullptr.
PlaylistWindow* openPlaylistWindow();

}  // namespace player
