#pragma once
// The playlist window opened as the user opens it, over the real main window
// and the stand-in engine, and what a user does in it: clicks on lines, keys,
// typing in the search box, waiting for the window's timer.
#include <string>
#include <vector>

#include "player/windows/playlist/playlist_window.h"
#include "tests/player_road/road_test.h"

namespace playlistwin {

class PlaylistWindowTest : public road::RoadTest {
 protected:
  void TearDown() override;

  // Chooses 显示播放列表(&F) from the main window's menu; fails unless the
  // window is then open. Use it as ASSERT_TRUE(openFromMenu()).
  ::testing::AssertionResult openFromMenu();
  // The open window.
  player::PlaylistWindow& list() { return *player::openPlaylistWindow(); }

  // The texts of the lines on show, in order, and each line's entry index.
  std::vector<std::string> lines();
  std::vector<int> entryIndices();
  std::string label() { return list().标签2.caption(); }

  void clickLine(int line, WPARAM keys = 0);
  void doubleClickLine(int line);
  // A key pressed while the list has the focus.
  void pressKey(int key);
  // Typed into the search box one character at a time, after what is there.
  void type(const std::string& text);
  // Everything in the search box selected and deleted with Backspace.
  void clearSearch();
  // Long enough for the window's 200 ms timer to tick at least once.
  void waitForTick();
  // The engine's F3 key-up on the video, as the video window reports it.
  void f3OnVideo();
};

}  // namespace playlistwin
