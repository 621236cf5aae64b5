// What the playlist window's list does: the first fill and the caret, the
// search, playing a line, deleting lines' entries, and the refresh that only a
// drop or a Delete asks for.
#include <functional>
#include <string>
#include <vector>

#include "framework/ini.h"
#include "player/playback/playback.h"
#include "tests/player_playlist_window/playlist_window_fixture.h"
#include "tests/support/ui.h"

namespace playlistwin {
namespace {

using Texts = std::vector<std::string>;

using PlaylistWindowList = PlaylistWindowTest;

TEST_F(PlaylistWindowList, OpensWithEveryEntryInOrderAndTheCaretOnTheCurrentOneSelectingNothing) {
  struct Case {
    int entries;
    int currentIndex;
    int caret;   // where the caret is afterwards
  } cases[] = {
      {3, 2, 1},
      {3, 3, 2},
      {60, 50, 49},   // scrolled into view
      {3, 0, 0},      // no line -1: the list's own start
      {3, 4, 0},      // beyond the list: nothing
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.entries << " entries, current " << c.currentIndex);
    player::playlist.clear();
    for (int i = 1; i <= c.entries; ++i) player::playlist.push_back("C:\\影片\\" + std::to_string(i) + ".mp4");
    player::currentIndex = c.currentIndex;
    ASSERT_TRUE(openFromMenu());
    ASSERT_EQ(lines(), player::playlist);
    EXPECT_EQ(entryIndices().back(), c.entries);
    EXPECT_EQ(label(), "总共 " + std::to_string(c.entries) + " 个视频 双击播放");
    fw::ListBox& box = list().列表框1;
    EXPECT_EQ(box.caretLine(), c.caret);
    EXPECT_TRUE(box.selectedLines().empty());
    const int lineHeight = static_cast<int>(SendMessageA(box.handle(), LB_GETITEMHEIGHT, 0, 0));
    EXPECT_LE(box.topLine(), c.caret);
    EXPECT_GT(box.topLine() + box.height() / lineHeight, c.caret) << "the caret's line is out of sight";
    EXPECT_EQ(player::currentIndex, c.currentIndex);
    player::closePlaylistWindow();
  }
}

TEST_F(PlaylistWindowList, AnEmptyPlaylistLeavesTheListEmptyAndTheLabelAsDescribed) {
  ASSERT_TRUE(openFromMenu());
  EXPECT_TRUE(lines().empty());
  EXPECT_EQ(label(), "总共");
  type("mp4");
  EXPECT_EQ(label(), "总共") << "no search over an empty copy";
}

TEST_F(PlaylistWindowList, TheSearchKeepsTheEntriesHoldingItWhateverTheCaseAndClearingItListsAll) {
  setPlaylist({"C:\\影片\\a.mp4", "C:\\影片\\b.MP4", "C:\\影片\\c.avi"});
  ASSERT_TRUE(openFromMenu());
  struct Step {
    const char* typed;   // appended to the box; nullptr: the box cleared
    Texts shown;
    std::vector<int> indices;
    const char* label;
  } steps[] = {
      {"M", {"C:\\影片\\a.mp4", "C:\\影片\\b.MP4"}, {1, 2}, "总共3个文件，当前筛选出 2 个 双击播放"},
      {"P4", {"C:\\影片\\a.mp4", "C:\\影片\\b.MP4"}, {1, 2}, "总共3个文件，当前筛选出 2 个 双击播放"},
      {"x", {}, {}, "总共3个文件，当前筛选出 0 个 双击播放"},
      {nullptr, {"C:\\影片\\a.mp4", "C:\\影片\\b.MP4", "C:\\影片\\c.avi"}, {1, 2, 3},
       "总共3个文件，当前筛选出 3 个 双击播放"},
      {"\\C", {"C:\\影片\\c.avi"}, {3}, "总共3个文件，当前筛选出 1 个 双击播放"},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.typed ? s.typed : "(cleared)");
    if (s.typed) {
      type(s.typed);
    } else {
      clearSearch();
    }
    EXPECT_EQ(lines(), s.shown);
    EXPECT_EQ(entryIndices(), s.indices);
    EXPECT_EQ(label(), s.label);
  }
}

TEST_F(PlaylistWindowList, DoubleClickAndEnterPlayTheFirstSelectedLinesOwnEntry) {
  const std::string a = wav("a.avi"), b = wav("b.MP4"), c = wav("c.mp4");
  setPlaylist({a, b, c}, 1);
  ASSERT_TRUE(openFromMenu());
  type("mp4");
  ASSERT_EQ(lines(), (Texts{b, c}));

  doubleClickLine(1);
  settle();
  EXPECT_EQ(player::currentIndex, 3) << "the element's own index, not the line's";
  EXPECT_EQ(opened(), Texts{c});

  clearJournal();
  clickLine(0);
  clickLine(1, MK_CONTROL);
  pressKey(VK_RETURN);
  settle();
  EXPECT_EQ(player::currentIndex, 2);
  EXPECT_EQ(opened(), Texts{b});

  // Nothing selected: Enter plays nothing.
  clearJournal();
  clickLine(0, MK_CONTROL);
  clickLine(1, MK_CONTROL);
  ASSERT_TRUE(list().列表框1.selectedLines().empty());
  pressKey(VK_RETURN);
  settle();
  EXPECT_TRUE(opened().empty());
  EXPECT_EQ(player::currentIndex, 2);
}

TEST_F(PlaylistWindowList, DeleteRemovesTheSelectedLinesEntriesAndTheNextTickShowsTheRest) {
  struct Case {
    const char* search;        // typed before selecting
    std::vector<int> clicked;  // lines clicked, the first plain, the others with Ctrl
  } cases[] = {
      {"", {1, 3}},      // entries 2 and 4 of the whole list
      {"mp4", {0, 1}},   // the same entries, on the only two lines the search shows
      {"", {3, 1}},      // selected in the other order
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "search '" << c.search << "'");
    setPlaylist({"a.avi", "b.mp4", "c.avi", "d.mp4", "e.avi"}, 5);
    ASSERT_TRUE(openFromMenu());
    type(c.search);
    for (std::size_t i = 0; i < c.clicked.size(); ++i) clickLine(c.clicked[i], i == 0 ? 0 : MK_CONTROL);
    const Texts before = lines();

    pressKey(VK_DELETE);
    EXPECT_EQ(player::playlist, (Texts{"a.avi", "c.avi", "e.avi"}));
    EXPECT_EQ(player::currentIndex, 3) << "the current entry keeps its index, moved down by two";
    EXPECT_EQ(lines(), before) << "the lines go at the next tick, not at once";
    EXPECT_EQ(player::playlistChanged, 1);

    waitForTick();
    EXPECT_EQ(lines(), (Texts{"a.avi", "c.avi", "e.avi"}));
    EXPECT_EQ(entryIndices(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(label(), "总共 3 个视频 双击播放");
    EXPECT_EQ(list().编辑框1.caption(), c.search) << "the search text stays in the box";
    EXPECT_EQ(player::playlistChanged, 0);
    player::closePlaylistWindow();
  }
}

// The current entry playing, with a record of an earlier run in the settings
// file; lines of the playlist window selected and deleted; what the next and
// previous buttons, the medium's end and the close button do afterwards.
class PlaylistWindowDelete : public PlaylistWindowTest {
 protected:
  static constexpr char kEarlierRecord[] = "[播放]\r\n上次播放文件=earlier.mp4\r\n上次播放位置=777\r\n";
  static constexpr uint32_t kLength = 20000;

  void SetUp() override {
    PlaylistWindowTest::SetUp();
    a = wav("a.wav", kLength);
    b = wav("b.wav", kLength);
    c = wav("c.wav", kLength);
    d = wav("d.wav", kLength);
    player::loopMode = std::string("0");
  }
  // a, b, c, d with c playing for 4 s; the lines clicked (the first plain,
  // the others with Ctrl) and Delete pressed; the list refreshed.
  ::testing::AssertionResult deleteWhileCPlays(const std::vector<int>& clicked) {
    if (!support::writeFile(temp.file("设置.txt"), kEarlierRecord)) return ::testing::AssertionFailure();
    engine().close();
    settle();
    setPlaylist({a, b, c, d});
    if (::testing::AssertionResult playing = playIndex(3); !playing) return playing;
    standin::advanceClock(4000);
    // Opened afresh: its copy is the playlist just set.
    player::closePlaylistWindow();
    if (::testing::AssertionResult opened = openFromMenu(); !opened) return opened;
    for (std::size_t i = 0; i < clicked.size(); ++i) clickLine(clicked[i], i == 0 ? 0 : MK_CONTROL);
    pressKey(VK_DELETE);
    waitForTick();
    clearJournal();
    return ::testing::AssertionSuccess();
  }
  void press(const fw::Unit& unit) {
    support::click(unit.handle());
    settle();
  }
  // The close button's shut-down, which ends at the test's seam; the record
  // it leaves, as "file @ position".
  std::string closeAndRead() {
    seam.ended = false;
    support::click(window().关闭图形按钮.handle());
    EXPECT_TRUE(seam.ended);
    const std::string settings = temp.file("设置.txt");
    return fw::iniRead(settings, "播放", "上次播放文件", "(none)") + " @ " +
           fw::iniRead(settings, "播放", "上次播放位置", "(none)");
  }
  std::string a, b, c, d;
};

TEST_F(PlaylistWindowDelete, EntriesDeletedBeforeTheCurrentOneMoveItsIndexDownWithIt) {
  ASSERT_TRUE(deleteWhileCPlays({0}));
  ASSERT_EQ(player::playlist, (Texts{b, c, d}));
  EXPECT_EQ(player::currentIndex, 2);
  EXPECT_EQ(closeAndRead(), c + " @ 4000") << "the file that plays, at its own place";
}

TEST_F(PlaylistWindowDelete, WithTheCurrentEntryDeletedNextAndPreviousGoOnFromItsPlace) {
  const struct {
    const char* what;
    std::vector<int> deleted;   // lines, with c on line 2
    std::function<void()> command;
    Texts played;
    int currentIndex;           // afterwards, where something played
    Texts hints;
  } cases[] = {
      {"c; next", {2}, [this] { press(window().下一个按钮); }, {d}, 3, {}},
      {"c; previous", {2}, [this] { press(window().上一个按钮); }, {b}, 2, {}},
      {"b and c; next", {1, 2}, [this] { press(window().下一个按钮); }, {d}, 2, {}},
      {"b and c; previous", {1, 2}, [this] { press(window().上一个按钮); }, {a}, 1, {}},
      {"a, b and c; previous", {0, 1, 2}, [this] { press(window().上一个按钮); }, {d}, 1,
       {d + " 是播放列表中的第一个文件！"}},
      {"c; its medium ends", {2},
       [this] {
         standin::advanceClock(kLength);
         settle();
       },
       {d}, 3, {}},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.what);
    ASSERT_TRUE(deleteWhileCPlays(k.deleted));
    k.command();
    EXPECT_EQ(opened(), k.played);
    EXPECT_EQ(player::currentIndex, k.currentIndex);
    EXPECT_EQ(overlayTexts(), k.hints);
    ASSERT_EQ(engine().getState(), 5);
    standin::advanceClock(1500);
    EXPECT_EQ(closeAndRead(), k.played.front() + " @ 1500");
  }
}

// Repeat one: the deleted entry, still playing, is not played again; the entry
// that now stands at its place is the one repeated from then on (the first
// one when the deleted entry was the last).
TEST_F(PlaylistWindowDelete, InRepeatOneADeletedCurrentEntryGivesWayToTheEntryAtItsPlace) {
  const std::function<void()> next = [this] { press(window().下一个按钮); };
  const std::function<void()> end = [this] {
    standin::advanceClock(kLength);
    settle();
  };
  const struct {
    const char* what;
    std::vector<int> deleted;   // lines, with c on line 2
    std::function<void()> command;
    std::string played;
    int currentIndex;
  } cases[] = {
      {"c; next", {2}, next, d, 3},
      {"c; its medium ends", {2}, end, d, 3},
      {"c and d; next", {2, 3}, next, a, 1},
      {"c and d; its medium ends", {2, 3}, end, a, 1},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.what);
    player::loopMode = std::string("2");
    ASSERT_TRUE(deleteWhileCPlays(k.deleted));
    for (const char* round : {"first", "again"}) {
      SCOPED_TRACE(round);
      clearJournal();
      k.command();
      EXPECT_EQ(opened(), Texts{k.played});
      EXPECT_EQ(player::currentIndex, k.currentIndex);
      ASSERT_EQ(engine().getState(), 5);
    }
    standin::advanceClock(1500);
    EXPECT_EQ(closeAndRead(), k.played + " @ 1500");
  }
}

// While the deleted entry plays on, no entry of the playlist is what plays:
// the shut-down writes no record rather than another file's.
TEST_F(PlaylistWindowDelete, WhileADeletedCurrentEntryPlaysOnNoRecordIsWritten) {
  const struct {
    const char* what;
    std::vector<int> deleted;
    bool pressNext;
  } cases[] = {
      {"c deleted", {2}, false},
      {"a and c deleted", {0, 2}, false},
      {"c and d deleted, then next: nothing follows", {2, 3}, true},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.what);
    ASSERT_TRUE(deleteWhileCPlays(k.deleted));
    if (k.pressNext) press(window().下一个按钮);
    EXPECT_TRUE(opened().empty());
    ASSERT_EQ(engine().getState(), 5) << "c plays on";
    EXPECT_EQ(closeAndRead(), "earlier.mp4 @ 777");
  }
}

// A missing entry after the place: the next press reports it while the
// deleted entry plays on, without making it current; the one after moves
// past it.
TEST_F(PlaylistWindowDelete, AMissingEntryAfterTheDeletedOnesPlaceIsReportedThenPassed) {
  const std::string e = wav("e.wav", kLength);
  ASSERT_TRUE(deleteWhileCPlays({2}));
  ASSERT_TRUE(DeleteFileA(d.c_str()));
  player::playlist.push_back(e);

  press(window().下一个按钮);
  EXPECT_EQ(overlayTexts(), Texts{d + " 不存在或者无权访问！"});
  EXPECT_TRUE(opened().empty());
  EXPECT_EQ(engine().getState(), 5) << "c plays on";
  EXPECT_EQ(player::playlistEntry(player::currentIndex), nullptr) << "d is not what plays";

  press(window().下一个按钮);
  EXPECT_EQ(opened(), Texts{e});
  EXPECT_EQ(player::currentIndex, 4);
  standin::advanceClock(1500);
  EXPECT_EQ(closeAndRead(), e + " @ 1500");
}

TEST_F(PlaylistWindowList, DeletingEveryEntryEmptiesTheListAtOnceAndKeepsTheLabel) {
  // The middle entry ends in a lone lead byte, which a list line cannot show
  // as it is: it goes all the same.
  setPlaylist({"a.avi", "b\x81", "c.avi"});
  ASSERT_TRUE(openFromMenu());
  clickLine(0);
  clickLine(2, MK_SHIFT);
  pressKey(VK_DELETE);
  EXPECT_TRUE(player::playlist.empty());
  EXPECT_TRUE(lines().empty());
  EXPECT_EQ(label(), "总共 3 个视频 双击播放");
  waitForTick();
  EXPECT_TRUE(lines().empty());
  EXPECT_EQ(label(), "总共 3 个视频 双击播放");
}

TEST_F(PlaylistWindowList, DeleteWithNothingSelectedDoesNothing) {
  setPlaylist({"a.avi", "b.mp4"});
  ASSERT_TRUE(openFromMenu());
  pressKey(VK_DELETE);
  EXPECT_EQ(player::playlist, (Texts{"a.avi", "b.mp4"}));
  EXPECT_EQ(player::playlistChanged, 0);
}

// The playlist replaced behind the window's back (a playlist file loaded from
// the main window): the lines still show the old entries, and Delete on them
// must not remove the new entries that now stand at their indices.
TEST_F(PlaylistWindowList, DeleteAfterThePlaylistChangedRemovesOnlyEntriesThatAreStillThere) {
  const std::string a = wav("a.wav"), b = wav("b.wav"), c = wav("c.wav"), x = wav("x.wav");
  setPlaylist({a, b, c});
  ASSERT_TRUE(openFromMenu());
  const std::string playlistFile = file("另一个列表.txt", x + "\r\n" + b + "\r\n");
  seam.fileAnswers.push_back(playlistFile);
  support::chooseMenuItem(window().载入播放列表);
  settle();
  ASSERT_EQ(player::playlist, (Texts{x, b}));
  ASSERT_EQ(lines(), (Texts{a, b, c})) << "loading a playlist file does not refresh the window";

  clickLine(0);                 // a: entry 1, where x stands now
  clickLine(1, MK_CONTROL);     // b: entry 2, still b
  clickLine(2, MK_CONTROL);     // c: entry 3, beyond the end now
  pressKey(VK_DELETE);

  EXPECT_EQ(player::playlist, Texts{x});
  waitForTick();
  EXPECT_EQ(lines(), Texts{x});
}

// A drop sets playlistChanged after it has added its paths (the drop timer);
// other changes of the playlist, such as opening a folder, do not.
TEST_F(PlaylistWindowList, OnlyAnAskedRefreshReachesTheOpenWindowAndItHappensOnce) {
  setPlaylist({"a.avi", "b.mp4"});
  ASSERT_TRUE(openFromMenu());
  type("mp4");

  player::playlist.push_back("c.mkv");   // as opening a folder adds entries
  waitForTick();
  EXPECT_EQ(lines(), Texts{"b.mp4"});

  player::playlist.push_back("d.mkv");   // as a drop adds entries
  player::playlistChanged = 1;
  waitForTick();
  EXPECT_EQ(lines(), (Texts{"a.avi", "b.mp4", "c.mkv", "d.mkv"})) << "a refresh shows every entry";
  EXPECT_EQ(label(), "总共 4 个视频 双击播放");
  EXPECT_EQ(list().编辑框1.caption(), "mp4");
  EXPECT_EQ(player::playlistChanged, 0);
  EXPECT_EQ(player::playlistCopy, player::playlist);

  player::playlist.push_back("e.mkv");
  waitForTick();
  EXPECT_EQ(lines().size(), 4u) << "refreshed once, not on every tick";
}

}  // namespace
}  // namespace playlistwin
