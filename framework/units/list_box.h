#pragma once
// A list box of text lines, each with an integer value, never sorted.
#include "framework/units/unit.h"

namespace fw {

enum class Selection {
  Single,    // one line at a time
  Extended,  // click, Shift+click for a range, Ctrl+click to add or remove a line
};

struct ListBoxDescription {
  Unit* parent = nullptr;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  Selection selection = Selection::Single;
  std::optional<Rgb> background;   // empty: the system's window colour
  // Pixels added to the line height the font gives.
  int extraLineHeight = 0;
  bool visible = true;
  bool enabled = true;
  // In the window's Tab order (see fw::Window).
  bool takesFocus = false;
  // A double-click on the list (the first click has selected the line under it).
  PlainHandler onItemDoubleClick;
  KeyHandler onKeyDown;
};

class ListBox : public Unit {
 public:
  ListBox(Window* window, ListBoxDescription description);

  int count() const;
  // Adds a line at the end; returns its position (from 0).
  int addItem(const Text& text, int value = 0);
  // The line's text, or the empty text for a position outside the list.
  Text itemText(int line) const;
  int itemValue(int line) const;
  void setItemValue(int line, int value);
  // Removes the line; the lines after it move up. Outside the list: nothing.
  void deleteItem(int line);
  void clear();
  // Every line replaced by these, in order, each text with its value. The list
  // is drawn once, after the last line, rather than after each: quick for
  // thousands of lines.
  struct Line {
    const Text* text;
    int value;
  };
  void replaceItems(const std::vector<Line>& lines);

  // The selected line (extended selection: the first selected line), or -1.
  int selectedLine() const;
  // Single: selects the line (-1 clears). Extended: the line alone becomes selected.
  void setSelectedLine(int line);
  bool isSelected(int line) const;
  void setSelected(int line, bool selected);
  // Every selected line, in ascending order.
  std::vector<int> selectedLines() const;
  // Extended selection: puts the caret (focus rectangle) on the line and
  // scrolls until it is at least partly visible, selecting nothing. A line
  // outside the list does nothing.
  void setCaretLine(int line);
  int caretLine() const;
  int topLine() const;

 protected:
  void createHandle() override;
  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool onNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

  ListBoxDescription description_;
  // The list control's own window procedure, under the unit's subclass.
  WNDPROC listProc_ = nullptr;
  // Lines added before the handle exists.
  std::vector<std::pair<Text, int>> pending_;
  HBRUSH backgroundBrush_ = nullptr;

 public:
  ~ListBox() override;
};

}  // namespace fw
