#include "tests/player_windows_small/small_window_test.h"

#include "engine-standin/standin_control.h"
#include "tests/support/wait.h"

namespace small {

void SmallWindowTest::choose(fw::MenuItem& item) {
  PostMessageA(window().handle(), WM_COMMAND, MAKEWPARAM(item.command(), 0), 0);
  support::pumpMessages();
}

std::vector<std::string> SmallWindowTest::itemsSet(int item) {
  std::vector<std::string> values;
  for (const standin::JournalLine& line : spine::journalCalls("APlayer_SetConfigA"))
    if (line.size() >= 4 && line[2] == std::to_string(item)) values.push_back(line[3]);
  return values;
}

void clickLine(const fw::ListBox& list, int line, bool doubleClick) {
  RECT rect{};
  SendMessageA(list.handle(), LB_GETITEMRECT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(&rect));
  const LPARAM at = MAKELPARAM(rect.left + 5, (rect.top + rect.bottom) / 2);
  SendMessageA(list.handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(list.handle(), WM_LBUTTONUP, 0, at);
  if (doubleClick) {
    SendMessageA(list.handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageA(list.handle(), WM_LBUTTONUP, 0, at);
  }
  support::pumpMessages();
}

void press(const fw::Button& button) {
  SendMessageA(button.handle(), BM_CLICK, 0, 0);
  support::pumpMessages();
}

std::vector<std::string> lines(const fw::ListBox& list) {
  std::vector<std::string> texts;
  for (int line = 0; line < list.count(); ++line) texts.push_back(list.itemText(line));
  return texts;
}

}  // namespace small
