#pragma once
// Windows written as descriptions. A window is a class derived from fw::Window
// whose units are its members; its settings are the description handed to the
// base, and every event names a plain routine (or any callable):
//
//   void onAboutCreated();
//   struct AboutWindow : fw::Window {
//     AboutWindow() : Window({.left = 50, .top = 50, .width = 380, .height = 245,
//                             .caption = "关于", .border = fw::Border::FixedSingle,
//                             .minimizeBox = true, .opensCentred = true,
//                             .escCloses = true, .onCreated = onAboutCreated}) {}
//     fw::Label 标签1{this, {.left = 3, .top = 8, .width = 368, .height = 100,
//                            .caption = "简介"}};
//   };
//
//   fw::loadWindow<AboutWindow>();
//
// Including this header gives every unit kind, menus, the tray icon and pictures.
#include <memory>
#include <typeindex>
#include <typeinfo>

#include "framework/menu.h"
#include "framework/picture.h"
#include "framework/tray.h"
#include "framework/units/button.h"
#include "framework/units/common_dialog.h"
#include "framework/units/edit_box.h"
#include "framework/units/grid.h"
#include "framework/units/label.h"
#include "framework/units/list_box.h"
#include "framework/units/picture_box.h"
#include "framework/units/picture_button.h"
#include "framework/units/slider.h"
#include "framework/units/timer.h"
#include "framework/units/tree_box.h"
#include "framework/units/unit.h"

namespace fw {

enum class Border {
  None,         // no frame, no title bar, no system menu: the window draws its own
  FixedSingle,  // a title bar with caption and the chosen boxes, not resizable
};

// The window's start state property (read 0 / 2 / 3, write 0 / 1 / 2 / 3).
enum StartState : int {
  kStateNormal = 0,     // write: restore
  kStateCentred = 1,    // write only: centre on the primary screen (see setStartState)
  kStateMinimised = 2,
  kStateMaximised = 3,  // maximised into the work area of the window's monitor
};

// Tray-icon event types raised by the notification area.
enum TrayEventType : int {
  kTrayLeftUp = 1,
  kTrayLeftDoubleClick = 2,
  kTrayRightUp = 3,  // also the context-menu request
};

struct WindowDescription {
  // Outer position and size in pixels. A window that opens centred ignores left
  // and top.
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  Text caption;
  Border border = Border::None;
  // Boxes of the title bar (FixedSingle only).
  bool minimizeBox = false;
  bool maximizeBox = false;
  bool closeBox = true;
  // Placed at ((screen width − width) / 2, (screen height − height) / 2) of the
  // primary screen when created.
  bool opensCentred = false;
  bool showInTaskbar = true;
  // Drag-to-move at creation (see Window::setDragToMove).
  bool dragToMove = false;
  // Esc pressed anywhere in the window destroys it.
  bool escCloses = false;
  bool alwaysOnTop = false;
  // The colour of the window's surface; empty: the system's face colour.
  std::optional<Rgb> background;
  bool visible = true;

  // Runs once, after every unit exists and before the window is shown.
  PlainHandler onCreated;
  // Runs when the window is being destroyed, while its units still exist.
  PlainHandler onDestroying;
  // Runs once when the window is first shown, and after each change of its
  // outer size from then on (also during the created event), not when minimised.
  PlainHandler onSizeChanged;
  // The window's tray icon was used: TrayEventType.
  Handler<int> onTrayEvent;
};

class Window : public Unit {
 public:
  explicit Window(WindowDescription description);
  ~Window() override;

  // 0 normal, 2 minimised, 3 maximised.
  int startState() const;
  // 0: restore to normal. 1: centre on the primary screen at ((screen width −
  // width) / 2, (screen height − height) / 2), integer division, keeping size and
  // z-order; a minimised or maximised window is restored first; a hidden window
  // is not moved. 2: minimise. 3: maximise into the work area of the monitor
  // that holds the window. Other values do nothing.
  void setStartState(int state);

  // Drag-to-move. While on, a left press on the window's own surface or on one of
  // its picture boxes or (non-transparent) labels moves the window as a press on
  // a title bar would, and the press does not reach the unit. While off, presses
  // reach the units. Picture buttons, transparent labels and other kinds never
  // move the window.
  bool dragToMove() const { return dragToMove_; }
  void setDragToMove(bool on) { dragToMove_ = on; }

  // Destroys the window: runs onDestroying, destroys the units. A window loaded
  // with loadWindow is deleted as soon as the event that destroyed it returns,
  // so nothing may touch it after destroy().
  void destroy();

  // Shown, not minimised: activate; minimised: restore. What loading an open
  // window does.
  void bringToFront();

  const WindowDescription& description() const { return description_; }

  // The units described with takesFocus are the window's Tab order, in the
  // order they are described. While the window has such units, activating it
  // gives the focus back to the unit that had it last, or (when it opens, and
  // when that unit is hidden, disabled or gone) to the first unit of the order
  // that can take it: shown with its parents, and enabled. Tab moves the focus
  // to the next unit of the order that can take it, Shift+Tab to the one
  // before, both wrapping around; the Tab key then reaches no unit. A window
  // without such units leaves the focus and the Tab key alone.
  bool hasTabOrder() const;

  // The window's main child: a child window that is not a unit (one another
  // library made inside this window) and that the window hands its focus on
  // to, as a window with one main control does. While it is a shown, enabled
  // child of the window and the window has no Tab order, activating the
  // window, or the focus given to the window itself, puts the focus on it; and
  // when a press on a slider of the window ends, the slider hands the focus
  // back to it. nullptr (as created): none, the focus stays where the system
  // puts it.
  HWND mainChild() const { return mainChild_; }
  void setMainChild(HWND child) { mainChild_ = child; }

  bool visible() const override;
  // Showing activates the window.
  void setVisible(bool visible) override;

  // ---- below: the layer's own machinery ----
  // Creates the window and its units, runs onCreated, shows it. False when the
  // window could not be created or its created event destroyed it.
  bool create();
  // Menu item commands and timers are numbered per window.
  int registerCommand(class MenuItem* item);
  int registerTimer(Timer* timer);
  void dispatchEnter();
  void dispatchLeave();
  bool destroyed() const { return destroyed_; }
  void setOwnedByLayer(bool owned) { ownedByLayer_ = owned; }
  const std::vector<Unit*>& units() const { return units_; }
  void addUnit(Unit* unit) { units_.push_back(unit); }
  void rebuildMenuBar();
  void paintBackground(HDC dc, const RECT& area) override;
  // A unit of this window received the focus.
  void noteFocus(Unit* unit) { lastFocus_ = unit; }
  // A unit that held the focus, or held the unit that did, was hidden.
  void focusHidden() { giveFocus(); }
  // Tab (or Shift+Tab) pressed in `from` (a unit or the window itself). True
  // when the window has a Tab order, which then takes the key.
  bool tabFrom(Unit* from, bool backwards);
  // A press on `unit`, which took the focus for it, has ended: the focus goes
  // back to the main child, if the unit still has it (see mainChild).
  void pressEnded(Unit* unit);

 protected:
  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool movesWindowOnPress() const override { return true; }
  void handleDestroyed() override;

 private:
  void createUnits();
  void applyWorkAreaMaximise(MINMAXINFO& info) const;
  // Gives the focus as activation does (see hasTabOrder and mainChild); false
  // when the window has no unit or main child that can take it.
  bool giveFocus();
  bool mainChildCanHaveFocus() const;
  void focusUnit(Unit* unit);

  WindowDescription description_;
  bool dragToMove_ = false;
  std::vector<Unit*> units_;
  Unit* lastFocus_ = nullptr;
  HWND mainChild_ = nullptr;
  std::vector<class MenuItem*> commands_;
  std::vector<Timer*> timers_;
  HMENU menuBar_ = nullptr;
  HBRUSH backgroundBrush_ = nullptr;
  int dispatchDepth_ = 0;
  bool destroyed_ = false;
  bool ownedByLayer_ = false;
  bool unitsCreated_ = false;
  bool shown_ = false;
  bool suppressSizeEvents_ = false;
};

namespace detail {
// The windows whose messages or events this thread is handling, innermost
// last (handlers of several windows nest); empty outside them all.
std::vector<Window*>& windowsHandling();
Window* findOpenWindow(std::type_index type);
bool createOwnedWindow(std::type_index type, std::unique_ptr<Window> window);
}  // namespace detail

// Loads a window of type T: creates it from its description and shows it, not
// modal and without an owner. When a T is already open nothing is created: it is
// restored when minimised, otherwise activated, and its created event does not
// run again. True when a T is open afterwards.
template <class T>
bool loadWindow() {
  if (Window* open = detail::findOpenWindow(typeid(T))) {
    open->bringToFront();
    return true;
  }
  return detail::createOwnedWindow(typeid(T), std::unique_ptr<Window>(new T()));
}

// The open window of type T, or nullptr.
template <class T>
T* openWindow() {
  return static_cast<T*>(detail::findOpenWindow(typeid(T)));
}

template <class T>
bool isWindowOpen() {
  return detail::findOpenWindow(typeid(T)) != nullptr;
}

// Destroys the open window of type T, if any.
template <class T>
void destroyWindow() {
  if (Window* open = detail::findOpenWindow(typeid(T))) open->destroy();
}

}  // namespace fw
