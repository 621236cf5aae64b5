#include "framework/units/edit_box.h"

#include "framework/units/internal.h"
#include "framework/window.h"

namespace fw {

EditBox::EditBox(Window* window, EditBoxDescription d)
    : Unit(window, UnitPlacement{d.parent, d.left, d.top, d.width, d.height, d.visible, d.enabled, d.takesFocus}),
      description_(std::move(d)) {
  caption_ = description_.caption;
}

void EditBox::createHandle() {
  createChild("EDIT", ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE);
}

bool EditBox::onMessage(UINT message, WPARAM wParam, LPARAM, LRESULT&) {
  if (message == WM_KEYDOWN && eventsAllowed()) description_.onKeyDown(static_cast<int>(wParam), keysHeldNow());
  return false;
}

bool EditBox::onNotification(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
    description_.onTextChanged();
    result = 0;
    return true;
  }
  return false;
}

}  // namespace fw
