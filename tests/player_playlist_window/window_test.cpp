// The playlist window as a window: its units as described and laid out, the
// grip, the ways it opens and closes, and the save.
#include <string>
#include <vector>

#include "player/playback/playback.h"
#include "tests/player_playlist_window/playlist_window_fixture.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui.h"
#include "tests/support/wait.h"

namespace playlistwin {
namespace {

using Texts = std::vector<std::string>;
using Call = support::ScriptedSeam::Call;

struct Place {
  int left, top, width, height;
  bool operator==(const Place&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Place& p) {
  return out << p.left << ", " << p.top << ", " << p.width << " x " << p.height;
}

Place placeOf(const fw::Unit& unit) {
  const RECT r = support::rectInParent(unit.handle());
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// The line height the list's font gives a list box without more asked.
int plainLineHeight(HWND like) {
  HWND plain = CreateWindowExA(0, "LISTBOX", "", WS_CHILD, 0, 0, 100, 100, GetParent(like), nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  SendMessageA(plain, WM_SETFONT, SendMessageA(like, WM_GETFONT, 0, 0), FALSE);
  const int height = static_cast<int>(SendMessageA(plain, LB_GETITEMHEIGHT, 0, 0));
  DestroyWindow(plain);
  return height;
}

// A pixel of the list as it paints itself.
COLORREF listPixel(HWND list, int x, int y) {
  RECT client;
  GetClientRect(list, &client);
  HDC screen = GetDC(list);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ old = SelectObject(memory, bitmap);
  SendMessageA(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
  const COLORREF colour = GetPixel(memory, x, y);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(list, screen);
  return colour;
}

// The bars across the window, the list between them, the close button 17
// pixels from the right edge, for a window of width × height.
void expectLaidOutFor(player::PlaylistWindow& w, int width, int height) {
  EXPECT_EQ(placeOf(w.顶部图片框), (Place{0, 0, width, 24}));
  EXPECT_EQ(placeOf(w.标签2), (Place{0, 0, width, 24}));
  EXPECT_EQ(placeOf(w.关闭图形按钮), (Place{width - 17, 0, 17, 16}));
  EXPECT_EQ(placeOf(w.列表框1), (Place{0, 24, width, height - 56}));
  EXPECT_EQ(placeOf(w.底部图片框), (Place{0, height - 32, width, 32}));
  // The units inside the bottom bar keep their described places.
  EXPECT_EQ(placeOf(w.标签1), (Place{97, 6, 35, 24}));
  EXPECT_EQ(placeOf(w.编辑框1), (Place{136, 8, 150, 20}));
  EXPECT_EQ(placeOf(w.图形按钮1), (Place{351, 0, 32, 32}));
}

using PlaylistWindowFrame = PlaylistWindowTest;

TEST_F(PlaylistWindowFrame, OpensCentredBorderlessAndLaidOutWithTheDescribedUnits) {
  setPlaylist({"a.avi", "b.mp4"});
  ASSERT_TRUE(openFromMenu());
  player::PlaylistWindow& w = list();
  EXPECT_EQ(w.left(), (GetSystemMetrics(SM_CXSCREEN) - 400) / 2);
  EXPECT_EQ(w.top(), (GetSystemMetrics(SM_CYSCREEN) - 450) / 2);
  EXPECT_EQ(w.width(), 400);
  EXPECT_EQ(w.height(), 450);
  RECT client;
  GetClientRect(w.handle(), &client);
  EXPECT_EQ(client.right, 400) << "no frame";
  EXPECT_EQ(client.bottom, 450) << "no title bar";
  EXPECT_EQ(w.caption(), "");
  EXPECT_EQ(GetWindow(w.handle(), GW_OWNER), nullptr);
  expectLaidOutFor(w, 400, 450);

  HWND box = w.列表框1.handle();
  const LONG style = GetWindowLongA(box, GWL_STYLE);
  EXPECT_TRUE(style & LBS_EXTENDEDSEL);
  EXPECT_FALSE(style & LBS_SORT);
  EXPECT_EQ(SendMessageA(box, LB_GETITEMHEIGHT, 0, 0), plainLineHeight(box) + 1);
  EXPECT_EQ(listPixel(box, 200, 300), RGB(236, 236, 236)) << "below the lines";
  EXPECT_EQ(w.标签1.caption(), "搜索：");
  EXPECT_EQ(w.时钟1.interval(), 200);
}

TEST_F(PlaylistWindowFrame, MovingFollowsTheMouseOverTheGripAndTheCountLabel) {
  ASSERT_TRUE(openFromMenu());
  player::PlaylistWindow& w = list();
  ASSERT_TRUE(w.dragToMove());
  HWND bar = w.底部图片框.handle();
  struct Step {
    HWND over;
    int x, y;
    bool moving;
  } steps[] = {
      // The 400 × 32 bar's grip starts at x 391, y 23.
      {bar, 391, 23, false}, {bar, 390, 31, true}, {bar, 399, 31, false},
      {bar, 399, 22, true},  {bar, 395, 27, false}, {w.标签2.handle(), 10, 10, true},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(testing::Message() << s.x << ", " << s.y);
    SendMessageA(s.over, WM_MOUSEMOVE, 0, MAKELPARAM(s.x, s.y));
    EXPECT_EQ(w.dragToMove(), s.moving);
  }
}

TEST_F(PlaylistWindowFrame, APressInTheGripResizesAndEachSizeLaysTheWindowOut) {
  setPlaylist({"a.avi"});
  ASSERT_TRUE(openFromMenu());
  player::PlaylistWindow& w = list();
  HWND bar = w.底部图片框.handle();
  SendMessageA(bar, WM_MOUSEMOVE, 0, MAKELPARAM(395, 27));
  ASSERT_FALSE(w.dragToMove());

  bool laidOutDuringResize = false;
  support::after(150, [&] {
    // As the dragged corner would: the system's size loop changes the size.
    SetWindowPos(w.handle(), nullptr, 0, 0, 520, 600, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    laidOutDuringResize = w.关闭图形按钮.left() == 520 - 17;
    PostMessageA(w.handle(), WM_LBUTTONUP, 0, 0);
  });
  SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(395, 27));

  EXPECT_TRUE(laidOutDuringResize);
  EXPECT_EQ(w.width(), 520);
  EXPECT_EQ(w.height(), 600);
  expectLaidOutFor(w, 520, 600);

  // Outside the grip the press resizes nothing.
  w.setDragToMove(false);
  support::click(bar, 390, 27);
  EXPECT_EQ(w.width(), 520);
}

TEST_F(PlaylistWindowFrame, F3OnTheVideoOpensAndClosesItTheMenuAndSliderOnlyOpenIt) {
  setPlaylist({"a.avi"});
  f3OnVideo();
  EXPECT_NE(player::openPlaylistWindow(), nullptr);
  EXPECT_TRUE(player::playlistWindowOpen);
  f3OnVideo();
  EXPECT_EQ(player::openPlaylistWindow(), nullptr);
  EXPECT_FALSE(player::playlistWindowOpen);

  // Opened from the menu, F3 on the video takes the loading branch first.
  ASSERT_TRUE(openFromMenu());
  EXPECT_FALSE(player::playlistWindowOpen);
  f3OnVideo();
  EXPECT_NE(player::openPlaylistWindow(), nullptr);
  EXPECT_TRUE(player::playlistWindowOpen);
  f3OnVideo();
  EXPECT_EQ(player::openPlaylistWindow(), nullptr);

  // F3 on the duration slider opens it; other keys there do nothing.
  HWND slider = window().时长滑块条.handle();
  SendMessageA(slider, WM_KEYDOWN, VK_F2, 1);
  EXPECT_EQ(player::openPlaylistWindow(), nullptr);
  SendMessageA(slider, WM_KEYDOWN, VK_F3, 1);
  support::pumpMessages();
  EXPECT_NE(player::openPlaylistWindow(), nullptr);
  EXPECT_FALSE(player::playlistWindowOpen);
}

TEST_F(PlaylistWindowFrame, TheCloseButtonDestroysItAndTheCopyStaysUntilTheNextOpening) {
  setPlaylist({"a.avi", "b.mp4"});
  f3OnVideo();
  ASSERT_TRUE(player::playlistWindowOpen);
  support::click(list().关闭图形按钮.handle());
  EXPECT_EQ(player::openPlaylistWindow(), nullptr);
  EXPECT_FALSE(player::playlistWindowOpen);
  EXPECT_EQ(player::playlistCopy, (Texts{"a.avi", "b.mp4"}));

  player::playlist.push_back("c.mkv");
  player::playlistChanged = 1;
  ASSERT_TRUE(openFromMenu());
  EXPECT_EQ(lines(), (Texts{"a.avi", "b.mp4", "c.mkv"}));
  EXPECT_EQ(player::playlistChanged, 0);
}

using PlaylistWindowSave = PlaylistWindowTest;

TEST_F(PlaylistWindowSave, WritesTheWholeCopyWhateverTheSearchShowsAsCrLfLines) {
  setPlaylist({"a", "C:\\影片\\b.MP4", "c.avi"});
  ASSERT_TRUE(openFromMenu());
  type("mp4");
  ASSERT_EQ(lines(), Texts{"C:\\影片\\b.MP4"});
  const std::string path = temp.file("保存的列表.txt");
  support::writeFile(path, "an older, longer content that must go");
  seam.fileAnswers.push_back(path);

  support::click(list().图形按钮1.handle());

  ASSERT_EQ(seam.calls.size(), 2u);
  EXPECT_EQ(seam.calls[0].kind, Call::File);
  EXPECT_EQ(seam.calls[0].dialog, fw::FileDialogRequest::Save);
  EXPECT_EQ(seam.calls[0].folder, temp.path()) << "the current directory";
  EXPECT_EQ(seam.calls[0].initial, "播放列表.txt");
  EXPECT_EQ(support::readFile(path), "a\r\nC:\\影片\\b.MP4\r\nc.avi\r\n");
  EXPECT_EQ(seam.calls[1].text, "播放列表文件保存成功！");
  EXPECT_EQ(seam.calls[1].caption, "保存成功");
  EXPECT_EQ(seam.calls[1].flags, 64u);
}

TEST_F(PlaylistWindowSave, RefusesWithNoLineOnShowAndReportsAFailedWrite) {
  struct Case {
    const char* name;
    const char* search;
    std::optional<std::string> chosen;   // nullopt: the dialog is cancelled
    std::vector<std::string> texts;      // message boxes shown
    std::vector<std::string> captions;
    std::vector<unsigned> flags;
    bool dialogShown;
  } cases[] = {
      {"no line on show", "zzz", std::nullopt, {"当前播放列表为空，无法保存！"}, {"信息："}, {0}, false},
      {"cancelled", "", std::nullopt, {}, {}, {}, true},
      {"not writable", "", std::string("被占用的文件夹"), {"文件保存失败！"}, {"失败"}, {16}, true},
  };
  CreateDirectoryA(temp.file("被占用的文件夹").c_str(), nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    setPlaylist({"a", "b"});
    ASSERT_TRUE(openFromMenu());
    type(c.search);
    seam.calls.clear();
    if (c.dialogShown) seam.fileAnswers.push_back(c.chosen ? std::optional(temp.file(*c.chosen)) : std::nullopt);

    support::click(list().图形按钮1.handle());

    std::vector<std::string> texts, captions;
    std::vector<unsigned> flags;
    bool dialogShown = false;
    for (const Call& call : seam.calls) {
      dialogShown |= call.kind == Call::File;
      if (call.kind != Call::Message) continue;
      texts.push_back(call.text);
      captions.push_back(call.caption);
      flags.push_back(call.flags);
    }
    EXPECT_EQ(dialogShown, c.dialogShown);
    EXPECT_EQ(texts, c.texts);
    EXPECT_EQ(captions, c.captions);
    EXPECT_EQ(flags, c.flags);
    EXPECT_EQ(player::playlistCopy, (Texts{"a", "b"}));
    player::closePlaylistWindow();
  }
}

}  // namespace
}  // namespace playlistwin
