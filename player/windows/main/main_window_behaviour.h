#pragma once
// The main window's own handlers, bound by its description: layout on a size
// change, maximise and minimise, moving by dragging, the corner grip, the two
// menu buttons and the tray. Mouse handlers get x and y in the unit's own
// pixels and the keys held (Ctrl 1, Shift 2, Alt 4).
namespace player {

// Size changed: lays the window out unless it is in full screen or a grip
// resize runs.
void onMainWindowResized();
void onTopBarDoubleClick(int x, int y, int keys);
void minimizeMainWindow();
// Presses on the top bar or the title switch drag-to-move back on.
void onTopBarMouseDown(int x, int y, int keys);
void onTitleMouseDown(int x, int y, int keys);
// Mouse over the bottom bar: drag-to-move off inside the grip.
void updateMainMoveMode(int x, int y, int keys);
// Left press on the bottom bar: inside the grip, a system resize from the
// bottom-right corner that returns on release, then one layout.
void startMainResize(int x, int y, int keys);
// The logo button and the open button pop up 文件 and its sub-menu 打开.
void showFileMenu();
void showOpenMenu();
// The close button: shutDown, or in tray mode hide the window to the tray.
void closeOrMinimizeToTray();
// 1 left up, 2 left double-click, 3 right up or context menu.
void onTrayEvent(int type);

}  // namespace player
