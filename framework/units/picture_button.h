#pragma once
// A button drawn as pictures: normal, with the mouse over it, and pressed. The
// pictures are drawn at the top-left corner over the parent's background;
// transparent pixels show the parent.
#include "framework/picture.h"
#include "framework/units/unit.h"

namespace fw {

struct PictureButtonDescription {
  Unit* parent = nullptr;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  PictureBytes picture;          // normal
  PictureBytes hoverPicture;     // empty: the normal picture
  PictureBytes pressedPicture;   // empty: the hover picture
  bool visible = true;
  bool enabled = true;
  // A left press and release over the button. The second press of a
  // double-click raises onDoubleClick instead.
  MouseHandler onClick;
  MouseHandler onDoubleClick;
};

// Picture buttons never move the window, whatever drag-to-move says.
class PictureButton : public Unit {
 public:
  PictureButton(Window* window, PictureButtonDescription description);

  bool setPicture(PictureBytes bytes);
  bool setHoverPicture(PictureBytes bytes);
  bool setPressedPicture(PictureBytes bytes);

 protected:
  void createHandle() override;
  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void paint(HDC dc);
  // The picture, decoded first from `pending` when that still holds bytes.
  static const Picture& look(Picture& picture, PictureBytes& pending);

  PictureButtonDescription description_;
  Picture normal_, hover_, pressed_;
  // The described hover and pressed looks wait undecoded until first drawn:
  // a window shows without decoding pictures it does not draw yet.
  PictureBytes hoverPending_, pressedPending_;
  bool hot_ = false;
  bool down_ = false;
  bool ignoreNextUp_ = false;
};

}  // namespace fw
