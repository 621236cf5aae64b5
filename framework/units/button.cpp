#include "framework/units/button.h"

#include "framework/units/internal.h"
#include "framework/window.h"

namespace fw {

Button::Button(Window* window, ButtonDescription d)
    : Unit(window, UnitPlacement{d.parent, d.left, d.top, d.width, d.height, d.visible, d.enabled}),
      description_(std::move(d)) {
  caption_ = description_.caption;
}

void Button::createHandle() { createChild("BUTTON", BS_PUSHBUTTON | WS_TABSTOP); }

bool Button::onMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

bool Button::onNotification(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    if (eventsAllowed()) description_.onClick();
    result = 0;
    return true;
  }
  return false;
}

}  // namespace fw
