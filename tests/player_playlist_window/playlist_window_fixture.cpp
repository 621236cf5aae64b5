#include "tests/player_playlist_window/playlist_window_fixture.h"

#include "tests/support/ui.h"
#include "tests/support/wait.h"

namespace playlistwin {

void PlaylistWindowTest::TearDown() {
  player::closePlaylistWindow();
  road::RoadTest::TearDown();
}

::testing::AssertionResult PlaylistWindowTest::openFromMenu() {
  support::chooseMenuItem(window().显示播放列表);
  if (player::openPlaylistWindow() != nullptr) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the menu item opened no playlist window";
}

std::vector<std::string> PlaylistWindowTest::lines() {
  std::vector<std::string> texts;
  for (int i = 0; i < list().列表框1.count(); ++i) texts.push_back(list().列表框1.itemText(i));
  return texts;
}

std::vector<int> PlaylistWindowTest::entryIndices() {
  std::vector<int> indices;
  for (int i = 0; i < list().列表框1.count(); ++i) indices.push_back(list().列表框1.itemValue(i));
  return indices;
}

void PlaylistWindowTest::clickLine(int line, WPARAM keys) {
  support::clickListLineHolding(list().列表框1.handle(), line, keys);
}

void PlaylistWindowTest::doubleClickLine(int line) { support::clickListLine(list().列表框1.handle(), line, true); }

void PlaylistWindowTest::pressKey(int key) {
  HWND box = list().列表框1.handle();
  SendMessageA(box, WM_KEYDOWN, static_cast<WPARAM>(key), 1);
  SendMessageA(box, WM_KEYUP, static_cast<WPARAM>(key), static_cast<LPARAM>(0xC0000001u));
  support::pumpMessages();
}

void PlaylistWindowTest::type(const std::string& text) {
  HWND edit = list().编辑框1.handle();
  SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(-1), -1);
  for (char c : text) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
  support::pumpMessages();
}

void PlaylistWindowTest::clearSearch() {
  HWND edit = list().编辑框1.handle();
  SendMessageA(edit, EM_SETSEL, 0, -1);
  SendMessageA(edit, WM_CHAR, VK_BACK, 1);
  support::pumpMessages();
}

void PlaylistWindowTest::waitForTick() { support::pumpMessages(450); }

void PlaylistWindowTest::f3OnVideo() {
  standin::fireMessage(::engineHandle, WM_KEYUP, VK_F3, static_cast<int32_t>(0xC0000001u));
  settle();
  support::pumpMessages();
}

}  // namespace playlistwin
