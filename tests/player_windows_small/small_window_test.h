#pragma once
// The player started as the program starts it (the spine's fixture), and the
// user's ways into its small windows: menu choices as Windows reports them,
// clicks on list lines and buttons.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/window.h"
#include "tests/player_spine/player_fixture.h"

namespace small {

class SmallWindowTest : public spine::PlayerTest {
 protected:
  // The main window's menu item chosen: the command Windows posts for a
  // choice from a menu, handled by the main window's own message loop.
  void choose(fw::MenuItem& item);
  // The values the engine was given for an item with APlayer_SetConfigA, in order.
  std::vector<std::string> itemsSet(int item);
};

// A left press and release on the list's line (from 0), then a second press
// as a double-click when asked.
void clickLine(const fw::ListBox& list, int line, bool doubleClick = false);
// A push button pressed as the user presses it.
void press(const fw::Button& button);
// The list's lines, in order.
std::vector<std::string> lines(const fw::ListBox& list);

}  // namespace small
