// A small host program's run: the engine binding drives the stand-in in a real
// window through a whole medium, and the journal holds every call in order.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine-standin/standin_control.h"
#include "engine/player_engine.h"
#include "tests/standin/fixtures.h"
#include "tests/support/temp_folder.h"

namespace {

using fixtures::events;
using Events = std::vector<std::string>;

// The host's window sits on a display other tests share: a mouse passing over
// it is no part of this run, so only the state and opened reports are compared.
Events reports() {
  Events kept;
  for (const std::string& event : events)
    if (event.rfind("message ", 0) != 0) kept.push_back(event);
  return kept;
}

TEST(StandInHost, PlaysAWavFromOpenToItsNaturalEnd) {
  support::TempFolder temp;
  const std::string wav = temp.file("夜曲.wav");
  ASSERT_TRUE(support::writeFile(wav, fixtures::wavOfMs(3000)));
  standin::useManualClock(true);
  HWND host = fixtures::makeHostWindow(/*visible=*/true);
  PlayerEngine engine;

  const EngineHandle handle = engine.create(host, 0, 40, 800, 450, fixtures::recordMessage,
                                            fixtures::recordState, fixtures::recordOpened, 0, 0, 0, 0, 0);
  ASSERT_NE(handle, 0);
  EXPECT_EQ(engineHandle, handle);
  engine.setVolume(80);
  engine.open(wav);
  ASSERT_TRUE(fixtures::waitForEvent("state 1 5"));
  EXPECT_EQ(reports(), (Events{"state 0 1", "opened", "state 1 5"}));
  EXPECT_EQ(engine.getDuration(), 3000);

  standin::advanceClock(1000);
  EXPECT_EQ(engine.getPosition(), 1000);
  engine.pause();
  ASSERT_TRUE(fixtures::waitForEvent("state 5 3"));
  EXPECT_EQ(engine.getState(), 3);
  engine.setPosition(2500);
  EXPECT_EQ(engine.getPosition(), 2500);
  engine.play();
  ASSERT_TRUE(fixtures::waitForEvent("state 3 5"));

  events.clear();
  standin::advanceClock(500);
  EXPECT_EQ(reports(), (Events{"state 5 6", "state 6 0"}));
  EXPECT_EQ(engine.getConfig(7), "0");

  const std::string h = std::to_string(handle);
  const std::vector<standin::JournalLine> expected = {
      {"APlayer_Create", std::to_string(reinterpret_cast<INT_PTR>(host)), "0", "40", "800", "450", "1", "1", "1",
       "0", "0", "0", "0", "0"},
      {"APlayer_SetVolume", h, "80"},
      {"APlayer_OpenA", h, wav},
      {"APlayer_GetDuration", h},
      {"APlayer_GetPosition", h},
      {"APlayer_Pause", h},
      {"APlayer_GetState", h},
      {"APlayer_SetPosition", h, "2500"},
      {"APlayer_GetPosition", h},
      {"APlayer_Play", h},
      {"APlayer_GetConfigA", h, "7"},
  };
  EXPECT_EQ(standin::journalLines(), expected);
  DestroyWindow(host);
}

}  // namespace
