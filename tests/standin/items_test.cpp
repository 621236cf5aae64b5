// The stand-in's items, volume, conversion, renderer discovery, and its safety
// with handles that name no engine.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/standin/standin_test.h"

namespace {

using fixtures::events;
using Events = std::vector<std::string>;

TEST_F(StandInTest, ItemsReadAsConfiguredOrAsSet) {
  EXPECT_FALSE(item(10).empty()) << "a default device list";
  standin::setConfig("devices", "扬声器;耳机 (USB)");
  EXPECT_EQ(item(10), "扬声器;耳机 (USB)");
  standin::setConfig("devices", "");
  EXPECT_EQ(item(10), "");

  EXPECT_EQ(item(601), "1");
  standin::setConfig("overlay", "0");
  EXPECT_EQ(item(601), "0");

  EXPECT_EQ(item(1803), "") << "nothing is cast at first";
  for (int32_t number : {6, 11, 602, 606, 607, 612, 803, 1803, 4242}) {
    SCOPED_TRACE(number);
    const std::string value = "值 " + std::to_string(number);
    engine::APlayer_SetConfigA(handle, number, value.c_str());
    EXPECT_EQ(item(number), value);
  }
  EXPECT_EQ(item(9999), "(null)") << "an item never set has no text";
}

TEST_F(StandInTest, VolumeTakesAnyInteger) {
  for (int32_t volume : {0, 80, 103, -5, 100000}) {
    engine::APlayer_SetVolume(handle, volume);
    EXPECT_EQ(engine::APlayer_GetVolume(handle), volume);
  }
}

// As the conversion program waits: sleeping, handling messages, reading the state.
void waitForIdle(EngineHandle handle) {
  for (int i = 0; i < 500 && engine::APlayer_GetState(handle) != 0; ++i) support::pumpMessages(10);
}

TEST_F(StandInTest, ConversionOfAWavCopiesItAndEndsAtStateZero) {
  const std::string source = fixture("in.wav", fixtures::wavOfMs(1200));
  const std::string destination = temp.file("out.wav");
  engine::APlayer_SetConfigA(handle, 6, "2");
  engine::APlayer_SetConfigA(handle, 803, "wav");
  engine::APlayer_SetConfigA(handle, 804, destination.c_str());
  engine::APlayer_OpenA(handle, source.c_str());
  waitForIdle(handle);
  EXPECT_EQ(engine::APlayer_GetState(handle), 0);
  EXPECT_EQ(support::readFile(destination), support::readFile(source));
  EXPECT_EQ(events, (Events{"state 0 1", "state 1 5", "state 5 6", "state 6 0"}));
  EXPECT_EQ(item(7), "0");

  // Only the next open converts; the one after plays.
  events.clear();
  openAndPlay(destination);
  EXPECT_EQ(engine::APlayer_GetDuration(handle), 1200);
}

TEST_F(StandInTest, ConversionOfAnotherTypeWritesAWavOfItsDuration) {
  standin::setConfig("duration.flac", "1500");
  const std::string destination = temp.file("out.wav");
  engine::APlayer_SetConfigA(handle, 804, destination.c_str());
  engine::APlayer_OpenA(handle, fixture("in.flac", "fLaC and more").c_str());
  waitForIdle(handle);
  const std::string wav = support::readFile(destination);
  ASSERT_GE(wav.size(), 44u);
  EXPECT_EQ(wav.substr(0, 4), "RIFF");
  EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
  uint32_t riffSize, byteRate, dataSize;
  std::memcpy(&riffSize, wav.data() + 4, 4);
  std::memcpy(&byteRate, wav.data() + 28, 4);
  std::memcpy(&dataSize, wav.data() + 40, 4);
  EXPECT_EQ(wav.substr(36, 4), "data");
  EXPECT_EQ(riffSize, wav.size() - 8);
  EXPECT_EQ(dataSize, wav.size() - 44);
  EXPECT_EQ(uint64_t(dataSize) * 1000 / byteRate, 1500u);
}

TEST_F(StandInTest, ConversionOfAMissingSourceFailsAndWritesNothing) {
  const std::string destination = temp.file("out.wav");
  engine::APlayer_SetConfigA(handle, 804, destination.c_str());
  engine::APlayer_OpenA(handle, temp.file("missing.wav").c_str());
  waitForIdle(handle);
  EXPECT_EQ(events, (Events{"state 0 1", "state 1 0"}));
  EXPECT_LT(std::stoi(item(7)), 0);
  EXPECT_EQ(GetFileAttributesA(destination.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(StandInTest, DiscoveryListsTheConfiguredRenderersAfterADelay) {
  standin::setConfig("renderers", "客厅电视;uuid-1|Box;uuid-2");
  standin::setConfig("discoveryDelay", "100");
  EXPECT_EQ(item(1802), "");
  engine::APlayer_SetConfigA(handle, 1801, "1");
  EXPECT_EQ(item(1802), "") << "the list needs its delay";
  ASSERT_TRUE(support::waitUntil([&] { return !item(1802).empty(); }));
  EXPECT_EQ(item(1802), "客厅电视;uuid-1\r\nBox;uuid-2");

  // A refresh finds what is there now; the old list stays until then.
  standin::setConfig("renderers", "客厅电视;uuid-1|Box;uuid-2|TV;uuid-1;");
  engine::APlayer_SetConfigA(handle, 1804, "1");
  EXPECT_EQ(item(1802), "客厅电视;uuid-1\r\nBox;uuid-2");
  ASSERT_TRUE(support::waitUntil([&] { return item(1802).find("TV;uuid-1;") != std::string::npos; }));
  EXPECT_EQ(item(1802), "客厅电视;uuid-1\r\nBox;uuid-2\r\nTV;uuid-1;");

  engine::APlayer_SetConfigA(handle, 1803, "uuid-2");
  EXPECT_EQ(item(1803), "uuid-2");
}

TEST_F(StandInTest, RefreshBeforeDiscoveryFindsNothing) {
  standin::setConfig("discoveryDelay", "0");
  engine::APlayer_SetConfigA(handle, 1804, "1");
  support::pumpMessages(100);
  EXPECT_EQ(item(1802), "");
}

// Every routine with a handle that names no engine: 0 or the empty text, and
// the engine that does exist is left alone.
TEST_F(StandInTest, HandlesThatNameNoEngineAreHarmless) {
  const EngineHandle destroyed = engine::APlayer_Create(host, 0, 0, 10, 10, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0);
  ASSERT_NE(destroyed, 0);
  EXPECT_EQ(engine::APlayer_Destroy(destroyed), 1);
  const std::string wav = fixture("a.wav", fixtures::wavOfMs(1000));
  for (EngineHandle none : {EngineHandle(0), EngineHandle(-1), EngineHandle(123456789), destroyed}) {
    SCOPED_TRACE(none);
    EXPECT_EQ(engine::APlayer_OpenA(none, wav.c_str()), 0);
    EXPECT_EQ(engine::APlayer_OpenA(none, nullptr), 0);
    EXPECT_EQ(engine::APlayer_Play(none), 0);
    EXPECT_EQ(engine::APlayer_Pause(none), 0);
    EXPECT_EQ(engine::APlayer_Close(none), 0);
    EXPECT_EQ(engine::APlayer_GetWindow(none), nullptr);
    EXPECT_EQ(engine::APlayer_GetBufferProgress(none), 0);
    const char* text = engine::APlayer_GetConfigA(none, 10);
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(engine::APlayer_SetConfigA(none, 612, "x"), 0);
    EXPECT_EQ(engine::APlayer_SetConfigA(none, 612, nullptr), 0);
    EXPECT_EQ(engine::APlayer_GetDuration(none), 0);
    EXPECT_EQ(engine::APlayer_GetPosition(none), 0);
    EXPECT_EQ(engine::APlayer_SetPosition(none, 1000), 0);
    EXPECT_EQ(engine::APlayer_GetState(none), 0);
    ASSERT_NE(engine::APlayer_GetVersion(none), nullptr);
    EXPECT_STREQ(engine::APlayer_GetVersion(none), "");
    EXPECT_EQ(engine::APlayer_GetVideoWidth(none), 0);
    EXPECT_EQ(engine::APlayer_GetVideoHeight(none), 0);
    EXPECT_EQ(engine::APlayer_GetVolume(none), 0);
    EXPECT_EQ(engine::APlayer_SetVolume(none, 50), 0);
    EXPECT_EQ(engine::APlayer_IsSeeking(none), 0);
    EXPECT_EQ(engine::APlayer_SetCustomLogo(none, nullptr), 0);
    EXPECT_EQ(engine::APlayer_Destroy(none), 0);
  }
  support::pumpMessages(50);
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(engine::APlayer_GetState(handle), 0);
  EXPECT_NE(engine::APlayer_GetWindow(handle), nullptr);
}

TEST_F(StandInTest, CreateFailsWithoutAParentWindowOrWhenConfiguredTo) {
  EXPECT_EQ(engine::APlayer_Create(nullptr, 0, 0, 10, 10, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0), 0);
  standin::setConfig("createFails", "1");
  EXPECT_EQ(engine::APlayer_Create(host, 0, 0, 10, 10, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0), 0);
  standin::setConfig("createFails", nullptr);
  EXPECT_NE(engine::APlayer_Create(host, 0, 0, 10, 10, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0), 0);
}

// A host without callbacks (the conversion program passes only the state one).
TEST_F(StandInTest, NullCallbacksAreSkipped) {
  const EngineHandle quiet = engine::APlayer_Create(host, 0, 0, 0, 0, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0);
  standin::useManualClock(true);
  engine::APlayer_OpenA(quiet, fixture("a.wav", fixtures::wavOfMs(100)).c_str());
  standin::deliverPending(quiet);
  EXPECT_EQ(engine::APlayer_GetState(quiet), 5);
  standin::fireMessage(quiet, WM_LBUTTONDOWN, 1, 0);
  standin::advanceClock(100);
  EXPECT_EQ(engine::APlayer_GetState(quiet), 0);
  EXPECT_TRUE(events.empty());
}

}  // namespace
