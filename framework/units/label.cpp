#include "framework/units/label.h"

#include "framework/units/internal.h"
#include "framework/window.h"

namespace fw {

Label::Label(Window* window, LabelDescription d) : Label(window, std::move(d), false) {}

Label::Label(Window* window, LabelDescription d, bool transparent)
    : Unit(window, UnitPlacement{d.parent, d.left, d.top, d.width, d.height, d.visible, d.enabled}),
      description_(std::move(d)),
      transparent_(transparent) {
  caption_ = description_.caption;
  if (transparent_) description_.background.reset();
}

Label::~Label() = default;

TransparentLabel::TransparentLabel(Window* window, LabelDescription d) : Label(window, std::move(d), true) {}

Text Label::caption() const { return caption_; }

void Label::setCaption(const Text& caption) {
  caption_ = caption;
  if (hwnd_ != nullptr) {
    SetWindowTextA(hwnd_, caption.c_str());
    InvalidateRect(hwnd_, nullptr, FALSE);
  }
}

void Label::setTextColour(Rgb colour) {
  description_.textColour = colour;
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, FALSE);
}

void Label::createHandle() {
  createChild(kUnitClass, 0);
  // The system sends no mouse input to a disabled window, so a label that
  // takes its press while disabled keeps its window enabled and its own flag.
  if (description_.pressWhileDisabled && hwnd_ != nullptr) EnableWindow(hwnd_, TRUE);
}

bool Label::enabled() const {
  if (description_.pressWhileDisabled) return stored_.enabled;
  return Unit::enabled();
}

void Label::setEnabled(bool enabled) {
  if (description_.pressWhileDisabled) {
    stored_.enabled = enabled;
    return;
  }
  Unit::setEnabled(enabled);
}

void Label::paint(HDC dc) {
  RECT client;
  GetClientRect(hwnd_, &client);
  if (description_.background) {
    HBRUSH brush = CreateSolidBrush(toColorRef(*description_.background));
    FillRect(dc, &client, brush);
    DeleteObject(brush);
  } else {
    paintParentBackground(dc);
  }
  SetBkMode(dc, TRANSPARENT);
  // Drawn the same whether enabled or not: a disabled label only stops raising events.
  SetTextColor(dc, description_.textColour ? toColorRef(*description_.textColour) : RGB(0, 0, 0));
  // A label one line high shows its text on one line, cut at its right edge,
  // rather than wrapping the last character out of sight.
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  const bool oneLine = client.bottom < 2 * metrics.tmHeight && caption_.find('\n') == Text::npos;
  UINT format = DT_NOPREFIX | (oneLine ? DT_SINGLELINE : DT_WORDBREAK | DT_EDITCONTROL);
  if (description_.align == TextAlign::Centre) format |= DT_CENTER;
  if (description_.align == TextAlign::Right) format |= DT_RIGHT;
  DrawTextA(dc, caption_.c_str(), static_cast<int>(caption_.size()), &client, format);
}

bool Label::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (paintsItself(hwnd_, message, result, [this](HDC dc, const RECT&) { paint(dc); })) return true;
  switch (message) {
    case WM_SETTEXT:
      // Keeps the text the window holds (for its readers) without a repaint of the default kind.
      result = defaultProc(message, wParam, lParam);
      InvalidateRect(hwnd_, nullptr, FALSE);
      return true;
    case WM_WINDOWPOSCHANGING: {
      // A label without a colour of its own shows what lies under it: moved,
      // its old pixels would carry the old place's background along, so it
      // paints afresh where it lands.
      auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
      if (!description_.background && !(position->flags & SWP_NOMOVE)) {
        const RECT now = bounds();
        if (position->x != now.left || position->y != now.top) position->flags |= SWP_NOCOPYBITS;
      }
      return false;
    }
    case WM_MOUSEMOVE:
      if (enabled()) description_.onMouseMove(mouseX(lParam), mouseY(lParam), mouseKeys(wParam));
      return true;
    case WM_LBUTTONDOWN:
      if (enabled() || description_.pressWhileDisabled) {
        description_.onLeftDown(mouseX(lParam), mouseY(lParam), mouseKeys(wParam));
      }
      return true;
    default:
      return false;
  }
}

}  // namespace fw
