#pragma once
// A push button with a text, pressed by a click and, while it has the focus,
// by Space or Enter.
#include "framework/units/unit.h"

namespace fw {

struct ButtonDescription {
  Unit* parent = nullptr;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  Text caption;
  bool visible = true;
  bool enabled = true;
  // In the window's Tab order (see fw::Window).
  bool takesFocus = false;
  PlainHandler onClick;
};

class Button : public Unit {
 public:
  Button(Window* window, ButtonDescription description);

 protected:
  void createHandle() override;
  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool onNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void press();

  ButtonDescription description_;
};

}  // namespace fw
