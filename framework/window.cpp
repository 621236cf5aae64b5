#include "framework/window.h"

#include <algorithm>
#include <map>
#include <vector>

#include "framework/tray_internal.h"
#include "framework/units/internal.h"

namespace fw {

namespace {

constexpr int kFirstCommand = 1000;
constexpr UINT_PTR kFirstTimer = 0x5100;

struct Registry {
  std::map<std::type_index, Window*> open;
  std::vector<std::unique_ptr<Window>> owned;
};

// Kept for the whole process and never destroyed: windows may still exist while
// static objects are torn down at exit.
Registry& registry() {
  static Registry* instance = new Registry;
  return *instance;
}

void forgetOpen(Window* window) {
  auto& open = registry().open;
  for (auto it = open.begin(); it != open.end();) {
    it = it->second == window ? open.erase(it) : std::next(it);
  }
}

void deleteOwned(Window* window) {
  forgetOpen(window);
  auto& owned = registry().owned;
  auto it = std::find_if(owned.begin(), owned.end(), [&](const auto& p) { return p.get() == window; });
  if (it == owned.end()) return;
  std::unique_ptr<Window> doomed = std::move(*it);
  owned.erase(it);
}

// Shown (with every parent), enabled and still there.
bool canHaveFocus(HWND hwnd) { return hwnd != nullptr && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd); }

bool canHaveFocus(const Unit* unit) { return canHaveFocus(unit->handle()); }

UnitPlacement windowPlacement(const WindowDescription& d) {
  return UnitPlacement{nullptr, d.left, d.top, d.width, d.height, d.visible, true};
}

}  // namespace

namespace detail {

Window* findOpenWindow(std::type_index type) {
  auto& open = registry().open;
  auto it = open.find(type);
  if (it == open.end() || it->second->handle() == nullptr || it->second->destroyed()) return nullptr;
  return it->second;
}

bool createOwnedWindow(std::type_index type, std::unique_ptr<Window> window) {
  Window* raw = window.get();
  raw->setOwnedByLayer(true);
  registry().owned.push_back(std::move(window));
  registry().open[type] = raw;
  // A window that fails or is destroyed by its own created event is gone when
  // create() returns false.
  return raw->create();
}

}  // namespace detail

Window::Window(WindowDescription description)
    : Unit(windowPlacement(description)), description_(std::move(description)) {
  window_ = this;
  caption_ = description_.caption;
  dragToMove_ = description_.dragToMove;
  if (description_.background) backgroundBrush_ = CreateSolidBrush(toColorRef(*description_.background));
}

Window::~Window() {
  forgetTrayIcon(*this);
  if (hwnd_ != nullptr) {
    HWND hwnd = hwnd_;
    UnitAccess::unlink(this);
    DestroyWindow(hwnd);
  }
  if (menuBar_ != nullptr) DestroyMenu(menuBar_);
  if (backgroundBrush_ != nullptr) DeleteObject(backgroundBrush_);
}

bool Window::create() {
  registerClasses();
  dispatchEnter();
  const WindowDescription& d = description_;
  DWORD style = WS_CLIPCHILDREN;
  DWORD exStyle = 0;
  if (d.border == Border::None) {
    // A sizing frame with no frame drawn (see WM_NCCALCSIZE): the system's own
    // resize from a corner then works on the borderless window.
    style |= WS_POPUP | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  } else {
    style |= WS_OVERLAPPED | WS_CAPTION;
    if (d.closeBox || d.minimizeBox || d.maximizeBox) style |= WS_SYSMENU;
    if (d.minimizeBox) style |= WS_MINIMIZEBOX;
    if (d.maximizeBox) style |= WS_MAXIMIZEBOX;
  }
  exStyle |= d.showInTaskbar ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW;
  if (d.alwaysOnTop) exStyle |= WS_EX_TOPMOST;
  int left = d.left;
  int top = d.top;
  if (d.opensCentred) {
    left = (GetSystemMetrics(SM_CXSCREEN) - d.width) / 2;
    top = (GetSystemMetrics(SM_CYSCREEN) - d.height) / 2;
  }
  stored_.left = left;
  stored_.top = top;
  HWND hwnd = CreateWindowExA(exStyle, kWindowClass, caption_.c_str(), style, left, top,
                              std::max(0, d.width), std::max(0, d.height), nullptr, nullptr,
                              GetModuleHandleA(nullptr), static_cast<Unit*>(this));
  if (hwnd == nullptr) {
    destroyed_ = true;
    dispatchLeave();
    return false;
  }
  if (!d.closeBox && d.border == Border::FixedSingle && (style & WS_SYSMENU)) {
    EnableMenuItem(GetSystemMenu(hwnd, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
  }
  createUnits();
  rebuildMenuBar();
  unitsCreated_ = true;
  description_.onCreated();
  if (hwnd_ != nullptr && stored_.visible) {
    suppressSizeEvents_ = true;
    ShowWindow(hwnd_, SW_SHOW);
    suppressSizeEvents_ = false;
    shown_ = true;
    if (hwnd_ != nullptr) UpdateWindow(hwnd_);
    if (hwnd_ != nullptr) description_.onSizeChanged();
  }
  shown_ = true;
  const bool open = hwnd_ != nullptr;
  dispatchLeave();
  return open;
}

void Window::createUnits() {
  for (Unit* unit : units_) UnitAccess::create(unit);
}

void Window::dispatchEnter() {
  ++dispatchDepth_;
  detail::windowsHandling().push_back(this);
}

void Window::dispatchLeave() {
  detail::windowsHandling().pop_back();
  if (--dispatchDepth_ == 0 && destroyed_ && ownedByLayer_) deleteOwned(this);
}

void Window::destroy() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

void Window::handleDestroyed() {
  destroyed_ = true;
  forgetTrayIcon(*this);
  for (Unit* unit : units_) {
    if (unit->handle() == nullptr) UnitAccess::destroyed(unit);
  }
  menuBar_ = nullptr;  // destroyed with the window
  forgetOpen(this);
}

bool Window::visible() const {
  if (hwnd_ == nullptr || !shown_) return stored_.visible;
  return IsWindowVisible(hwnd_) != FALSE;
}

void Window::setVisible(bool visible) {
  stored_.visible = visible;
  if (hwnd_ != nullptr && shown_) ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

int Window::startState() const {
  if (hwnd_ == nullptr) return kStateNormal;
  if (IsIconic(hwnd_)) return kStateMinimised;
  if (IsZoomed(hwnd_)) return kStateMaximised;
  return kStateNormal;
}

void Window::setStartState(int state) {
  if (hwnd_ == nullptr) return;
  switch (state) {
    case kStateNormal:
      if (IsIconic(hwnd_) || IsZoomed(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
      break;
    case kStateCentred: {
      if (!IsWindowVisible(hwnd_)) return;
      if (IsIconic(hwnd_) || IsZoomed(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
      const int x = (GetSystemMetrics(SM_CXSCREEN) - width()) / 2;
      const int y = (GetSystemMetrics(SM_CYSCREEN) - height()) / 2;
      SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    case kStateMinimised:
      ShowWindow(hwnd_, SW_MINIMIZE);
      break;
    case kStateMaximised:
      ShowWindow(hwnd_, SW_MAXIMIZE);
      break;
    default:
      break;
  }
}

void Window::bringToFront() {
  if (hwnd_ == nullptr) return;
  if (IsIconic(hwnd_)) {
    ShowWindow(hwnd_, SW_RESTORE);
    return;
  }
  SetForegroundWindow(hwnd_);
  BringWindowToTop(hwnd_);
  SetActiveWindow(hwnd_);
}

int Window::registerCommand(MenuItem* item) {
  commands_.push_back(item);
  return kFirstCommand + static_cast<int>(commands_.size()) - 1;
}

int Window::registerTimer(Timer* timer) {
  timers_.push_back(timer);
  return static_cast<int>(kFirstTimer + timers_.size() - 1);
}

void Window::rebuildMenuBar() {
  if (hwnd_ == nullptr) return;
  HMENU bar = nullptr;
  for (Unit* unit : units_) {
    auto* item = dynamic_cast<MenuItem*>(unit);
    if (item == nullptr || item->parentItem() != nullptr || !item->visible()) continue;
    if (bar == nullptr) bar = CreateMenu();
    item->appendTo(bar);
  }
  HMENU old = menuBar_;
  menuBar_ = bar;
  if (bar != nullptr || old != nullptr) SetMenu(hwnd_, bar);
  if (old != nullptr) DestroyMenu(old);
}

bool Window::hasTabOrder() const {
  return std::any_of(units_.begin(), units_.end(), [](const Unit* unit) { return unit->takesFocus(); });
}

void Window::focusUnit(Unit* unit) {
  SetFocus(unit->handle());
  // Windows hides focus rectangles until the keyboard is used; a window that
  // puts the focus on a unit for the keyboard shows where it is.
  SendMessageA(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

bool Window::mainChildCanHaveFocus() const {
  return mainChild_ != nullptr && IsChild(hwnd_, mainChild_) && canHaveFocus(mainChild_);
}

bool Window::giveFocus() {
  if (!hasTabOrder()) {
    if (!mainChildCanHaveFocus()) return false;
    SetFocus(mainChild_);
    return true;
  }
  Unit* target = lastFocus_ != nullptr && canHaveFocus(lastFocus_) ? lastFocus_ : nullptr;
  for (auto it = units_.begin(); target == nullptr && it != units_.end(); ++it) {
    if ((*it)->takesFocus() && canHaveFocus(*it)) target = *it;
  }
  if (target == nullptr) return false;
  focusUnit(target);
  return true;
}

bool Window::tabFrom(Unit* from, bool backwards) {
  if (!hasTabOrder()) return false;
  const auto count = static_cast<std::ptrdiff_t>(units_.size());
  auto at = std::find(units_.begin(), units_.end(), from) - units_.begin();
  // From the window itself, Tab goes to the first unit and Shift+Tab to the last.
  if (at == count) at = backwards ? count : -1;
  const std::ptrdiff_t step = backwards ? -1 : 1;
  for (std::ptrdiff_t n = 1; n <= count; ++n) {
    Unit* unit = units_[static_cast<std::size_t>(((at + step * n) % count + count) % count)];
    if (unit->takesFocus() && canHaveFocus(unit)) {
      focusUnit(unit);
      break;
    }
  }
  return true;
}

void Window::pressEnded(Unit* unit) {
  // Only while the unit still has the focus: the window is then the active
  // one, and handing the focus on activates nothing else.
  if (hasTabOrder() || unit->handle() == nullptr || GetFocus() != unit->handle()) return;
  if (mainChildCanHaveFocus()) SetFocus(mainChild_);
}

void Window::applyWorkAreaMaximise(MINMAXINFO& info) const {
  HMONITOR monitor = MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST);
  MONITORINFO mi{};
  mi.cbSize = sizeof mi;
  if (!GetMonitorInfoA(monitor, &mi)) return;
  info.ptMaxPosition.x = mi.rcWork.left - mi.rcMonitor.left;
  info.ptMaxPosition.y = mi.rcWork.top - mi.rcMonitor.top;
  info.ptMaxSize.x = mi.rcWork.right - mi.rcWork.left;
  info.ptMaxSize.y = mi.rcWork.bottom - mi.rcWork.top;
  info.ptMaxTrackSize.x = std::max(info.ptMaxTrackSize.x, info.ptMaxSize.x);
  info.ptMaxTrackSize.y = std::max(info.ptMaxTrackSize.y, info.ptMaxSize.y);
}

void Window::paintBackground(HDC dc, const RECT& area) {
  HBRUSH brush = backgroundBrush_ != nullptr ? backgroundBrush_ : GetSysColorBrush(COLOR_BTNFACE);
  FillRect(dc, &area, brush);
}

bool Window::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (handleTrayMessage(*this, message, wParam, lParam)) {
    result = 0;
    return true;
  }
  switch (message) {
    case WM_NCCALCSIZE:
      if (description_.border == Border::None) {
        // The whole window is client area: no frame, outer size = inner size.
        result = 0;
        return true;
      }
      return false;
    case WM_NCACTIVATE:
      if (description_.border == Border::None) {
        result = TRUE;
        return true;
      }
      return false;
    case WM_ACTIVATE:
      // Not while minimised: the focus then stays with the window itself.
      if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0 && giveFocus()) {
        result = 0;
        return true;
      }
      return false;
    case WM_SETFOCUS:
      // The system hands the focus to the window itself when the unit that
      // had it is hidden, and when the window is restored from the taskbar.
      if (!IsIconic(hwnd_) && giveFocus()) {
        result = 0;
        return true;
      }
      return false;
    case WM_GETMINMAXINFO:
      applyWorkAreaMaximise(*reinterpret_cast<MINMAXINFO*>(lParam));
      result = 0;
      return true;
    case WM_SIZE:
      if (unitsCreated_ && !suppressSizeEvents_ && wParam != SIZE_MINIMIZED) description_.onSizeChanged();
      result = 0;
      return true;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(hwnd_, &client);
      paintBackground(reinterpret_cast<HDC>(wParam), client);
      result = 1;
      return true;
    }
    case WM_TIMER: {
      const UINT_PTR index = wParam - kFirstTimer;
      if (wParam >= kFirstTimer && index < timers_.size()) {
        timers_[index]->tick();
        result = 0;
        return true;
      }
      return false;
    }
    case WM_COMMAND:
      if (lParam == 0 && HIWORD(wParam) == 0) {
        const int index = LOWORD(wParam) - kFirstCommand;
        if (index >= 0 && index < static_cast<int>(commands_.size())) {
          commands_[static_cast<std::size_t>(index)]->choose();
          result = 0;
          return true;
        }
      }
      return false;
    case WM_DESTROY:
      description_.onDestroying();
      return false;
    default:
      return false;
  }
}

}  // namespace fw
