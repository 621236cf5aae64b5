#pragma once
// The playlist window's own handlers, bound by its description. A line's entry
// index is its value in the list: the index in playlistCopy of the element it
// shows. Mouse handlers get x and y in the unit's own pixels and the keys held.
namespace player {

// Created: the first copy and list, the caret on the current entry's line
// (nothing selected).
void onPlaylistWindowCreated();
// A new copy of the playlist, every line rebuilt and the count label set; an
// empty copy leaves list and label as they are. (Re)starts the 200 ms timer.
void refreshPlaylistView();
// Tick of 时钟1: one refresh when playlistChanged asks for it.
void onPlaylistWindowTimer();
// Text of 编辑框1 changed: the lines of the entries holding the search text.
void filterPlaylistView();
// currentIndex := the first selected line's entry index, and that entry
// plays; nothing happens when the playlist no longer holds, at that index, the
// entry the line shows (the list refreshes only at the next tick).
void playSelectedEntry();
void onPlaylistDoubleClick();
// Enter plays the first selected line; Delete removes the selected lines'
// entries from the playlist, leaving the list to the next tick. currentIndex
// goes on naming its entry; when that entry is removed, it keeps its place
// (removedEntryIndex).
void onPlaylistKeyDown(int key, int keys);
// Writes playlistCopy as a playlist file chosen in the save dialog.
void savePlaylistFile();
// Size changed: the bars across the window, the list between them.
void layoutPlaylistWindow();
// Mouse over the bottom bar: drag-to-move off in the grip, on elsewhere.
void updatePlaylistMoveMode(int x, int y, int keys);
// Mouse over the count label: drag-to-move on.
void onPlaylistLabelMouseMove(int x, int y, int keys);
// Left press on the bottom bar: in the grip, the system resize from the
// bottom-right corner.
void startPlaylistResize(int x, int y, int keys);
// About to be destroyed: playlistWindowOpen := false.
void onPlaylistWindowDestroyed();

}  // namespace player
