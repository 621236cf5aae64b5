#pragma once
// Labels: one or more lines of text drawn by the layer over the parent's
// background (its colour and picture) or over a colour of their own. A label
// that is disabled draws exactly as an enabled one; it only raises no events.
#include "framework/units/unit.h"

namespace fw {

enum class TextAlign { Left, Centre, Right };

struct LabelDescription {
  Unit* parent = nullptr;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  Text caption;
  std::optional<Rgb> textColour;   // empty: black
  std::optional<Rgb> background;   // empty: what the parent shows under the label
  TextAlign align = TextAlign::Left;
  bool visible = true;
  bool enabled = true;
  MouseHandler onMouseMove;
  MouseHandler onLeftDown;         // a label: not raised for a press that moves the window
  // onLeftDown is raised also while the label is disabled: the label stays
  // disabled for everything else (enabled() reads false, no mouse-move events)
  // but takes the left press, which the system gives no disabled window.
  bool pressWhileDisabled = false;
};

// A label is one of the kinds a drag-to-move press moves the window from.
class Label : public Unit {
 public:
  Label(Window* window, LabelDescription description);
  ~Label() override;

  Text caption() const override;
  void setCaption(const Text& caption) override;
  void setTextColour(Rgb colour);
  bool enabled() const override;
  void setEnabled(bool enabled) override;

 protected:
  Label(Window* window, LabelDescription description, bool transparent);
  void createHandle() override;
  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool movesWindowOnPress() const override { return !transparent_; }

 private:
  void paint(HDC dc);

  LabelDescription description_;
  bool transparent_ = false;
};

// A transparent label: its text over the parent's picture, never a background
// of its own. Drag-to-move does not apply to it: presses always reach it.
class TransparentLabel : public Label {
 public:
  TransparentLabel(Window* window, LabelDescription description);
};

}  // namespace fw
