#pragma once
// The player started in this test process with an idle engine on its manual
// clock, a scripted modal seam and a fresh folder as current directory (see
// tests/player_spine/player_fixture.h), driven through its menu items.
#include <windows.h>

#include <string>
#include <vector>

#include "engine-standin/standin_control.h"
#include "engine/player_engine.h"
#include "framework/menu.h"
#include "player/app/app.h"
#include "player/playback/playback.h"
#include "tests/player_spine/player_fixture.h"
#include "tests/support/ui.h"

namespace sources {

class SourcesTest : public spine::PlayerTest {
 protected:
  void SetUp() override;

  PlayerEngine& engine() { return *player::playerEngine; }

  void choose(const fw::MenuItem& item) { support::chooseMenuItem(item); }
  // Delivers what the engine has queued, and what that causes.
  void settle() { standin::deliverPending(engineHandle); }
  // The playlist and current index given, and entry `index` played up to
  // playing; the journal is cleared afterwards.
  void playing(const fw::TextArray& entries, int index);

  // The texts opened since the journal was last cleared, in order.
  std::vector<std::string> opened();
  // The names of the engine routines called since then that change what
  // plays or where (open, close, play, pause, position), in order.
  std::vector<std::string> playbackCalls();
};

}  // namespace sources
