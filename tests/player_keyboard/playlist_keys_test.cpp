// The playlist window from the keyboard at once: it opens with its list
// focused and the caret drawn on the current entry, and Down, Enter and Delete
// work before any click. Keys are posted where the focus is, as the system
// queues them.
#include <windows.h>

#include <string>
#include <vector>

#include "player/playback/playback.h"
#include "tests/player_playlist_window/playlist_window_fixture.h"
#include "tests/support/ui.h"
#include "tests/support/wait.h"

namespace playlistwin {
namespace {

using Texts = std::vector<std::string>;
using support::pressKeyAtFocus;

// Pixels of the line's outline (its top row and left column) that are not the
// list's background: the caret's dotted frame, where it is drawn.
int outlinePixels(HWND list, int line, COLORREF background) {
  RECT r{};
  SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(&r));
  HDC dc = GetDC(list);
  int found = 0;
  for (int x = r.left; x < r.right; ++x) found += GetPixel(dc, x, r.top) != background;
  for (int y = r.top; y < r.bottom; ++y) found += GetPixel(dc, r.left, y) != background;
  ReleaseDC(list, dc);
  return found;
}

using PlaylistKeys = PlaylistWindowTest;

TEST_F(PlaylistKeys, OpensWithTheListFocusedAndTheCaretDrawnAndDownEnterDeleteWorkWithoutAClick) {
  const std::string a = wav("a.wav"), b = wav("b.wav"), c = wav("c.wav"), d = wav("d.wav");
  setPlaylist({a, b, c, d}, 2);
  ASSERT_TRUE(openFromMenu());
  fw::ListBox& box = list().列表框1;
  ASSERT_TRUE(support::waitUntil([&] { return GetForegroundWindow() == list().handle(); }, 1000));
  EXPECT_EQ(GetFocus(), box.handle());
  EXPECT_EQ(box.caretLine(), 1);
  EXPECT_TRUE(box.selectedLines().empty());
  support::pumpMessages(50);
  const COLORREF listColour = RGB(236, 236, 236);
  EXPECT_GT(outlinePixels(box.handle(), 1, listColour), 0) << "the caret's frame on the current entry";
  EXPECT_EQ(outlinePixels(box.handle(), 2, listColour), 0) << "no frame on another line";

  pressKeyAtFocus(VK_DOWN);
  EXPECT_EQ(box.selectedLines(), std::vector<int>{2});
  clearJournal();
  pressKeyAtFocus(VK_RETURN);
  settle();
  EXPECT_EQ(player::currentIndex, 3);
  EXPECT_EQ(opened(), Texts{c});

  pressKeyAtFocus(VK_DELETE);
  EXPECT_EQ(player::playlist, (Texts{a, b, d}));
  EXPECT_EQ(GetFocus(), box.handle()) << "the keys went to the list, and the focus stays";
}

}  // namespace
}  // namespace playlistwin
