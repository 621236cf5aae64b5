#pragma once
// Menus of a window, as units: a top-level item with items under it, and so
// on down. Visible top-level items form the window's menu bar; hidden ones
// show nothing until popped up. A caption's "&" marks the access letter; the
// caption "-" is a separator line.
//
//   fw::MenuItem edit{this, {.caption = "编辑", .visible = false}};
//   fw::MenuItem copy{this, {.parent = &edit, .caption = "复制(&C)", .onClick = onCopy}};
//   ...
//   edit.popUp();
#include "framework/units/unit.h"

namespace fw {

class MenuItem;

struct MenuItemDescription {
  MenuItem* parent = nullptr;   // nullptr: a top-level item of the window
  Text caption;
  bool checked = false;
  bool visible = true;          // a hidden item is left out of its menu
  bool enabled = true;
  // The item was chosen, from the menu bar or a pop-up menu. Runs from the
  // window's message loop after the menu has closed.
  PlainHandler onClick;
};

class MenuItem : public Unit {
 public:
  MenuItem(Window* window, MenuItemDescription description);
  ~MenuItem() override;

  bool checked() const { return checked_; }
  void setChecked(bool checked);
  void setCaption(const Text& caption) override;
  Text caption() const override { return caption_; }
  void setVisible(bool visible) override;
  void setEnabled(bool enabled) override;
  MenuItem* parentItem() const { return parentItem_; }

  // Pops the items under this one up over the window, the menu's top-left
  // corner 3 pixels right of and 3 pixels below the mouse cursor. Either mouse
  // button selects. Returns when the menu has closed; the chosen item's onClick
  // runs as from a menu bar.
  void popUp();
  // The same for a tray icon: the window is brought to the foreground, the menu
  // opens with its right edge 5 pixels left of the cursor and its top 5 pixels
  // above it, and an empty message is posted to the window after it closed.
  void popUpForTray();

  // The layer's machinery.
  void choose();
  int command() const { return command_; }
  // A new Win32 menu of the visible items under this one (the caller destroys it).
  HMENU buildMenu() const;
  void appendTo(HMENU menu) const;

 protected:
  void createHandle() override;

 private:
  void popUpAt(int x, int y, UINT alignment);
  void updateMenuBar();

  MenuItemDescription description_;
  MenuItem* parentItem_ = nullptr;
  std::vector<MenuItem*> children_;
  bool checked_ = false;
  int command_ = 0;
};

}  // namespace fw
