#include "framework/corner_grip.h"

namespace fw {

bool inCornerGrip(const Unit& bar, int x, int y) {
  return x >= bar.width() - kCornerGripSize && y >= bar.height() - kCornerGripSize;
}

void updateMoveModeOverGrip(const Unit& bar, int x, int y, AwayFromGrip away) {
  if (inCornerGrip(bar, x, y)) {
    bar.window().setDragToMove(false);
  } else if (away == AwayFromGrip::MoveOn) {
    bar.window().setDragToMove(true);
  }
}

void resizeFromBottomRight(Window& window) {
  if (window.handle() == nullptr) return;
  // Sent, not posted: the system's size loop runs inside this call until the
  // button is released.
  SendMessageA(window.handle(), WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, 0);
}

}  // namespace fw
