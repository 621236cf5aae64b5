#pragma once
// A picture box: a surface showing a PNG, JPEG or GIF picture at its top-left
// corner over a background colour, and the parent of the units placed on it.
// A box that carries its picture's edges on shows, beyond the picture, its
// last column and last row repeated to the box's edges instead of the colour:
// a bar's picture of one width then serves every width the bar takes.
#include "framework/picture.h"
#include "framework/units/unit.h"

namespace fw {

struct PictureBoxDescription {
  Unit* parent = nullptr;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  PictureBytes picture;            // empty: colour only
  std::optional<Rgb> background;   // empty: the system's face colour
  bool carriesPictureEdges = false;
  bool visible = true;
  bool enabled = true;
  MouseHandler onMouseMove;
  MouseHandler onLeftDown;         // not raised for a press that moves the window
  MouseHandler onDoubleClick;
};

class PictureBox : public Unit {
 public:
  PictureBox(Window* window, PictureBoxDescription description);
  ~PictureBox() override;

  // The bytes of the picture as described or last set (the file's own bytes,
  // PNG, JPEG or GIF); empty when the box shows no picture.
  Bytes pictureBytes() const;
  // Replaces the picture; empty bytes remove it. False (and no change) when the
  // bytes are not a picture this layer reads.
  bool setPicture(PictureBytes bytes);
  void setBackground(std::optional<Rgb> colour);

 protected:
  void createHandle() override;
  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void paintBackground(HDC dc, const RECT& area) override;
  bool movesWindowOnPress() const override { return true; }

 private:
  PictureBoxDescription description_;
  Bytes bytes_;
  Picture picture_;
};

}  // namespace fw
