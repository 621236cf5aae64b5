#pragma once
// A tree box with expand buttons and connecting lines (also at the roots) and
// labels that cannot be edited. Items are numbered 0, 1, 2, ... depth-first:
// a parent before its children, children in their order.
#include "framework/units/unit.h"

namespace fw {

struct TreeBoxDescription {
  Unit* parent = nullptr;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool visible = true;
  bool enabled = true;
  // In the window's Tab order (see fw::Window).
  bool takesFocus = false;
  // A left double-click (the first click has selected the item under it; a
  // double-click on a parent also expands or collapses it).
  PlainHandler onDoubleClick;
  // A right press on an item's text or icon: the item is selected first. A
  // press elsewhere in the tree raises nothing.
  PlainHandler onRightPressItem;
};

class TreeBox : public Unit {
 public:
  TreeBox(Window* window, TreeBoxDescription description);

  // Adds an item as the last child of `parentItem` (-1: as the last root);
  // returns its number in the tree as it is now, or -1 on failure.
  int addItem(const Text& text, int parentItem = -1);
  int count() const;
  Text itemText(int item) const;
  // Expanding leaves the items shown at the top where they were.
  void expand(int item);
  void collapse(int item);
  bool isExpanded(int item) const;
  // The selected item's number, or -1.
  int selection() const;
  // Selects the item (-1: none).
  void setSelection(int item);
  void clear();

  // The item's own handle in the tree control (nullptr when out of range).
  void* itemHandle(int item) const;

 protected:
  void createHandle() override;
  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  int numberOf(void* handle) const;
  TreeBoxDescription description_;
};

}  // namespace fw
