#pragma once
// The corner grip of a borderless window: the bottom-right corner of one of its
// bars, from which the user resizes the window. While drag-to-move is on, a
// press on a bar moves the window and never reaches the bar, so the bar's
// mouse-move handler switches moving off over the grip, and its left-down
// handler, which then sees the press, hands it to the system's own resize.
//
//   void onBarMouseMove(int x, int y, int) {
//     fw::updateMoveModeOverGrip(w.bar, x, y, fw::AwayFromGrip::MoveOn);
//   }
//   void onBarLeftDown(int x, int y, int) {
//     if (fw::inCornerGrip(w.bar, x, y)) fw::resizeFromBottomRight(w);
//   }
#include "framework/window.h"

namespace fw {

// Columns and rows of the bar's own pixels that make up the grip, counted from
// its right and bottom edges.
inline constexpr int kCornerGripSize = 9;

// (x, y), in the bar's own pixels, lies in its last kCornerGripSize columns
// and last kCornerGripSize rows: x > width − 10 and y > height − 10.
bool inCornerGrip(const Unit& bar, int x, int y);

// What the mouse moving away from the grip does to drag-to-move.
enum class AwayFromGrip {
  KeepMoveMode,   // left as it is: something else switches it back on
  MoveOn,         // switched on
};

// The mouse moved over the bar to (x, y): drag-to-move of the bar's window
// goes off over the grip, so that a press there reaches the bar.
void updateMoveModeOverGrip(const Unit& bar, int x, int y, AwayFromGrip away);

// The system's resize of the window from its bottom-right corner, following the
// mouse while the left button is held; returns when the button is released.
// The window's size-changed events arrive meanwhile. Nothing for a window that
// does not exist.
void resizeFromBottomRight(Window& window);

}  // namespace fw
