// Playlist files: the line rules, the two existence filters, and the menu
// command that loads a chosen file and plays it.
#include <gtest/gtest.h>

#include <filesystem>

#include "player/app/app.h"
#include "player/playback/playback.h"
#include "player/sources/sources.h"
#include "player/windows/main/main_window_behaviour.h"
#include "player/app/settings.h"
#include "tests/player_spine/player_fixture.h"

namespace spine {
namespace {

class PlaylistFile : public support::TempFolderTest {
 protected:
  std::string make(const std::string& name) {
    std::string path = temp.file(name);
    EXPECT_TRUE(support::writeFile(path, "")) << path;
    return path;
  }
  std::string folder(const std::string& name) {
    std::string path = temp.file(name);
    EXPECT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path;
    return path;
  }
  void load(const std::string& bytes) {
    ASSERT_TRUE(support::writeFile(temp.file("播放列表.txt"), bytes));
    player::loadPlaylistFrom(temp.file("播放列表.txt"), player::PlaylistSource::File);
  }
};

TEST_F(PlaylistFile, LinesEndAtLineFeedWithOrWithoutCarriageReturn) {
  const std::string a = make("a.mp3"), b = make("b.mp3"), c = make("c.mp3");
  load(a + "\n" + b + "\r\n" + c);   // the last line without an end
  EXPECT_EQ(player::playlist, (fw::TextArray{a, b, c}));
}

TEST_F(PlaylistFile, ACarriageReturnElsewhereStaysInTheLine) {
  const std::string a = make("a.mp3");
  load(a + "\r\r\n" + a + "\r");   // one CR goes at each end, the other stays
  EXPECT_EQ(player::playlist, fw::TextArray{a});
}

TEST_F(PlaylistFile, TheDataEndsAtTheFirstNulOrSubstituteByte) {
  const std::string a = make("a.mp3"), b = make("b.mp3");
  load(a + "\r\n" + std::string(1, '\0') + b + "\r\n");
  EXPECT_EQ(player::playlist, fw::TextArray{a});
  load(std::string("\x1A") + a + "\r\n");
  EXPECT_TRUE(player::playlist.empty());
  // Text of 16-bit characters holds a NUL in its first character.
  load(std::string("a\0.\0m\0p\0\r\0\n\0", 12));
  EXPECT_TRUE(player::playlist.empty());
}

TEST_F(PlaylistFile, ADoubleByteCharacterIsTakenWholeEvenBeforeALineFeed) {
  const std::string named = make("影片.mp3"), b = make("b.mp3");
  // A lead byte takes the LF after it along, so that line runs on into the
  // next and names nothing.
  load(named + "\r\n" + "\x81\n" + b + "\r\n" + b + "\r\n");
  EXPECT_EQ(player::playlist, (fw::TextArray{named, b}));
}

TEST_F(PlaylistFile, StartUpReaderKeepsExistingFilesOnlyInOrderWithDuplicates) {
  const std::string a = make("a.mp3"), b = make("b.mp3"), sub = folder("子目录");
  player::playlist = {"earlier entry"};
  load(b + "\r\n\r\n" + temp.file("gone.mp3") + "\r\n" + sub + "\r\n" + temp.file("*.mp3") + "\r\n" +
       " " + a + "\r\n" + a + "\r\n" + b + "\r\n");
  // The folder and the wildcard pattern (whose attributes cannot be read) are
  // left out; so is the line with a leading blank.
  EXPECT_EQ(player::playlist, (fw::TextArray{b, a, b}));
}

TEST_F(PlaylistFile, TextModeReadsTheTextByTheSameRules) {
  const std::string a = make("a.mp3"), b = make("b.mp3");
  player::loadPlaylistFrom(a + "\n" + temp.file("gone.mp3") + "\r\n" + b,
                           player::PlaylistSource::Text);
  EXPECT_EQ(player::playlist, (fw::TextArray{a, b}));
}

TEST_F(PlaylistFile, AnUnreadableSourceLeavesThePlaylistEmpty) {
  const std::string a = make("a.mp3");
  player::playlist = {a};
  player::loadPlaylistFrom(temp.file("no playlist.txt"), player::PlaylistSource::File);
  EXPECT_TRUE(player::playlist.empty());
}

TEST_F(PlaylistFile, ReaderNeverChangesTheCurrentIndex) {
  const std::string a = make("a.mp3");
  player::currentIndex = 3;
  load(a + "\r\n");
  EXPECT_EQ(player::currentIndex, 3);
}

// The menu command, through the main window's common dialog.
class LoadPlaylistMenu : public PlayerTest {};

TEST_F(LoadPlaylistMenu, ChosenFileBecomesThePlaylistFoldersIncludedAndTheFirstPlays) {
  startPlayer();
  const std::string sub = temp.file("子目录");
  ASSERT_TRUE(CreateDirectoryA(sub.c_str(), nullptr));
  const std::string a = makeFile("a.mp4");
  const std::string list = temp.file("我的列表.txt");
  ASSERT_TRUE(support::writeFile(list, sub + "\r\n" + temp.file("gone.mp4") + "\r\n" + a + "\r\n"));
  player::playlist = {"old"};
  player::currentIndex = 1;
  seam.fileAnswers.push_back(list);
  standin::clearJournal();

  player::loadPlaylistFileAndPlay();

  ASSERT_EQ(seam.calls.size(), 1u);
  EXPECT_EQ(seam.calls[0].kind, support::ScriptedSeam::Call::File);
  EXPECT_EQ(seam.calls[0].dialog, fw::FileDialogRequest::Open);
  EXPECT_EQ(player::playlist, (fw::TextArray{sub, a}));
  EXPECT_EQ(player::currentIndex, 1);
  const auto opens = journalCalls("APlayer_OpenA");
  ASSERT_FALSE(opens.empty());
  EXPECT_EQ(opens[0].at(2), sub);
}

TEST_F(LoadPlaylistMenu, CancellingLeavesPlaylistIndexAndPlaybackAlone) {
  startPlayer();
  player::playlist = {"a", "b"};
  player::currentIndex = 2;
  seam.fileAnswers.push_back(std::nullopt);
  standin::clearJournal();

  player::loadPlaylistFileAndPlay();

  EXPECT_EQ(player::playlist, (fw::TextArray{"a", "b"}));
  EXPECT_EQ(player::currentIndex, 2);
  EXPECT_TRUE(standin::journalLines().empty());
}

TEST_F(LoadPlaylistMenu, AFileWithoutAnyPassingLineEmptiesThePlaylistAndPlaysNothing) {
  startPlayer();
  const std::string list = temp.file("空.txt");
  ASSERT_TRUE(support::writeFile(list, temp.file("gone.mp4") + "\r\n"));
  player::playlist = {"a", "b"};
  player::currentIndex = 2;
  seam.fileAnswers.push_back(list);
  standin::clearJournal();

  player::loadPlaylistFileAndPlay();

  EXPECT_TRUE(player::playlist.empty());
  EXPECT_EQ(player::currentIndex, 2);
  EXPECT_TRUE(journalCalls("APlayer_OpenA").empty());
  EXPECT_TRUE(journalCalls("APlayer_Close").empty()) << "what plays goes on";
}

}  // namespace
}  // namespace spine
