#include "framework/units/button.h"

#include "framework/units/internal.h"
#include "framework/window.h"

namespace fw {

Button::Button(Window* window, ButtonDescription d)
    : Unit(window, UnitPlacement{d.parent, d.left, d.top, d.width, d.height, d.visible, d.enabled, d.takesFocus}),
      description_(std::move(d)) {
  caption_ = description_.caption;
}

void Button::createHandle() { createChild("BUTTON", BS_PUSHBUTTON); }

bool Button::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  // Space presses a focused button by the control's own handling; Enter does
  // here what it does in a dialog. A key held down presses once.
  if (message == WM_KEYDOWN && wParam == VK_RETURN) {
    if (!keyRepeated(lParam)) press();
    result = 0;
    return true;
  }
  return false;
}

bool Button::onNotification(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    press();
    result = 0;
    return true;
  }
  return false;
}

void Button::press() {
  if (eventsAllowed()) description_.onClick();
}

}  // namespace fw
