#pragma once
// The live channel tests' fixture: the player playing a playlist entry (so the
// frame-rate readout stays on), the logo double-clicked with keys held, the
// access prompt answered, and the channel tree's items double-clicked or
// right-pressed as Windows sends it.
#include <windows.h>

#include <string>

#include "player/windows/live_channels/live_window.h"
#include "tests/player_system/system_test.h"

namespace system_test {

// What the player accepts at its prompt.
inline const std::string kAccessCode = "qL9$tv3K";

class LiveTest : public SystemTest {
 protected:
  void SetUp() override;

  // Menu 操作 > 显示/关闭实时帧率(&F).
  void toggleReadout();
  // The second press of a double-click on the logo, and its release, with
  // MK_ flags held (and Alt held while it is sent).
  void doubleClickLogo(WPARAM keys, bool alt = false);
  // The gesture answered Yes, then the access code: the window opens.
  void unlock();

  player::LiveChannelWindow* live() { return fw::openWindow<player::LiveChannelWindow>(); }
  fw::TreeBox& tree() { return live()->树型框1; }
  // The tree item with this text, scrolled into view; -1 when there is none.
  int item(const std::string& text);
  // An item's middle in the tree's client pixels.
  POINT itemPoint(int item);
  // A left double-click on the item, as Windows sends it.
  void doubleClickItem(int item);

  std::string a, b, c;   // the playlist's three entries, a playing
};

}  // namespace system_test
