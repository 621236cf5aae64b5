#pragma once
// The common ground of every unit of a window: placement, visibility, enabled
// state, caption, the handler type bound to events, and the picture and colour
// types of unit descriptions.
//
// A unit is a member of its window's class, constructed with the window's `this`
// and one description aggregate:
//
//   fw::PictureBox banner{this, {.left = 0, .top = 0, .width = 400, .height = 40,
//                                .picture = bannerBytes,
//                                .onDoubleClick = onBannerDoubleClick}};
//
// Members are created as real Win32 windows in declaration order when the window
// is loaded, so a parent unit must be declared before its children. Until then
// (and after the window is destroyed) the properties read and write the values
// the unit will be created with.
#include <windows.h>

#include <concepts>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "framework/text.h"

namespace fw {

class Window;

// A picture as it is carried in a description: the bytes of a PNG, JPEG or GIF
// file (for the tray, of an ICO file) compiled into the program. The bytes must
// outlive the unit; compiled-in artwork lives for the whole process.
using PictureBytes = std::span<const unsigned char>;

struct Rgb {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
};

// Keys held during a mouse or key event, as a sum.
enum KeysHeld : int { kCtrlHeld = 1, kShiftHeld = 2, kAltHeld = 4 };

// The keys held right now (Ctrl 1, Shift 2, Alt 4).
int keysHeldNow();

// An event's handler: empty, or a callable taking the event's own arguments.
// A callable that takes no arguments is accepted for any event and ignores them,
// so `.onClick = showFileMenu` and `.onClick = promptHiddenChannels` (x, y, keys)
// both bind.
template <class... Args>
class Handler {
 public:
  Handler() = default;
  template <class F>
    requires std::invocable<F&, Args...>
  Handler(F f) : call_(std::move(f)) {}
  template <class F>
    requires(sizeof...(Args) > 0 && !std::invocable<F&, Args...> && std::invocable<F&>)
  Handler(F f) : call_([g = std::move(f)](Args...) mutable { g(); }) {}

  explicit operator bool() const { return static_cast<bool>(call_); }
  // Runs the handler; an empty handler does nothing.
  void operator()(Args... args) const {
    if (call_) call_(args...);
  }

 private:
  std::function<void(Args...)> call_;
};

// Mouse events: x and y in the unit's own pixels, then the keys held (Ctrl 1,
// Shift 2, Alt 4).
using MouseHandler = Handler<int, int, int>;
// Key-down events: the virtual key code, then the keys held (Ctrl 1, Shift 2, Alt 4).
using KeyHandler = Handler<int, int>;
// Events without arguments (clicked, text changed, tick, created, ...).
using PlainHandler = Handler<>;

// The placement part every unit description has, gathered for the base class.
struct UnitPlacement {
  class Unit* parent = nullptr;  // nullptr: the window itself
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool visible = true;
  bool enabled = true;
  // In its window's Tab order (see Window): given the focus when the window is
  // activated, reached with Tab and Shift+Tab.
  bool takesFocus = false;
};

class Unit {
 public:
  Unit(const Unit&) = delete;
  Unit& operator=(const Unit&) = delete;
  virtual ~Unit();

  // Position relative to the parent unit's client area (for a window: the outer
  // rectangle on the screen) and outer size, in pixels. Negative sizes read back
  // as 0.
  int left() const;
  int top() const;
  int width() const;
  int height() const;
  void setLeft(int left);
  void setTop(int top);
  void setWidth(int width);
  void setHeight(int height);
  // All four at once, with one size-changed event for a window.
  void setBounds(int left, int top, int width, int height);

  virtual bool visible() const;
  virtual void setVisible(bool visible);
  // A disabled unit raises no events; labels still draw their text normally.
  virtual bool enabled() const;
  virtual void setEnabled(bool enabled);

  // The unit's text: a window's caption, a label's or button's text, an edit
  // box's content. Units without a text keep what is set and show nothing.
  virtual Text caption() const;
  virtual void setCaption(const Text& caption);

  // Whether the unit is in its window's Tab order, as described.
  bool takesFocus() const { return stored_.takesFocus; }

  // The unit's Win32 window while it exists, else nullptr. Timers, menu items and
  // the common dialog have none.
  HWND handle() const { return hwnd_; }
  // The window the unit belongs to.
  Window& window() const { return *window_; }
  // The parent unit; nullptr for the window itself and for units placed on it.
  Unit* parent() const { return parent_; }

  // ---- below: the layer's own machinery, not for descriptions or handlers ----
 protected:
  Unit(Window* window, const UnitPlacement& placement);
  // The window's own base: no registration, no parent.
  explicit Unit(const UnitPlacement& placement);

  // Creates the Win32 window (or whatever the unit needs) once the parent
  // exists. The default creates nothing.
  virtual void createHandle();
  // Messages of the unit's window; true when handled (then `result` is returned).
  virtual bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // Paints what a child drawn over this unit shows through (its colour, its
  // picture), in this unit's client coordinates. The default paints the window's
  // background colour.
  virtual void paintBackground(HDC dc, const RECT& area);
  // True for the kinds that a drag-to-move press moves the window from.
  virtual bool movesWindowOnPress() const { return false; }
  // Called when the handle is gone (the window was destroyed).
  virtual void handleDestroyed() {}
  // Notifications a control sends its parent (WM_COMMAND, WM_NOTIFY,
  // WM_CTLCOLOR...), handed back to the control's own unit.
  virtual bool onNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  // Creates a child window for this unit on the parent's window and links it.
  HWND createChild(const char* className, DWORD style, DWORD exStyle = 0);
  // Links a control of a system class so that onMessage sees its messages.
  void subclass(HWND control);
  // The parent's Win32 window (the window's client area for top-level units).
  HWND parentHandle() const;
  // Paints the parent's background under this unit's client area.
  void paintParentBackground(HDC dc) const;
  // Runs a handler of this unit unless the unit is disabled or gone.
  bool eventsAllowed() const;
  // Passes the message to the control's own procedure (subclassed units) or to
  // DefWindowProc.
  LRESULT defaultProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The unit's rectangle in its parent's client coordinates (a window: on the screen).
  RECT bounds() const;

  HWND hwnd_ = nullptr;
  Window* window_ = nullptr;
  Unit* parent_ = nullptr;
  UnitPlacement stored_;   // the placement while no handle exists
  Text caption_;           // the caption while no handle exists
  WNDPROC controlProc_ = nullptr;   // a subclassed control's own procedure

  friend class Window;
  friend struct UnitAccess;
};

}  // namespace fw
