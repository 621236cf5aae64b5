#include "framework/units/list_box.h"

#include <algorithm>

#include "framework/units/internal.h"
#include "framework/window.h"

namespace fw {

ListBox::ListBox(Window* window, ListBoxDescription d)
    : Unit(window, UnitPlacement{d.parent, d.left, d.top, d.width, d.height, d.visible, d.enabled, d.takesFocus}),
      description_(std::move(d)) {
  if (description_.background) backgroundBrush_ = CreateSolidBrush(toColorRef(*description_.background));
}

ListBox::~ListBox() {
  if (backgroundBrush_ != nullptr) DeleteObject(backgroundBrush_);
}

void ListBox::createHandle() {
  DWORD style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER;
  if (description_.selection == Selection::Extended) style |= LBS_EXTENDEDSEL;
  if (createChild("LISTBOX", style) == nullptr) return;
  listProc_ = reinterpret_cast<WNDPROC>(GetClassLongPtrA(hwnd_, GCLP_WNDPROC));
  if (description_.extraLineHeight != 0) {
    const LRESULT height = send(LB_GETITEMHEIGHT, 0, 0);
    if (height != LB_ERR) send(LB_SETITEMHEIGHT, 0, MAKELPARAM(height + description_.extraLineHeight, 0));
  }
  for (const auto& [text, value] : pending_) {
    const LRESULT line = send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (line >= 0) send(LB_SETITEMDATA, static_cast<WPARAM>(line), value);
  }
  pending_.clear();
}

LRESULT ListBox::send(UINT message, WPARAM wParam, LPARAM lParam) const {
  // The list's own messages go straight to its procedure: through the
  // subclass, each would first look up the subclass's window property, which
  // under Wine is a call to the server and made a list of thousands of lines
  // take seconds to fill. The unit watches none of these messages.
  if (listProc_ != nullptr) return CallWindowProcA(listProc_, hwnd_, message, wParam, lParam);
  return SendMessageA(hwnd_, message, wParam, lParam);
}

int ListBox::count() const {
  if (hwnd_ == nullptr) return static_cast<int>(pending_.size());
  return static_cast<int>(send(LB_GETCOUNT, 0, 0));
}

int ListBox::addItem(const Text& text, int value) {
  if (hwnd_ == nullptr) {
    pending_.emplace_back(text, value);
    return static_cast<int>(pending_.size()) - 1;
  }
  const LRESULT line = send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (line < 0) return -1;
  send(LB_SETITEMDATA, static_cast<WPARAM>(line), value);
  return static_cast<int>(line);
}

Text ListBox::itemText(int line) const {
  if (line < 0 || line >= count()) return Text();
  if (hwnd_ == nullptr) return pending_[static_cast<std::size_t>(line)].first;
  const LRESULT length = send(LB_GETTEXTLEN, static_cast<WPARAM>(line), 0);
  if (length <= 0) return Text();
  Text text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT got = send(LB_GETTEXT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(text.data()));
  text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return text;
}

int ListBox::itemValue(int line) const {
  if (line < 0 || line >= count()) return 0;
  if (hwnd_ == nullptr) return pending_[static_cast<std::size_t>(line)].second;
  return static_cast<int>(send(LB_GETITEMDATA, static_cast<WPARAM>(line), 0));
}

void ListBox::setItemValue(int line, int value) {
  if (line < 0 || line >= count()) return;
  if (hwnd_ == nullptr) {
    pending_[static_cast<std::size_t>(line)].second = value;
    return;
  }
  send(LB_SETITEMDATA, static_cast<WPARAM>(line), value);
}

void ListBox::deleteItem(int line) {
  if (line < 0 || line >= count()) return;
  if (hwnd_ == nullptr) {
    pending_.erase(pending_.begin() + line);
    return;
  }
  send(LB_DELETESTRING, static_cast<WPARAM>(line), 0);
}

void ListBox::clear() {
  pending_.clear();
  if (hwnd_ != nullptr) send(LB_RESETCONTENT, 0, 0);
}

void ListBox::replaceItems(const std::vector<Line>& lines) {
  pending_.clear();
  if (hwnd_ == nullptr) {
    for (const Line& line : lines) pending_.emplace_back(*line.text, line.value);
    return;
  }
  send(WM_SETREDRAW, FALSE, 0);
  send(LB_RESETCONTENT, 0, 0);
  std::size_t bytes = 0;
  for (const Line& line : lines) bytes += line.text->size() + 1;
  // Room for every line at once, instead of growing step by step.
  send(LB_INITSTORAGE, lines.size(), static_cast<LPARAM>(bytes));
  for (const Line& line : lines) {
    const LRESULT added = send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.text->c_str()));
    if (added >= 0) send(LB_SETITEMDATA, static_cast<WPARAM>(added), line.value);
  }
  send(WM_SETREDRAW, TRUE, 0);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

int ListBox::selectedLine() const {
  if (hwnd_ == nullptr) return -1;
  if (description_.selection == Selection::Extended) {
    const std::vector<int> lines = selectedLines();
    return lines.empty() ? -1 : lines.front();
  }
  const LRESULT line = send(LB_GETCURSEL, 0, 0);
  return line == LB_ERR ? -1 : static_cast<int>(line);
}

void ListBox::setSelectedLine(int line) {
  if (hwnd_ == nullptr) return;
  if (description_.selection == Selection::Extended) {
    send(LB_SETSEL, FALSE, -1);
    if (line >= 0 && line < count()) send(LB_SETSEL, TRUE, line);
    return;
  }
  send(LB_SETCURSEL, static_cast<WPARAM>(line < 0 ? -1 : line), 0);
}

bool ListBox::isSelected(int line) const {
  if (hwnd_ == nullptr || line < 0 || line >= count()) return false;
  return send(LB_GETSEL, static_cast<WPARAM>(line), 0) > 0;
}

void ListBox::setSelected(int line, bool selected) {
  if (hwnd_ == nullptr || line < 0 || line >= count()) return;
  if (description_.selection == Selection::Extended) {
    send(LB_SETSEL, selected, line);
  } else if (selected) {
    send(LB_SETCURSEL, static_cast<WPARAM>(line), 0);
  } else if (selectedLine() == line) {
    send(LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  }
}

std::vector<int> ListBox::selectedLines() const {
  std::vector<int> lines;
  if (hwnd_ == nullptr) return lines;
  if (description_.selection != Selection::Extended) {
    const int line = selectedLine();
    if (line >= 0) lines.push_back(line);
    return lines;
  }
  const LRESULT n = send(LB_GETSELCOUNT, 0, 0);
  if (n <= 0) return lines;
  lines.resize(static_cast<std::size_t>(n));
  const LRESULT got = send(LB_GETSELITEMS, static_cast<WPARAM>(n), reinterpret_cast<LPARAM>(lines.data()));
  lines.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  std::sort(lines.begin(), lines.end());
  return lines;
}

void ListBox::setCaretLine(int line) {
  if (hwnd_ == nullptr || line < 0 || line >= count()) return;
  send(LB_SETCARETINDEX, static_cast<WPARAM>(line), FALSE);
}

int ListBox::caretLine() const {
  if (hwnd_ == nullptr) return -1;
  const LRESULT line = send(LB_GETCARETINDEX, 0, 0);
  return line == LB_ERR ? -1 : static_cast<int>(line);
}

int ListBox::topLine() const {
  if (hwnd_ == nullptr) return 0;
  return static_cast<int>(send(LB_GETTOPINDEX, 0, 0));
}

bool ListBox::onMessage(UINT message, WPARAM wParam, LPARAM, LRESULT&) {
  if (message == WM_KEYDOWN && eventsAllowed()) description_.onKeyDown(static_cast<int>(wParam), keysHeldNow());
  return false;
}

bool ListBox::onNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_COMMAND && HIWORD(wParam) == LBN_DBLCLK) {
    if (eventsAllowed()) description_.onItemDoubleClick();
    result = 0;
    return true;
  }
  if (message == WM_CTLCOLORLISTBOX && backgroundBrush_ != nullptr) {
    auto dc = reinterpret_cast<HDC>(wParam);
    SetBkColor(dc, toColorRef(*description_.background));
    result = reinterpret_cast<LRESULT>(backgroundBrush_);
    (void)lParam;
    return true;
  }
  return false;
}

}  // namespace fw

