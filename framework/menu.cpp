#include "framework/menu.h"

#include "framework/window.h"

namespace fw {

MenuItem::MenuItem(Window* window, MenuItemDescription d)
    : Unit(window, UnitPlacement{d.parent, 0, 0, 0, 0, d.visible, d.enabled}),
      description_(std::move(d)),
      parentItem_(description_.parent),
      checked_(description_.checked) {
  caption_ = description_.caption;
  if (parentItem_ != nullptr) parentItem_->children_.push_back(this);
  command_ = window->registerCommand(this);
}

MenuItem::~MenuItem() = default;

void MenuItem::createHandle() {}

void MenuItem::setChecked(bool checked) {
  checked_ = checked;
  updateMenuBar();
}

void MenuItem::setCaption(const Text& caption) {
  caption_ = caption;
  updateMenuBar();
}

void MenuItem::setVisible(bool visible) {
  stored_.visible = visible;
  updateMenuBar();
}

void MenuItem::setEnabled(bool enabled) {
  stored_.enabled = enabled;
  updateMenuBar();
}

void MenuItem::updateMenuBar() {
  // Pop-up menus are built anew at each show; only a menu bar on screen needs it now.
  const MenuItem* top = this;
  while (top->parentItem_ != nullptr) top = top->parentItem_;
  if (top->visible() || top == this) window_->rebuildMenuBar();
}

void MenuItem::choose() {
  if (enabled()) description_.onClick();
}

void MenuItem::appendTo(HMENU menu) const {
  if (caption_ == "-") {
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    return;
  }
  UINT flags = MF_STRING;
  if (checked_) flags |= MF_CHECKED;
  if (!enabled()) flags |= MF_GRAYED;
  bool hasVisibleChild = false;
  for (const MenuItem* child : children_) hasVisibleChild = hasVisibleChild || child->visible();
  if (hasVisibleChild) {
    AppendMenuA(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(buildMenu()), caption_.c_str());
  } else {
    AppendMenuA(menu, flags, static_cast<UINT_PTR>(command_), caption_.c_str());
  }
}

HMENU MenuItem::buildMenu() const {
  HMENU menu = CreatePopupMenu();
  for (const MenuItem* child : children_) {
    if (child->visible()) child->appendTo(menu);
  }
  return menu;
}

void MenuItem::popUp() {
  POINT cursor;
  GetCursorPos(&cursor);
  popUpAt(cursor.x + 3, cursor.y + 3, TPM_LEFTALIGN | TPM_TOPALIGN);
}

void MenuItem::popUpForTray() {
  HWND owner = window_->handle();
  if (owner == nullptr) return;
  POINT cursor;
  GetCursorPos(&cursor);
  // Without the foreground the menu would not close when the user clicks elsewhere.
  SetForegroundWindow(owner);
  popUpAt(cursor.x - 5, cursor.y - 5, TPM_RIGHTALIGN | TPM_TOPALIGN);
  PostMessageA(owner, WM_NULL, 0, 0);
}

void MenuItem::popUpAt(int x, int y, UINT alignment) {
  HWND owner = window_->handle();
  if (owner == nullptr) return;
  HMENU menu = buildMenu();
  TrackPopupMenu(menu, alignment | TPM_LEFTBUTTON | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr);
  DestroyMenu(menu);
}

}  // namespace fw
