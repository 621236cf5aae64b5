#include "framework/units/unit.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <unordered_map>

#include "framework/units/internal.h"
#include "framework/window.h"

namespace fw {

namespace {

// Which unit each window of the layer belongs to. A table of this process
// rather than a window property: every message looks its unit up, and under
// Wine reading a window property is a call to the server, which made messages
// sent by the thousand (a list emptied of many lines tells its parent of each)
// cost seconds.
struct UnitTable {
  std::mutex lock;
  std::unordered_map<HWND, Unit*> units;
  // A subclassed control's own procedure, for messages that arrive while no
  // unit is linked to it.
  std::unordered_map<HWND, WNDPROC> controlProcs;
};

// Kept for the whole process and never destroyed: windows may still exist while
// static objects are torn down at exit.
UnitTable& unitTable() {
  static UnitTable* table = new UnitTable;
  return *table;
}

LRESULT CALLBACK unitWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Unit* unit = unitFromHandle(hwnd);
  if (message == WM_NCCREATE && unit == nullptr) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    unit = static_cast<Unit*>(create->lpCreateParams);
    if (unit != nullptr) UnitAccess::link(unit, hwnd);
  }
  if (unit == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  return UnitAccess::dispatch(unit, message, wParam, lParam);
}

WNDPROC controlProcOf(HWND hwnd) {
  UnitTable& table = unitTable();
  std::lock_guard<std::mutex> guard(table.lock);
  auto it = table.controlProcs.find(hwnd);
  return it != table.controlProcs.end() ? it->second : nullptr;
}

// Controls of system classes are subclassed by replacing their window
// procedure (user32 alone), not through the common controls' subclass chain,
// so that creating a plain list or edit box loads no further library.
LRESULT CALLBACK unitSubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Unit* unit = unitFromHandle(hwnd);
  if (unit != nullptr && unit->handle() == hwnd) return UnitAccess::dispatch(unit, message, wParam, lParam);
  WNDPROC previous = controlProcOf(hwnd);
  if (previous == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  return CallWindowProcA(previous, hwnd, message, wParam, lParam);
}

// The unit that a control's notification to its parent is about.
HWND notifyingControl(UINT message, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_VSCROLL:
    case WM_HSCROLL:
      return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
      return lParam != 0 ? reinterpret_cast<NMHDR*>(lParam)->hwndFrom : nullptr;
    default:
      return nullptr;
  }
}

}  // namespace

int keysHeldNow() {
  int keys = 0;
  if (GetKeyState(VK_CONTROL) < 0) keys |= kCtrlHeld;
  if (GetKeyState(VK_SHIFT) < 0) keys |= kShiftHeld;
  if (GetKeyState(VK_MENU) < 0) keys |= kAltHeld;
  return keys;
}

int mouseX(LPARAM lParam) { return GET_X_LPARAM(lParam); }
int mouseY(LPARAM lParam) { return GET_Y_LPARAM(lParam); }
int mouseKeys(WPARAM wParam) {
  int keys = 0;
  if (wParam & MK_CONTROL) keys |= kCtrlHeld;
  if (wParam & MK_SHIFT) keys |= kShiftHeld;
  if (GetKeyState(VK_MENU) < 0) keys |= kAltHeld;
  return keys;
}

COLORREF toColorRef(Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }

Unit* unitFromHandle(HWND hwnd) {
  if (hwnd == nullptr) return nullptr;
  UnitTable& table = unitTable();
  std::lock_guard<std::mutex> guard(table.lock);
  auto it = table.units.find(hwnd);
  return it == table.units.end() ? nullptr : it->second;
}

void registerClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = unitWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  // The program's icon resource, when the program has one.
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExA(&windowClass);
  windowClass.hIcon = nullptr;
  windowClass.lpszClassName = kUnitClass;
  RegisterClassExA(&windowClass);
}

HFONT defaultFont() {
  static HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                  DEFAULT_PITCH | FF_SWISS, "Microsoft YaHei");
  return font;
}

BufferedPaint::BufferedPaint(HWND hwnd) : hwnd_(hwnd) {
  target_ = BeginPaint(hwnd, &ps_);
  GetClientRect(hwnd, &client_);
  int width = std::max<LONG>(1, client_.right);
  int height = std::max<LONG>(1, client_.bottom);
  memory_ = CreateCompatibleDC(target_);
  bitmap_ = CreateCompatibleBitmap(target_, width, height);
  old_ = SelectObject(memory_, bitmap_);
  SelectObject(memory_, defaultFont());
}

BufferedPaint::~BufferedPaint() {
  BitBlt(target_, 0, 0, client_.right, client_.bottom, memory_, 0, 0, SRCCOPY);
  SelectObject(memory_, old_);
  DeleteObject(bitmap_);
  DeleteDC(memory_);
  EndPaint(hwnd_, &ps_);
}

// ---- the dispatch every unit's messages go through ----

void UnitAccess::link(Unit* unit, HWND hwnd) {
  {
    UnitTable& table = unitTable();
    std::lock_guard<std::mutex> guard(table.lock);
    table.units[hwnd] = unit;
  }
  unit->hwnd_ = hwnd;
}

void UnitAccess::unlink(Unit* unit) {
  if (unit->hwnd_ == nullptr) return;
  {
    UnitTable& table = unitTable();
    std::lock_guard<std::mutex> guard(table.lock);
    auto it = table.units.find(unit->hwnd_);
    if (it != table.units.end() && it->second == unit) table.units.erase(it);
  }
  if (unit->controlProc_ != nullptr) {
    SetWindowLongPtrA(unit->hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(unit->controlProc_));
    UnitTable& table = unitTable();
    std::lock_guard<std::mutex> guard(table.lock);
    table.controlProcs.erase(unit->hwnd_);
    unit->controlProc_ = nullptr;
  }
  unit->hwnd_ = nullptr;
}

LRESULT UnitAccess::dispatch(Unit* unit, UINT message, WPARAM wParam, LPARAM lParam) {
  Window& window = *unit->window_;
  window.dispatchEnter();
  LRESULT result = 0;
  bool handled = false;

  if (HWND control = notifyingControl(message, lParam)) {
    Unit* target = unitFromHandle(control);
    if (target != nullptr && target != unit) handled = target->onNotification(message, wParam, lParam, result);
  }
  if (!handled && message == WM_LBUTTONDOWN && unit->movesWindowOnPress() && window.dragToMove() &&
      window.handle() != nullptr && unit->eventsAllowed()) {
    // The press becomes a press on a title bar: the system moves the window
    // until the button is released, and the unit never sees it.
    POINT point{mouseX(lParam), mouseY(lParam)};
    ClientToScreen(unit->hwnd_, &point);
    ReleaseCapture();
    SendMessageA(window.handle(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
    handled = true;
  }
  if (!handled && message == WM_KEYDOWN && wParam == VK_ESCAPE && window.description().escCloses &&
      window.handle() != nullptr) {
    window.destroy();
    handled = true;
  }
  if (!handled && message == WM_SETFOCUS && unit != &window) window.noteFocus(unit);
  if (!handled && message == WM_KEYDOWN && wParam == VK_TAB && (keysHeldNow() & (kCtrlHeld | kAltHeld)) == 0) {
    handled = window.tabFrom(unit, (keysHeldNow() & kShiftHeld) != 0);
  }
  // The character TranslateMessage made of a Tab that moved the focus still
  // reaches the unit the focus left, where an edit box would take it as text.
  if (!handled && message == WM_CHAR && wParam == '\t' && window.hasTabOrder()) {
    result = 0;
    handled = true;
  }
  if (!handled && unit->hwnd_ != nullptr) handled = unit->onMessage(message, wParam, lParam, result);
  if (!handled && unit->hwnd_ != nullptr) result = unit->defaultProc(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    unlink(unit);
    unit->handleDestroyed();
  }
  window.dispatchLeave();
  return result;
}

// ---- Unit ----

Unit::Unit(Window* window, const UnitPlacement& placement)
    : window_(window), parent_(placement.parent), stored_(placement) {
  window->addUnit(this);
}

Unit::Unit(const UnitPlacement& placement) : parent_(nullptr), stored_(placement) {}

Unit::~Unit() { UnitAccess::unlink(this); }

bool Unit::onMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }
bool Unit::onNotification(UINT, WPARAM, LPARAM, LRESULT&) { return false; }
void Unit::createHandle() {}

void Unit::paintBackground(HDC dc, const RECT& area) {
  window_->paintBackground(dc, area);
}

LRESULT Unit::defaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (controlProc_ != nullptr) return CallWindowProcA(controlProc_, hwnd_, message, wParam, lParam);
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

bool Unit::eventsAllowed() const { return hwnd_ != nullptr && IsWindowEnabled(hwnd_); }

HWND Unit::parentHandle() const { return parent_ != nullptr ? parent_->hwnd_ : window_->hwnd_; }

HWND Unit::createChild(const char* className, DWORD style, DWORD exStyle) {
  HWND parent = parentHandle();
  if (parent == nullptr) return nullptr;
  const bool ours = std::strcmp(className, kUnitClass) == 0;
  DWORD fullStyle = WS_CHILD | WS_CLIPSIBLINGS | style;
  if (stored_.visible) fullStyle |= WS_VISIBLE;
  if (!stored_.enabled) fullStyle |= WS_DISABLED;
  if (stored_.takesFocus) fullStyle |= WS_TABSTOP;
  HWND hwnd = CreateWindowExA(exStyle, className, caption_.c_str(), fullStyle, stored_.left, stored_.top,
                              std::max(0, stored_.width), std::max(0, stored_.height), parent, nullptr,
                              GetModuleHandleA(nullptr), ours ? this : nullptr);
  if (hwnd == nullptr) return nullptr;
  if (!ours) subclass(hwnd);
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(defaultFont()), FALSE);
  // A unit described later lies over the ones before it.
  SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return hwnd;
}

void Unit::subclass(HWND control) {
  UnitAccess::link(this, control);
  auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(control, GWLP_WNDPROC));
  {
    UnitTable& table = unitTable();
    std::lock_guard<std::mutex> guard(table.lock);
    table.controlProcs[control] = previous;
  }
  SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(unitSubclassProc));
  controlProc_ = previous;
}

void Unit::paintParentBackground(HDC dc) const {
  Unit* parent = parent_ != nullptr ? parent_ : window_;
  if (hwnd_ == nullptr || parent->hwnd_ == nullptr) return;
  RECT area;
  GetWindowRect(hwnd_, &area);
  MapWindowPoints(HWND_DESKTOP, parent->hwnd_, reinterpret_cast<POINT*>(&area), 2);
  POINT old;
  SetViewportOrgEx(dc, -area.left, -area.top, &old);
  parent->paintBackground(dc, area);
  SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

RECT Unit::bounds() const {
  if (hwnd_ == nullptr) {
    return RECT{stored_.left, stored_.top, stored_.left + std::max(0, stored_.width),
                stored_.top + std::max(0, stored_.height)};
  }
  RECT rect;
  GetWindowRect(hwnd_, &rect);
  if (GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_CHILD) {
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&rect), 2);
  }
  return rect;
}

int Unit::left() const { return bounds().left; }
int Unit::top() const { return bounds().top; }
int Unit::width() const {
  RECT rect = bounds();
  return std::max<LONG>(0, rect.right - rect.left);
}
int Unit::height() const {
  RECT rect = bounds();
  return std::max<LONG>(0, rect.bottom - rect.top);
}

void Unit::setBounds(int left, int top, int width, int height) {
  stored_.left = left;
  stored_.top = top;
  stored_.width = std::max(0, width);
  stored_.height = std::max(0, height);
  if (hwnd_ != nullptr) {
    SetWindowPos(hwnd_, nullptr, left, top, stored_.width, stored_.height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void Unit::setLeft(int value) { setBounds(value, top(), width(), height()); }
void Unit::setTop(int value) { setBounds(left(), value, width(), height()); }
void Unit::setWidth(int value) { setBounds(left(), top(), value, height()); }
void Unit::setHeight(int value) { setBounds(left(), top(), width(), value); }

bool Unit::visible() const {
  if (hwnd_ == nullptr) return stored_.visible;
  return (GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Unit::setVisible(bool visible) {
  stored_.visible = visible;
  if (hwnd_ == nullptr) return;
  ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
  // Wine leaves the focus on a unit inside one that was hidden; Windows hands
  // it to the parent. Either way the window's Tab order takes it on.
  const HWND focus = GetFocus();
  if (!visible && focus != nullptr && (focus == hwnd_ || IsChild(hwnd_, focus))) window_->focusHidden();
}

bool Unit::enabled() const {
  if (hwnd_ == nullptr) return stored_.enabled;
  return IsWindowEnabled(hwnd_) != FALSE;
}

void Unit::setEnabled(bool enabled) {
  stored_.enabled = enabled;
  if (hwnd_ != nullptr) EnableWindow(hwnd_, enabled);
}

Text Unit::caption() const {
  if (hwnd_ == nullptr) return caption_;
  int length = GetWindowTextLengthA(hwnd_);
  Text text(static_cast<std::size_t>(std::max(0, length)) + 1, '\0');
  int got = GetWindowTextA(hwnd_, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(std::max(0, got)));
  return text;
}

void Unit::setCaption(const Text& caption) {
  caption_ = caption;
  if (hwnd_ != nullptr) SetWindowTextA(hwnd_, caption.c_str());
}

}  // namespace fw
