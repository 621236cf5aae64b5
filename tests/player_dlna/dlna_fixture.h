#pragma once
// The player started in this test process with the stand-in engine beside it,
// and the DLNA device window opened as a user opens it: through the main
// window's menu item. Renderers come from the stand-in's configuration.
#include <windows.h>

#include <string>
#include <vector>

#include "player/windows/dlna/dlna_window.h"
#include "tests/player_spine/player_fixture.h"
#include "tests/support/ui.h"

namespace dlna {

class DlnaTest : public spine::PlayerTest {
 protected:
  DlnaTest();
  // The stand-in finds these renderers ("name;id" joined by "|") at once.
  void findRenderers(const char* renderers);
  // Chooses an item of the main window's menus as a pop-up menu does: the
  // item's command to the main window, then what it caused.
  void chooseMenuItem(const fw::MenuItem& item) { support::chooseMenuItem(item); }
  // Opens the window through the menu and waits until it shows.
  player::DlnaWindow& openDlnaWindow();
  player::DlnaWindow* dlnaWindow() { return fw::openWindow<player::DlnaWindow>(); }
  // Waits until the window's timer has read the renderer list `reads` times
  // since the journal was last cleared.
  void waitForPolls(int reads);
  // The list's lines, top to bottom.
  std::vector<std::string> listed();
  // A click on a line of the list, and a double-click, as Windows sends them.
  void clickLine(int line) { support::clickListLine(dlnaWindow()->列表框1.handle(), line); }
  void doubleClickLine(int line) { support::clickListLine(dlnaWindow()->列表框1.handle(), line, true); }
  // A left press and release on a unit (button, picture button), then what it caused.
  void press(const fw::Unit& unit) { spine::click(unit); }
  // Whether the DLNA window was open behind each message box, in order.
  std::vector<bool> openBehindBoxes;

  // Journal lines of one routine since the journal was last cleared.
  std::vector<standin::JournalLine> calls(const std::string& routine) {
    return spine::journalCalls(routine);
  }
  // The values written to an item, in order.
  std::vector<std::string> itemsSet(int item) { return standin::itemsSet(item); }

  // A file of the bytes in the test folder (folders in the name must exist).
  std::string file(const std::string& name, const std::string& bytes = "media");
  // Starts the player with a WAV file of the test folder as its command line
  // and waits until the engine reports playing it. Returns the file's path.
  std::string startPlayingWav(const std::string& name);
};

}  // namespace dlna
