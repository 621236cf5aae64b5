#pragma once
// A test with a stand-in engine created in a hidden host window of its own,
// reporting to the recording callbacks, and a fresh folder for its files.
#include <gtest/gtest.h>

#include "engine-standin/standin_control.h"
#include "engine/engine_routines.h"
#include "tests/standin/fixtures.h"
#include "tests/support/temp_folder.h"

class StandInTest : public support::TempFolderTest {
 protected:
  void SetUp() override {
    fixtures::events.clear();
    host = fixtures::makeHostWindow();
    handle = engine::APlayer_Create(host, 0, 40, 800, 450, fixtures::recordMessage,
                                    fixtures::recordState, fixtures::recordOpened, 0, 0, 0, 0, 0);
    ASSERT_NE(handle, 0);
  }
  void TearDown() override { DestroyWindow(host); }

  // Writes a file into the test's folder and returns its full path.
  std::string fixture(const std::string& name, const std::string& bytes) {
    std::string path = temp.file(name);
    EXPECT_TRUE(support::writeFile(path, bytes));
    return path;
  }

  // Opens and waits until the engine reports playing.
  void openAndPlay(const std::string& path) {
    engine::APlayer_OpenA(handle, path.c_str());
    ASSERT_TRUE(fixtures::waitForEvent("state 1 5")) << path;
    fixtures::events.clear();
  }

  std::string item(int32_t number) {
    const char* text = engine::APlayer_GetConfigA(handle, number);
    return text ? text : "(null)";
  }

  HWND host = nullptr;
  EngineHandle handle = 0;
};
