// Files and folders dropped on the engine's video window, as the shell drops
// them (a DROPFILES block posted with WM_DROPFILES), and paths put in the
// receiving list by later starts: both taken by the drop timer.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>

#include "framework/text.h"
#include "framework/windows_routines.h"
#include "player/app/app.h"
#include "player/playback/playback.h"
#include "player/sources/sources.h"
#include "player/windows/playlist/playlist_window.h"
#include "tests/player_handover/instance_fixture.h"
#include "tests/support/directory_link.h"
#include "tests/support/long_path.h"
#include "tests/player_spine/player_fixture.h"

namespace handover {
namespace {

// The block the shell hands over, its names as ANSI or as wide text; DragFinish
// frees it.
HGLOBAL dropFilesBlock(const std::vector<std::string>& names, bool wide = false) {
  std::wstring wideNames;
  std::string ansiNames;
  for (const std::string& name : names) {
    if (wide) {
      const int n = MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()), nullptr, 0);
      std::wstring converted(static_cast<std::size_t>(n), L'\0');
      MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()), converted.data(), n);
      wideNames += converted;
      wideNames += L'\0';
    } else {
      ansiNames += name;
      ansiNames += '\0';
    }
  }
  const std::size_t namesSize = wide ? (wideNames.size() + 1) * sizeof(wchar_t) : ansiNames.size() + 1;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + namesSize);
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = wide ? TRUE : FALSE;
  char* at = reinterpret_cast<char*>(header) + sizeof(DROPFILES);
  if (wide) {
    std::memcpy(at, wideNames.data(), wideNames.size() * sizeof(wchar_t));
  } else {
    std::memcpy(at, ansiNames.data(), ansiNames.size());
  }
  GlobalUnlock(memory);
  return memory;
}

// Whether the first `bytes` bytes of the text end inside a double-byte character.
bool cutInsideCharacter(const std::string& text, std::size_t bytes) {
  std::size_t i = 0;
  while (i < bytes) i += fw::isLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
  return i != bytes;
}

std::vector<std::string> opened() {
  std::vector<std::string> paths;
  for (const standin::JournalLine& call : spine::journalCalls("APlayer_OpenA")) paths.push_back(call.at(2));
  return paths;
}

class Drop : public spine::PlayerTest {
 protected:
  void drop(const std::vector<std::string>& names, bool wide = false) {
    PostMessageA(player::playerEngine->getWindow(), WM_DROPFILES,
                 reinterpret_cast<WPARAM>(dropFilesBlock(names, wide)), 0);
  }
  // Drops, then lets the drop timer take it.
  void dropAndTake(const std::vector<std::string>& names, bool wide = false) {
    player::playlistChanged = 0;
    drop(names, wide);
    ASSERT_TRUE(support::waitUntil([] { return player::playlistChanged == 1; }, 3000));
    support::pumpMessages(50);
  }
  std::string makeFolder(const std::string& name, const std::vector<std::string>& files) {
    const std::string folder = temp.file(name);
    CreateDirectoryA(folder.c_str(), nullptr);
    for (const std::string& file : files) makeFile(name + "\\" + file);
    return folder;
  }
};

TEST_F(Drop, OverwriteAndOneEntryRulesDecideThePlaylistAndWhatPlays) {
  const std::string p1 = makeFile("p1.mp3"), p2 = makeFile("p2.mp3");
  const std::string f1 = makeFile("f1.mp3"), f2 = makeFile("f2.mp3");
  const std::string full = makeFolder("full", {"x.mp3"});
  const std::string empty = makeFolder("empty", {});
  const struct {
    const char* what;
    const char* overwrite;
    std::vector<std::string> before;   // the playlist file; its first entry plays
    std::vector<std::string> dropped;
    std::vector<std::string> after;
    std::vector<std::string> played;   // opened because of the drop
  } cases[] = {
      {"one file onto an empty playlist", "假", {}, {f1}, {f1}, {f1}},
      {"two files onto an empty playlist", "假", {}, {f1, f2}, {f1, f2}, {}},
      {"appended while one plays", "假", {p1, p2}, {f1}, {p1, p2, f1}, {}},
      {"an empty folder onto one entry", "假", {p1}, {empty}, {p1}, {p1}},
      {"a folder, then a file", "假", {p1, p2}, {full, f1}, {p1, p2, full + "\\x.mp3", f1}, {}},
      {"overwrite: a file and a folder", "真", {p1, p2}, {f1, full}, {f1, full + "\\x.mp3"}, {f1}},
      {"overwrite: an empty folder", "真", {p1}, {empty}, {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    writeSettings(std::string("[设置]\r\n拖放时覆盖播放列表=") + c.overwrite + "\r\n");
    std::string list;
    for (const std::string& entry : c.before) list += entry + "\r\n";
    ASSERT_TRUE(support::writeFile(temp.file("播放列表.txt"), list));
    startPlayer();
    ASSERT_EQ(window().拖放组件时钟.interval(), 200);
    const std::size_t openedBefore = opened().size();

    dropAndTake(c.dropped);
    EXPECT_EQ(player::playlist, fw::TextArray(c.after.begin(), c.after.end()));
    const std::vector<std::string> all = opened();
    EXPECT_EQ(std::vector<std::string>(all.begin() + openedBefore, all.end()), c.played);
    EXPECT_EQ(player::currentIndex, c.played.empty() && c.before.empty() ? 0 : 1);
    EXPECT_EQ(window().拖放组件时钟.interval(), 200) << "the timer runs again after the tick";
    endPlayer();
  }
}

// Two links back to the folder itself: searched through every link, the tree
// would double at each level, and the tick (the window with it) never end.
TEST_F(Drop, AFolderHoldingLinksToItselfGivesItsOwnEntriesOnce) {
  const std::string folder = makeFolder("环", {"a.mp3"});
  support::DirectoryLink m1(folder + "\\m1", "."), m2(folder + "\\m2", ".");
  ASSERT_TRUE(m1.made() && m2.made());
  // The folder's entries in the order its search gives them.
  fw::TextArray entries;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") entries.push_back(folder + "\\" + name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  ASSERT_EQ(entries.size(), 3u);
  startPlayer();

  dropAndTake({folder});

  EXPECT_EQ(player::playlist, entries) << "the links' own lines, nothing below them";
  EXPECT_EQ(opened(), std::vector<std::string>{}) << "three entries: nothing plays";
}

TEST_F(Drop, OfTwoDropsBeforeATickOnlyTheSecondArrives) {
  const std::string f1 = makeFile("f1.mp3"), f2 = makeFile("f2.mp3"), f3 = makeFile("f3.mp3");
  startPlayer();
  drop({f1});
  dropAndTake({f2, f3});
  EXPECT_EQ(player::playlist, (fw::TextArray{f2, f3}));
}

// Names longer than 259 bytes, as deep folders give them where long paths are
// allowed: one of 300 bytes, which the ANSI file routines cannot look at, and
// a Chinese one that a cut at 259 bytes would end inside a character.
TEST_F(Drop, LongDroppedNamesArriveWhole) {
  std::string song;
  for (int i = 0; i < 30; ++i) song += "歌";
  support::LongPath plain(temp.path(), "long name.mp3", 300);
  support::LongPath chinese(temp.path(), song + ".mp3", 280);
  ASSERT_TRUE(plain.made() && chinese.made());
  ASSERT_TRUE(cutInsideCharacter(chinese.path(), 259)) << "the case does not show what it is meant to";
  ASSERT_TRUE(plain.write("x"));
  ASSERT_TRUE(chinese.write("x"));
  startPlayer();

  for (const bool wide : {false, true}) {
    SCOPED_TRACE(wide ? "names as wide text" : "names as ANSI text");
    player::playlist.clear();
    dropAndTake({plain.path(), chinese.path()}, wide);
    EXPECT_EQ(player::playlist, (fw::TextArray{plain.path(), chinese.path()}));
  }
}

TEST_F(Drop, PathsInTheReceivingListAreAppendedInOrderWithoutPlaying) {
  const std::string p1 = makeFile("p1.mp3");
  spine::setPlayerArguments(inQuotes(p1));
  startPlayer();
  player::playlistChanged = 0;
  const HWND list = window().接收文本列表框.handle();
  for (const char* text : {"C:\\a.mp3\r\n", "\r\n", "C:\\b c.mp3\r\n"})
    SendMessageA(list, LB_ADDSTRING, 1, reinterpret_cast<LPARAM>(text));
  ASSERT_TRUE(support::waitUntil([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 0; }, 3000));

  EXPECT_EQ(player::playlist, (fw::TextArray{p1, "C:\\a.mp3", "", "C:\\b c.mp3"}));
  EXPECT_EQ(player::currentIndex, 1);
  EXPECT_EQ(opened(), std::vector<std::string>{p1});
  EXPECT_EQ(player::playlistChanged, 0) << "an open playlist window is not asked to refresh";
}

LONG_PTR WINAPI refusedWindowProcedure(HWND, int, LONG_PTR) { return 0; }

TEST_F(Drop, WithoutAVideoWindowThatTakesDropsTheTimerStaysStopped) {
  const struct {
    const char* what;
    bool refused;        // the window procedure cannot be replaced
    bool engineMissing;  // no engine, hence no video window
  } cases[] = {{"the procedure refused", true, false}, {"no engine", false, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.refused) fw::win::SetWindowLongA.replaceForTests(refusedWindowProcedure);
    if (c.engineMissing) standin::setConfig("createFails", "1");
    startPlayer();
    fw::win::SetWindowLongA.replaceForTests(nullptr);
    standin::setConfig("createFails", nullptr);
    EXPECT_EQ(player::engineReady != 0, !c.engineMissing);
    EXPECT_EQ(window().拖放组件时钟.interval(), 0);
    endPlayer();
  }
}

}  // namespace
}  // namespace handover
