#include "framework/units/picture_box.h"

#include "framework/units/internal.h"
#include "framework/window.h"

namespace fw {

PictureBox::PictureBox(Window* window, PictureBoxDescription d)
    : Unit(window, UnitPlacement{d.parent, d.left, d.top, d.width, d.height, d.visible, d.enabled}),
      description_(std::move(d)) {
  setPicture(description_.picture);
}

PictureBox::~PictureBox() = default;

Bytes PictureBox::pictureBytes() const { return bytes_; }

bool PictureBox::setPicture(PictureBytes bytes) {
  Picture decoded;
  if (!bytes.empty()) {
    decoded = Picture::decode(bytes);
    if (decoded.empty()) return false;
  }
  picture_ = std::move(decoded);
  bytes_.assign(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (hwnd_ != nullptr) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
  return true;
}

void PictureBox::setBackground(std::optional<Rgb> colour) {
  description_.background = colour;
  if (hwnd_ != nullptr) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void PictureBox::createHandle() { createChild(kUnitClass, WS_CLIPCHILDREN); }

void PictureBox::paintBackground(HDC dc, const RECT& area) {
  if (description_.background) {
    HBRUSH brush = CreateSolidBrush(toColorRef(*description_.background));
    FillRect(dc, &area, brush);
    DeleteObject(brush);
  } else {
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  }
  picture_.draw(dc, 0, 0);
  if (!description_.carriesPictureEdges || picture_.empty() || hwnd_ == nullptr) return;
  RECT client;
  GetClientRect(hwnd_, &client);
  const int w = picture_.width();
  const int h = picture_.height();
  const int right = client.right - w;
  const int below = client.bottom - h;
  if (right > 0) picture_.drawPart(dc, w, 0, right, h, w - 1, 0, 1, h);
  if (below > 0) picture_.drawPart(dc, 0, h, w, below, 0, h - 1, w, 1);
  if (right > 0 && below > 0) picture_.drawPart(dc, w, h, right, below, w - 1, h - 1, 1, 1);
}

bool PictureBox::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (paintsItself(hwnd_, message, result, [this](HDC dc, const RECT& client) { paintBackground(dc, client); }))
    return true;
  switch (message) {
    case WM_MOUSEMOVE:
      description_.onMouseMove(mouseX(lParam), mouseY(lParam), mouseKeys(wParam));
      return true;
    case WM_LBUTTONDOWN:
      description_.onLeftDown(mouseX(lParam), mouseY(lParam), mouseKeys(wParam));
      return true;
    case WM_LBUTTONDBLCLK:
      description_.onDoubleClick(mouseX(lParam), mouseY(lParam), mouseKeys(wParam));
      return true;
    default:
      return false;
  }
}

}  // namespace fw
