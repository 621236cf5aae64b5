#pragma once
// What the unit implementations share and descriptions never need.
#include <windows.h>

#include "framework/units/unit.h"

namespace fw {

// The procedures of the layer's own window classes and of subclassed controls
// reach the units through here (friend of Unit).
struct UnitAccess {
  static LRESULT dispatch(Unit* unit, UINT message, WPARAM wParam, LPARAM lParam);
  static void link(Unit* unit, HWND hwnd);
  static void unlink(Unit* unit);
  static void create(Unit* unit) { unit->createHandle(); }
  static void destroyed(Unit* unit) { unit->handleDestroyed(); }
  static void paintBackground(Unit* unit, HDC dc, const RECT& area) { unit->paintBackground(dc, area); }
  static UnitPlacement& stored(Unit* unit) { return unit->stored_; }
};

// The unit a window of this layer (or a subclassed control) belongs to.
Unit* unitFromHandle(HWND hwnd);

// Class names of the layer's own windows.
inline constexpr char kWindowClass[] = "fw.Window";
inline constexpr char kUnitClass[] = "fw.Unit";
void registerClasses();

// The font every unit with text uses.
HFONT defaultFont();

COLORREF toColorRef(Rgb colour);

// x and y of a mouse message's lParam, and the keys held (Ctrl 1, Shift 2, Alt 4)
// from its wParam.
int mouseX(LPARAM lParam);
int mouseY(LPARAM lParam);
int mouseKeys(WPARAM wParam);

// A key message's lParam: the key was already down (the keyboard repeats it).
inline bool keyRepeated(LPARAM lParam) { return (lParam & (LPARAM{1} << 30)) != 0; }

// Paints into a memory bitmap and copies it to the window at the end, so that
// layered drawing (background, picture, text) never flickers.
class BufferedPaint {
 public:
  explicit BufferedPaint(HWND hwnd);
  ~BufferedPaint();
  HDC dc() const { return memory_; }
  const RECT& client() const { return client_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC target_ = nullptr;
  HDC memory_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  RECT client_{};
};

// The two paint messages of a unit that draws every pixel itself: never
// erased (the buffered paint covers the whole client area), painted through
// `paint(dc, client)` into a BufferedPaint. True when the message was one of them.
template <class Paint>
bool paintsItself(HWND hwnd, UINT message, LRESULT& result, Paint&& paint) {
  if (message == WM_ERASEBKGND) {
    result = 1;
    return true;
  }
  if (message != WM_PAINT) return false;
  BufferedPaint buffered(hwnd);
  paint(buffered.dc(), buffered.client());
  return true;
}

}  // namespace fw
