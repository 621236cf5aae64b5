#include "framework/units/slider.h"

#include <algorithm>

#include "framework/units/internal.h"
#include "framework/window.h"

namespace fw {

namespace {

// Draws a horizontal skin picture over `width` pixels: the end caps (as wide as
// the picture is high) as they are, the middle stretched.
void drawStretched(HDC dc, const Picture& picture, int x, int y, int width) {
  if (picture.empty() || width <= 0) return;
  const int h = picture.height();
  const int cap = std::min(h, picture.width() / 2);
  if (width <= 2 * cap) {
    picture.drawPart(dc, x, y, width, h, 0, 0, std::min(width, picture.width()), h);
    return;
  }
  picture.drawPart(dc, x, y, cap, h, 0, 0, cap, h);
  picture.drawPart(dc, x + cap, y, width - 2 * cap, h, cap, 0, picture.width() - 2 * cap, h);
  picture.drawPart(dc, x + width - cap, y, cap, h, picture.width() - cap, 0, cap, h);
}

// Draws the left `part` pixels of a run of `width` pixels drawn as above.
void drawStretchedPart(HDC dc, const Picture& picture, int x, int y, int width, int part) {
  if (part <= 0) return;
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, x, y, x + part, y + picture.height());
  drawStretched(dc, picture, x, y, width);
  RestoreDC(dc, saved);
}

}  // namespace

Slider::Slider(Window* window, SliderDescription d)
    : Unit(window, UnitPlacement{d.parent, d.left, d.top, d.width, d.height, d.visible, d.enabled}),
      description_(std::move(d)) {
  track_ = Picture::decode(description_.trackPicture);
  fill_ = Picture::decode(description_.fillPicture);
  thumb_ = Picture::decode(description_.thumbPicture);
  minimum_ = description_.minimum;
  maximum_ = std::max(description_.minimum, description_.maximum);
  position_ = clamp(description_.position);
}

int Slider::clamp(int value) const { return std::clamp(value, minimum_, std::max(minimum_, maximum_)); }

void Slider::setMinimum(int value) {
  minimum_ = value;
  maximum_ = std::max(minimum_, maximum_);
  position_ = clamp(position_);
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, FALSE);
}

void Slider::setMaximum(int value) {
  maximum_ = std::max(minimum_, value);
  position_ = clamp(position_);
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, FALSE);
}

void Slider::setPosition(int value) {
  const int clamped = clamp(value);
  if (clamped == position_) return;
  position_ = clamped;
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, FALSE);
}

void Slider::createHandle() { createChild(kUnitClass, 0); }

int Slider::positionAt(int x) const {
  const int span = maximum_ - minimum_;
  const int thumb = thumb_.empty() ? 0 : thumb_.width();
  const int run = width() - thumb;
  if (span <= 0 || run <= 0) return minimum_;
  const double fraction = std::clamp(static_cast<double>(x - thumb / 2) / run, 0.0, 1.0);
  return clamp(minimum_ + static_cast<int>(fraction * span + 0.5));
}

void Slider::userMoveTo(int x) {
  const int value = positionAt(x);
  if (value == position_) return;
  position_ = value;
  InvalidateRect(hwnd_, nullptr, FALSE);
  UpdateWindow(hwnd_);
  description_.onPositionChanged();
}

void Slider::paint(HDC dc) {
  paintParentBackground(dc);
  RECT client;
  GetClientRect(hwnd_, &client);
  const int width = client.right;
  const int thumb = thumb_.empty() ? 0 : thumb_.width();
  const int span = maximum_ - minimum_;
  const int run = std::max(0, width - thumb);
  const int at = thumb / 2 + (span > 0 ? static_cast<int>(static_cast<long long>(position_ - minimum_) * run / span) : 0);
  const int trackTop = (client.bottom - track_.height()) / 2;
  drawStretched(dc, track_, 0, trackTop, width);
  drawStretchedPart(dc, fill_, 0, (client.bottom - fill_.height()) / 2, width, at);
  if (!thumb_.empty()) thumb_.draw(dc, at - thumb / 2, (client.bottom - thumb_.height()) / 2);
}

bool Slider::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (paintsItself(hwnd_, message, result, [this](HDC dc, const RECT&) { paint(dc); })) return true;
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetFocus(hwnd_);
      SetCapture(hwnd_);
      dragging_ = true;
      userMoveTo(mouseX(lParam));
      return true;
    case WM_MOUSEMOVE:
      if (dragging_ && (wParam & MK_LBUTTON)) userMoveTo(mouseX(lParam));
      return true;
    case WM_LBUTTONUP:
      if (dragging_) {
        dragging_ = false;
        if (GetCapture() == hwnd_) ReleaseCapture();
        window().pressEnded(this);
      }
      return true;
    case WM_SIZE:
      // The thumb's place follows the width: what the old width showed is
      // wrong all along the track, not only where the new width exposes.
      InvalidateRect(hwnd_, nullptr, FALSE);
      return false;
    case WM_CAPTURECHANGED:
      dragging_ = false;
      return true;
    case WM_KEYDOWN:
      description_.onKeyDown(static_cast<int>(wParam), keysHeldNow());
      result = 0;
      return true;
    case WM_GETDLGCODE:
      result = DLGC_WANTARROWS;
      return true;
    default:
      return false;
  }
}

}  // namespace fw
