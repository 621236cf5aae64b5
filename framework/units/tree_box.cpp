#include "framework/units/tree_box.h"

#include <commctrl.h>

#include "framework/units/internal.h"
#include "framework/window.h"
#include "framework/windows_routines.h"

namespace fw {

namespace {

HTREEITEM next(HWND tree, HTREEITEM item, UINT relation) {
  return reinterpret_cast<HTREEITEM>(
      SendMessageA(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

// Depth-first walk: calls visit(item, number) until it returns true.
template <class Visit>
bool walk(HWND tree, HTREEITEM item, int& number, Visit& visit) {
  for (; item != nullptr; item = next(tree, item, TVGN_NEXT)) {
    if (visit(item, number++)) return true;
    if (walk(tree, next(tree, item, TVGN_CHILD), number, visit)) return true;
  }
  return false;
}

}  // namespace

TreeBox::TreeBox(Window* window, TreeBoxDescription d)
    : Unit(window, UnitPlacement{d.parent, d.left, d.top, d.width, d.height, d.visible, d.enabled, d.takesFocus}),
      description_(std::move(d)) {}

void TreeBox::createHandle() {
  // The tree view's class comes with the common controls, loaded here at the
  // first tree box rather than by every program at its start.
  static const bool registered = [] {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES};
    return win::InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)registered;
  createChild(WC_TREEVIEWA, TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
              WS_EX_CLIENTEDGE);
  if (hwnd_ != nullptr) {
    SendMessageA(hwnd_, TVM_SETTEXTCOLOR, 0, RGB(0, 0, 0));
    SendMessageA(hwnd_, TVM_SETBKCOLOR, 0, RGB(255, 255, 255));
  }
}

void* TreeBox::itemHandle(int item) const {
  if (hwnd_ == nullptr || item < 0) return nullptr;
  HTREEITEM found = nullptr;
  auto visit = [&](HTREEITEM handle, int number) {
    if (number != item) return false;
    found = handle;
    return true;
  };
  int number = 0;
  walk(hwnd_, next(hwnd_, nullptr, TVGN_ROOT), number, visit);
  return found;
}

int TreeBox::numberOf(void* handle) const {
  if (hwnd_ == nullptr || handle == nullptr) return -1;
  int found = -1;
  auto visit = [&](HTREEITEM item, int number) {
    if (item != handle) return false;
    found = number;
    return true;
  };
  int number = 0;
  walk(hwnd_, next(hwnd_, nullptr, TVGN_ROOT), number, visit);
  return found;
}

int TreeBox::addItem(const Text& text, int parentItem) {
  if (hwnd_ == nullptr) return -1;
  HTREEITEM parent = TVI_ROOT;
  if (parentItem >= 0) {
    parent = static_cast<HTREEITEM>(itemHandle(parentItem));
    if (parent == nullptr) return -1;
  }
  TVINSERTSTRUCTA insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = const_cast<char*>(text.c_str());
  auto item = reinterpret_cast<HTREEITEM>(SendMessageA(hwnd_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
  return numberOf(item);
}

int TreeBox::count() const {
  if (hwnd_ == nullptr) return 0;
  return static_cast<int>(SendMessageA(hwnd_, TVM_GETCOUNT, 0, 0));
}

Text TreeBox::itemText(int item) const {
  auto handle = static_cast<HTREEITEM>(itemHandle(item));
  if (handle == nullptr) return Text();
  char buffer[1024] = {};
  TVITEMA data{};
  data.mask = TVIF_TEXT;
  data.hItem = handle;
  data.pszText = buffer;
  data.cchTextMax = sizeof buffer;
  SendMessageA(hwnd_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
  return Text(buffer);
}

void TreeBox::expand(int item) {
  if (auto handle = static_cast<HTREEITEM>(itemHandle(item))) {
    // Wine's control scrolls the children into view; an expand the program
    // asks for leaves the view where it was, so a filled tree shows its top.
    HTREEITEM firstShown = next(hwnd_, nullptr, TVGN_FIRSTVISIBLE);
    SendMessageA(hwnd_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(handle));
    if (firstShown != nullptr) {
      SendMessageA(hwnd_, TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(firstShown));
    }
  }
}

void TreeBox::collapse(int item) {
  if (auto handle = static_cast<HTREEITEM>(itemHandle(item))) {
    SendMessageA(hwnd_, TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(handle));
  }
}

bool TreeBox::isExpanded(int item) const {
  auto handle = static_cast<HTREEITEM>(itemHandle(item));
  if (handle == nullptr) return false;
  return (SendMessageA(hwnd_, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(handle), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

int TreeBox::selection() const {
  if (hwnd_ == nullptr) return -1;
  return numberOf(next(hwnd_, nullptr, TVGN_CARET));
}

void TreeBox::setSelection(int item) {
  if (hwnd_ == nullptr) return;
  auto handle = static_cast<HTREEITEM>(itemHandle(item));
  SendMessageA(hwnd_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(handle));
}

void TreeBox::clear() {
  if (hwnd_ != nullptr) SendMessageA(hwnd_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}

bool TreeBox::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_RBUTTONDOWN: {
      TVHITTESTINFO hit{};
      hit.pt = POINT{mouseX(lParam), mouseY(lParam)};
      auto item = reinterpret_cast<HTREEITEM>(SendMessageA(hwnd_, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
      if (item == nullptr || !(hit.flags & (TVHT_ONITEMICON | TVHT_ONITEMLABEL))) {
        result = 0;
        return true;
      }
      SetFocus(hwnd_);
      SendMessageA(hwnd_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
      description_.onRightPressItem();
      result = 0;
      return true;
    }
    case WM_LBUTTONDBLCLK:
      // The control expands or collapses first; the handler then sees the result.
      result = defaultProc(message, wParam, lParam);
      if (hwnd_ != nullptr) description_.onDoubleClick();
      return true;
    case WM_KEYDOWN:
      return false;
    default:
      return false;
  }
}

}  // namespace fw
