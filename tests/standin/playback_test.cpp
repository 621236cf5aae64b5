// The stand-in's state sequences as a host sees them through its callbacks.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/standin/standin_test.h"

namespace {

using fixtures::events;
using Events = std::vector<std::string>;

TEST_F(StandInTest, OpenReportsOpeningThenOpenedThenPlayingOnlyAfterOpenReturns) {
  const std::string wav = fixture("tone.wav", fixtures::wavOfMs(2500));
  engine::APlayer_OpenA(handle, wav.c_str());
  EXPECT_TRUE(events.empty()) << "a callback came before APlayer_OpenA returned";
  EXPECT_EQ(engine::APlayer_GetState(handle), 1);

  ASSERT_TRUE(fixtures::waitForEvent("state 1 5"));
  EXPECT_EQ(events, (Events{"state 0 1", "opened", "state 1 5"}));
  EXPECT_EQ(engine::APlayer_GetState(handle), 5);
  EXPECT_EQ(engine::APlayer_GetDuration(handle), 2500);
  EXPECT_EQ(engine::APlayer_GetVideoWidth(handle), 0);
  EXPECT_EQ(engine::APlayer_GetVideoHeight(handle), 0);
}

TEST_F(StandInTest, UnplayableSourcesFailTheOpenWithItem7BelowZero) {
  CreateDirectoryA(temp.file("folder.mp4").c_str(), nullptr);
  const std::vector<std::string> sources = {
      temp.file("missing.mp4"),
      temp.file("folder.mp4"),
      fixture("broken.wav", std::string("RIFF\x10\0\0\0WAVEjunk", 16)),
      fixture("no-data.wav", fixtures::wavBytes({}).substr(0, 36)),
      "https://example.invalid/live/index.m3u8",
      "",
  };
  for (const std::string& source : sources) {
    SCOPED_TRACE("source: " + source);
    events.clear();
    engine::APlayer_OpenA(handle, source.c_str());
    ASSERT_TRUE(fixtures::waitForEvent("state 1 0"));
    EXPECT_EQ(events, (Events{"state 0 1", "state 1 0"}));
    EXPECT_LT(std::stoi(item(7)), 0);
    EXPECT_EQ(engine::APlayer_GetState(handle), 0);
  }
}

TEST_F(StandInTest, ListedAddressOpensAndPlaysWithoutAnEnd) {
  const std::string address = "https://tv.example.invalid/clive/cctv1_2/index.m3u8";
  standin::setConfig("addresses", ("rtmp://other|" + address).c_str());
  standin::useManualClock(true);
  openAndPlay(address);
  EXPECT_EQ(engine::APlayer_GetDuration(handle), 0);
  EXPECT_GT(engine::APlayer_GetVideoWidth(handle), 0);
  standin::advanceClock(3600000);
  EXPECT_EQ(engine::APlayer_GetState(handle), 5);
  EXPECT_EQ(engine::APlayer_GetPosition(handle), 3600000);
  EXPECT_TRUE(events.empty());
}

TEST_F(StandInTest, PauseAndPlaySwitchBetweenFiveAndThree) {
  openAndPlay(fixture("a.wav", fixtures::wavOfMs(5000)));
  EXPECT_EQ(engine::APlayer_Play(handle), 0) << "play while playing";
  engine::APlayer_Pause(handle);
  EXPECT_EQ(engine::APlayer_GetState(handle), 3);
  EXPECT_EQ(engine::APlayer_Pause(handle), 0) << "pause while paused";
  engine::APlayer_Play(handle);
  EXPECT_EQ(engine::APlayer_GetState(handle), 5);
  ASSERT_TRUE(fixtures::waitForEvent("state 3 5"));
  EXPECT_EQ(events, (Events{"state 5 3", "state 3 5"}));
}

TEST_F(StandInTest, NaturalEndOnTheManualClock) {
  standin::useManualClock(true);
  openAndPlay(fixture("a.wav", fixtures::wavOfMs(2500)));
  standin::advanceClock(1000);
  EXPECT_EQ(engine::APlayer_GetPosition(handle), 1000);

  // Paused, the clock does not move the position.
  engine::APlayer_Pause(handle);
  standin::advanceClock(5000);
  EXPECT_EQ(engine::APlayer_GetPosition(handle), 1000);
  engine::APlayer_Play(handle);
  standin::deliverPending(handle);
  events.clear();

  standin::advanceClock(1499);
  EXPECT_EQ(engine::APlayer_GetState(handle), 5);
  EXPECT_TRUE(events.empty());
  standin::advanceClock(1);
  EXPECT_EQ(events, (Events{"state 5 6", "state 6 0"}));
  EXPECT_EQ(item(7), "0");
  EXPECT_EQ(engine::APlayer_GetState(handle), 0);
}

TEST_F(StandInTest, NaturalEndOnTheRealClock) {
  openAndPlay(fixture("short.wav", fixtures::wavOfMs(300)));
  ASSERT_TRUE(fixtures::waitForEvent("state 6 0", 5000));
  EXPECT_EQ(events, (Events{"state 5 6", "state 6 0"}));
  EXPECT_EQ(item(7), "0");
}

TEST_F(StandInTest, SeekingMovesThePositionWithinTheMedium) {
  standin::useManualClock(true);
  openAndPlay(fixture("a.wav", fixtures::wavOfMs(10000)));
  engine::APlayer_Pause(handle);
  engine::APlayer_SetPosition(handle, 7000);
  EXPECT_EQ(engine::APlayer_GetPosition(handle), 7000);
  engine::APlayer_SetPosition(handle, -50);
  EXPECT_EQ(engine::APlayer_GetPosition(handle), 0);
  // Beyond the end the medium ends as soon as it plays on.
  engine::APlayer_SetPosition(handle, 15000);
  EXPECT_EQ(engine::APlayer_GetPosition(handle), 10000);
  engine::APlayer_Play(handle);
  standin::advanceClock(0);
  EXPECT_EQ(engine::APlayer_GetState(handle), 0);
  EXPECT_EQ(item(7), "0");
}

TEST_F(StandInTest, CloseWhilePlayingReportsBeforeItReturnsAndIsNoNaturalEnd) {
  openAndPlay(fixture("a.wav", fixtures::wavOfMs(5000)));
  engine::APlayer_Close(handle);
  EXPECT_EQ(events, (Events{"state 5 6", "state 6 0"}));
  EXPECT_GT(std::stoi(item(7)), 0);
  EXPECT_EQ(engine::APlayer_GetState(handle), 0);
  EXPECT_EQ(engine::APlayer_GetDuration(handle), 0);
}

TEST_F(StandInTest, CloseWhileOpeningIsNeitherAFailedOpenNorFollowedByTheOpen) {
  engine::APlayer_OpenA(handle, fixture("a.wav", fixtures::wavOfMs(5000)).c_str());
  engine::APlayer_Close(handle);
  EXPECT_EQ(events, (Events{"state 0 1", "state 1 6", "state 6 0"}));
  EXPECT_GT(std::stoi(item(7)), 0);
  support::pumpMessages(200);
  EXPECT_EQ(events.size(), 3u) << "the cancelled open went on";
  EXPECT_EQ(engine::APlayer_GetState(handle), 0);
}

TEST_F(StandInTest, CloseWhilePausedAndCloseOfNothing) {
  openAndPlay(fixture("a.wav", fixtures::wavOfMs(5000)));
  engine::APlayer_Pause(handle);
  engine::APlayer_Close(handle);
  EXPECT_EQ(events, (Events{"state 5 3", "state 3 6", "state 6 0"}));
  events.clear();
  engine::APlayer_Close(handle);
  support::pumpMessages(50);
  EXPECT_TRUE(events.empty());
}

// An open over a playing medium (as the live channels do) closes it first; its
// reports come after APlayer_OpenA returns, in order, and the close does not read
// as a natural end.
TEST_F(StandInTest, OpenOverAnOpenMediumClosesItFirst) {
  openAndPlay(fixture("a.wav", fixtures::wavOfMs(5000)));
  engine::APlayer_OpenA(handle, fixture("b.wav", fixtures::wavOfMs(1000)).c_str());
  EXPECT_TRUE(events.empty());
  ASSERT_TRUE(fixtures::waitForEvent("state 1 5"));
  EXPECT_EQ(events, (Events{"state 5 6", "state 6 0", "state 0 1", "opened", "state 1 5"}));
  EXPECT_EQ(engine::APlayer_GetDuration(handle), 1000);
}

TEST_F(StandInTest, WavDurationComesFromTheHeader) {
  struct Case {
    const char* name;
    fixtures::WavLayout layout;
    int32_t durationMs;
  };
  std::string list = "LIST";
  fixtures::putLe(list, 5, 4);
  list += std::string("INFOx") + '\0';  // odd size, padded
  const Case cases[] = {
      {"mono 8 kHz", {.dataBytes = 16000}, 1000},
      {"stereo 44.1 kHz", {.sampleRate = 44100, .channels = 2, .dataBytes = 44100 * 4 * 3 / 2}, 1500},
      {"8-bit", {.sampleRate = 11025, .bitsPerSample = 8, .dataBytes = 11025 * 2}, 2000},
      {"chunk before data", {.dataBytes = 8000, .chunkBeforeData = list}, 500},
      {"data claims more than the file", {.dataBytes = 4000, .claimedDataBytes = 0xFFFFFFF0u}, 250},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    events.clear();
    openAndPlay(fixture("case.wav", fixtures::wavBytes(c.layout)));
    EXPECT_EQ(engine::APlayer_GetDuration(handle), c.durationMs);
    engine::APlayer_Close(handle);
  }
}

TEST_F(StandInTest, OtherFilesTakeTheirDescriptionFromTheConfiguration) {
  struct Case {
    const char* name;
    int32_t durationMs, width, height;
    const char* frameRate;
  };
  const Case defaults[] = {
      {"song.MP3", 180000, 0, 0, "0.00"},   {"film.mkv", 1200000, 1920, 1080, "23.98"},
      {"clip.mp4", 600000, 1280, 720, "25.00"}, {"old.avi", 300000, 640, 480, "29.97"},
      {"no-extension", 300000, 640, 480, "29.97"},
  };
  for (const Case& c : defaults) {
    SCOPED_TRACE(c.name);
    openAndPlay(fixture(c.name, "not really media"));
    EXPECT_EQ(engine::APlayer_GetDuration(handle), c.durationMs);
    EXPECT_EQ(engine::APlayer_GetVideoWidth(handle), c.width);
    EXPECT_EQ(engine::APlayer_GetVideoHeight(handle), c.height);
    EXPECT_EQ(item(121), c.frameRate);
    engine::APlayer_Close(handle);
  }

  standin::setConfig("duration", "4000");
  standin::setConfig("duration.mp4", "62000");
  standin::setConfig("video.mp4", "1024x576");
  standin::setConfig("fps.mp4", "30.00");
  openAndPlay(fixture("clip.mp4", "x"));
  EXPECT_EQ(engine::APlayer_GetDuration(handle), 62000);
  EXPECT_EQ(engine::APlayer_GetVideoWidth(handle), 1024);
  EXPECT_EQ(engine::APlayer_GetVideoHeight(handle), 576);
  EXPECT_EQ(item(121), "30.00");
  engine::APlayer_Pause(handle);
  EXPECT_EQ(item(121), "0.00") << "the frame rate is that of playing";
  engine::APlayer_Close(handle);
  openAndPlay(fixture("film.mkv", "x"));
  EXPECT_EQ(engine::APlayer_GetDuration(handle), 4000);
}

}  // namespace
