#pragma once
// A single-line edit box; its caption is its content.
#include "framework/units/unit.h"

namespace fw {

struct EditBoxDescription {
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
  // After every change of the content, by the user or by setCaption.
  PlainHandler onTextChanged;
  KeyHandler onKeyDown;
};

class EditBox : public Unit {
 public:
  EditBox(Window* window, EditBoxDescription description);

 protected:
  void createHandle() override;
  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool onNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  EditBoxDescription description_;
};

}  // namespace fw
