#include "framework/units/picture_button.h"

#include "framework/units/internal.h"
#include "framework/window.h"

namespace fw {

namespace {

bool load(Picture& picture, PictureBytes bytes) {
  if (bytes.empty()) {
    picture = Picture();
    return true;
  }
  Picture decoded = Picture::decode(bytes);
  if (decoded.empty()) return false;
  picture = std::move(decoded);
  return true;
}

}  // namespace

PictureButton::PictureButton(Window* window, PictureButtonDescription d)
    : Unit(window, UnitPlacement{d.parent, d.left, d.top, d.width, d.height, d.visible, d.enabled}),
      description_(std::move(d)) {
  load(normal_, description_.picture);
  hoverPending_ = description_.hoverPicture;
  pressedPending_ = description_.pressedPicture;
}

const Picture& PictureButton::look(Picture& picture, PictureBytes& pending) {
  if (!pending.empty()) {
    load(picture, pending);
    pending = {};
  }
  return picture;
}

bool PictureButton::setPicture(PictureBytes bytes) {
  const bool ok = load(normal_, bytes);
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, FALSE);
  return ok;
}

bool PictureButton::setHoverPicture(PictureBytes bytes) {
  hoverPending_ = {};
  const bool ok = load(hover_, bytes);
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, FALSE);
  return ok;
}

bool PictureButton::setPressedPicture(PictureBytes bytes) {
  pressedPending_ = {};
  const bool ok = load(pressed_, bytes);
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, FALSE);
  return ok;
}

void PictureButton::createHandle() { createChild(kUnitClass, 0); }

void PictureButton::paint(HDC dc) {
  paintParentBackground(dc);
  const Picture* picture = &normal_;
  if (down_ && hot_) {
    const Picture& pressed = look(pressed_, pressedPending_);
    const Picture& hover = look(hover_, hoverPending_);
    picture = !pressed.empty() ? &pressed : !hover.empty() ? &hover : &normal_;
  } else if (hot_ || down_) {
    const Picture& hover = look(hover_, hoverPending_);
    picture = !hover.empty() ? &hover : &normal_;
  }
  picture->draw(dc, 0, 0);
}

bool PictureButton::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (paintsItself(hwnd_, message, result, [this](HDC dc, const RECT&) { paint(dc); })) return true;
  const int x = mouseX(lParam);
  const int y = mouseY(lParam);
  switch (message) {
    case WM_MOUSEMOVE: {
      RECT client;
      GetClientRect(hwnd_, &client);
      const bool inside = x >= 0 && y >= 0 && x < client.right && y < client.bottom;
      if (inside != hot_) {
        hot_ = inside;
        InvalidateRect(hwnd_, nullptr, FALSE);
      }
      if (inside) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd_, 0};
        TrackMouseEvent(&track);
      }
      return true;
    }
    case WM_MOUSELEAVE:
      hot_ = false;
      InvalidateRect(hwnd_, nullptr, FALSE);
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      down_ = true;
      hot_ = true;
      SetCapture(hwnd_);
      InvalidateRect(hwnd_, nullptr, FALSE);
      if (message == WM_LBUTTONDBLCLK) {
        // The second press of a double-click: its release clicks nothing.
        ignoreNextUp_ = true;
        description_.onDoubleClick(x, y, mouseKeys(wParam));
      }
      return true;
    case WM_LBUTTONUP: {
      if (!down_) return true;
      down_ = false;
      const bool skip = ignoreNextUp_;
      ignoreNextUp_ = false;
      if (GetCapture() == hwnd_) ReleaseCapture();
      RECT client;
      GetClientRect(hwnd_, &client);
      const bool inside = x >= 0 && y >= 0 && x < client.right && y < client.bottom;
      hot_ = inside;
      InvalidateRect(hwnd_, nullptr, FALSE);
      if (inside && !skip) description_.onClick(x, y, mouseKeys(wParam));
      return true;
    }
    case WM_CAPTURECHANGED:
      if (down_) {
        down_ = false;
        InvalidateRect(hwnd_, nullptr, FALSE);
      }
      return true;
    default:
      return false;
  }
}

}  // namespace fw
