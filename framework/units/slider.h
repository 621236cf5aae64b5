#pragma once
// The multi-function bar used as a slider: a track, the part of it up to the
// position filled, and a thumb, drawn from skin pictures (stretched to the
// width between end caps as wide as the track picture is high). A left press
// seeks to the point; dragging follows the mouse. The slider holds the focus
// while pressed; when the press ends it hands the focus to its window's main
// child, when the window has one (see Window::mainChild).
#include "framework/picture.h"
#include "framework/units/unit.h"

namespace fw {

struct SliderDescription {
  Unit* parent = nullptr;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int minimum = 0;
  int maximum = 100;
  int position = 0;
  PictureBytes trackPicture;   // the empty track
  PictureBytes fillPicture;    // the track up to the position
  PictureBytes thumbPicture;   // centred on the position; empty: no thumb
  bool visible = true;
  bool enabled = true;
  // The user moved the position (press, drag): once per change, after the new
  // position is set. Setting the position from code raises nothing.
  PlainHandler onPositionChanged;
  KeyHandler onKeyDown;
};

class Slider : public Unit {
 public:
  Slider(Window* window, SliderDescription description);

  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  int position() const { return position_; }
  // The position is kept within minimum..maximum; a maximum below the minimum
  // is taken as the minimum.
  void setMinimum(int value);
  void setMaximum(int value);
  void setPosition(int value);

 protected:
  void createHandle() override;
  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void paint(HDC dc);
  int positionAt(int x) const;
  void userMoveTo(int x);
  int clamp(int value) const;

  SliderDescription description_;
  Picture track_, fill_, thumb_;
  int minimum_ = 0, maximum_ = 100, position_ = 0;
  bool dragging_ = false;
};

}  // namespace fw
