// Casting end to end: a renderer chosen in the DLNA window, then a playlist
// loaded through the menu. A file of a type to convert goes through the real
// conversion program beside the player; a file of a type to skip is passed
// over by the loop mode.
#include <windows.h>

#include "engine/engine_items.h"
#include "framework/files.h"
#include "player/app/app.h"
#include "player/playback/playback.h"
#include "player/windows/playlist/playlist_window.h"
#include "tests/player_dlna/dlna_fixture.h"
#include "tests/player_road/wav_bytes.h"
#include "tests/support/long_path.h"
#include "tests/support/wait.h"

namespace dlna {
namespace {

using Lines = std::vector<std::string>;

class CastingTest : public DlnaTest {
 protected:
  ~CastingTest() override { SetEnvironmentVariableA("STANDIN_ENGINE_JOURNAL", nullptr); }

  // Every engine of every process journals to one file from now on (the
  // conversion program's engine too: it inherits the environment).
  void journalToFile() {
    SetEnvironmentVariableA("STANDIN_ENGINE_JOURNAL", temp.file("journal.txt").c_str());
  }
  // From the first conversion item on: the output items, then every text
  // opened, in order, whichever process asked.
  Lines conversionRoad() {
    Lines asked;
    for (const standin::JournalLine& line : standin::journalLines(support::readFile(temp.file("journal.txt")))) {
      if (line[0] == "APlayer_SetConfigA" && (line[2] == "803" || line[2] == "804"))
        asked.push_back(line[2] + " " + line[3]);
      if (line[0] == "APlayer_OpenA" && !asked.empty()) asked.push_back("open " + line[2]);
    }
    return asked;
  }
  // What this process's engine opened since the journal was last cleared.
  Lines opened() {
    Lines paths;
    for (const standin::JournalLine& line : calls("APlayer_OpenA")) paths.push_back(line.at(2));
    return paths;
  }
  bool playing() { return player::playerEngine->getState() == engine::kPlaying; }
  // Chooses the renderer in the DLNA window, as a user does.
  void castTo(const std::string& line) {
    player::DlnaWindow& dlna = openDlnaWindow();
    waitForPolls(1);
    ASSERT_EQ(listed(), Lines{line});
    clickLine(0);
    press(dlna.按钮1);
    ASSERT_EQ(dlnaWindow(), nullptr);
  }
};

TEST_F(CastingTest, ConvertTypeIsCastAsTheWavKelvaneWritesAndSkipTypeIsPassedOver) {
  writeSettings("[DLNA跳过音乐类型]\r\n.mp3\r\n[DLNA自动转换类型]\r\n.flac\r\n");
  findRenderers("客厅电视;uuid-tv");
  startPlayer();
  // The conversion program lies beside the player (here the test program);
  // the current directory, the test folder, holds none, so it is the player's
  // own that runs.
  ASSERT_TRUE(fw::isExistingFile(fw::programFolder() + "\\kelvane.exe"));
  ASSERT_EQ(fw::currentDirectory(), temp.path());
  ASSERT_FALSE(fw::fileExists(temp.file("kelvane.exe")));

  player::DlnaWindow& dlna = openDlnaWindow();
  waitForPolls(1);
  ASSERT_EQ(listed(), Lines{"客厅电视;uuid-tv"});
  clickLine(0);
  press(dlna.按钮1);
  ASSERT_EQ(dlnaWindow(), nullptr);
  ASSERT_EQ(player::playerEngine->getConfig(engine::kDlnaRenderer), "uuid-tv");

  // A blank and Chinese text in the folder: quoted wrongly, the paths would
  // reach the conversion program as more than two arguments.
  ASSERT_TRUE(CreateDirectoryA(temp.file("音乐 收藏").c_str(), nullptr));
  const std::string source = file("音乐 收藏\\夜曲 live.flac");
  const std::string destination = temp.file("音乐 收藏\\夜曲 live.wav");
  const std::string skipped = file("音乐 收藏\\歌.mp3");
  const std::string last = file("音乐 收藏\\尾声.wav", road::wavOfMs(60000));
  const std::string list = file("列表.txt", source + "\r\n" + skipped + "\r\n" + last + "\r\n");
  seam.fileAnswers.push_back(list);
  journalToFile();
  standin::clearJournal();

  chooseMenuItem(window().载入播放列表);   // plays the first entry

  EXPECT_EQ(conversionRoad(), (Lines{"803 wav", "804 " + destination, "open " + source,
                                     "open " + destination}));
  EXPECT_EQ(support::readFile(destination).substr(0, 4), "RIFF");
  EXPECT_EQ(player::playlist, (Lines{destination, skipped, last}));
  EXPECT_EQ(opened(), Lines{destination});
  EXPECT_TRUE(support::waitUntil([&] { return playing(); }));
  EXPECT_EQ(window().caption(), "夜曲 live.flac");

  standin::clearJournal();
  press(window().下一个按钮);

  EXPECT_EQ(opened(), Lines{last});
  EXPECT_EQ(player::currentIndex, 3);
  EXPECT_TRUE(support::waitUntil([&] { return playing(); }));
}

// The ANSI routines take no path much past 259 bytes, so they cannot say
// whether such a destination exists: an earlier conversion may lie there. The
// entry is then left as it is, as after a failed conversion, and the
// conversion program is not even started. A ".m" source is two bytes shorter
// than its destination: at 259 bytes it is still seen, its destination at 261
// not (Windows takes 259 characters, Wine 260).
TEST_F(CastingTest, ADestinationWhoseExistenceCannotBeToldIsNeverConvertedOver) {
  writeSettings("[DLNA自动转换类型]\r\n.m\r\n");
  findRenderers("客厅电视;uuid-tv");
  startPlayer();
  castTo("客厅电视;uuid-tv");

  const std::string earlier = "an earlier conversion: keep me";
  const struct {
    const char* what;
    bool destinationExists;
  } cases[] = {
      {"an earlier conversion there", true},
      {"nothing there", false},
  };
  int run = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string name = "clip" + std::to_string(run++);
    support::LongPath source(temp.path(), name + ".m", 259);
    support::LongPath destination(temp.path(), name + ".wav", 261);
    ASSERT_TRUE(source.made() && destination.made());
    ASSERT_TRUE(source.write("media"));
    if (c.destinationExists) {
      ASSERT_TRUE(destination.write(earlier));
    }
    ASSERT_TRUE(fw::fileExists(source.path()));
    ASSERT_EQ(GetFileAttributesA(destination.path().c_str()), INVALID_FILE_ATTRIBUTES);
    ASSERT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILENAME_EXCED_RANGE));

    seam.fileAnswers.push_back(file("列表.txt", source.path() + "\r\n"));
    journalToFile();
    support::writeFile(temp.file("journal.txt"), "");
    standin::clearJournal();
    chooseMenuItem(window().载入播放列表);

    EXPECT_EQ(conversionRoad(), Lines{}) << "the conversion program ran";
    EXPECT_EQ(opened(), Lines{});
    EXPECT_EQ(player::playlist, Lines{source.path()});
    if (c.destinationExists) {
      EXPECT_TRUE(destination.read() == earlier) << "the earlier conversion was written over";
    } else {
      EXPECT_FALSE(destination.exists());
    }
  }
}

// After Delete the playlist window's lines go only at its next tick: until
// then a line may show an entry that is gone from its index. Enter or a
// double-click on such a line (sent here before the window can tick) plays
// nothing, and no conversion of the gone entry overwrites the entry that now
// stands there. After the tick, that entry's own line plays it, converted in
// its own element.
TEST_F(CastingTest, ALineDeleteHasJustEmptiedPlaysNothingAndNoEntryIsRewritten) {
  writeSettings("[DLNA自动转换类型]\r\n.flac\r\n");
  findRenderers("客厅电视;uuid-tv");
  startPlayer();
  castTo("客厅电视;uuid-tv");
  const std::string a = file("a.wav", road::wavOfMs(60000));

  const struct {
    const char* what;
    bool doubleClick;
  } cases[] = {{"Enter", false}, {"double-click", true}};
  int run = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string tag = std::to_string(run++);
    const std::string b = file("b" + tag + ".flac");
    const std::string d = file("d" + tag + ".flac");
    seam.fileAnswers.push_back(file("列表" + tag + ".txt", a + "\r\n" + b + "\r\n" + d + "\r\n"));
    chooseMenuItem(window().载入播放列表);   // plays a
    ASSERT_TRUE(support::waitUntil([&] { return playing(); }));
    chooseMenuItem(window().显示播放列表);
    ASSERT_NE(player::openPlaylistWindow(), nullptr);
    const HWND list = player::openPlaylistWindow()->列表框1.handle();
    support::clickListLine(list, 1);   // b
    journalToFile();
    support::writeFile(temp.file("journal.txt"), "");
    standin::clearJournal();

    // Sent, not posted: no tick of the window comes between.
    SendMessageA(list, WM_KEYDOWN, VK_DELETE, 1);
    ASSERT_EQ(player::playlist, (Lines{a, d}));
    ASSERT_EQ(player::playlistChanged, 1) << "the window ticked";
    if (c.doubleClick) {
      support::clickListLine(list, 1, true);
    } else {
      SendMessageA(list, WM_KEYDOWN, VK_RETURN, 1);
    }

    EXPECT_EQ(conversionRoad(), Lines{}) << "the deleted entry was converted";
    EXPECT_EQ(opened(), Lines{});
    EXPECT_EQ(player::playlist, (Lines{a, d}));
    EXPECT_TRUE(playing()) << "a plays on";
    EXPECT_FALSE(fw::fileExists(temp.file("b" + tag + ".wav")));

    support::pumpMessages(450);   // the tick: line 1 now shows d
    ASSERT_EQ(player::openPlaylistWindow()->列表框1.itemText(1), d);
    const std::string converted = temp.file("d" + tag + ".wav");
    support::clickListLine(list, 1, true);
    EXPECT_EQ(opened(), Lines{converted});
    EXPECT_EQ(player::playlist, (Lines{a, converted}));
    EXPECT_EQ(player::currentIndex, 2);
    player::closePlaylistWindow();
  }
}

// A file's path typed into 打开网络文件 while casting is converted and played
// as any entry; the playlist's current element, another file, stays itself.
TEST_F(CastingTest, APathTypedAsAnAddressIsConvertedWithoutRewritingTheCurrentEntry) {
  writeSettings("[DLNA自动转换类型]\r\n.flac\r\n");
  findRenderers("客厅电视;uuid-tv");
  const std::string a = startPlayingWav("a.wav");
  castTo("客厅电视;uuid-tv");
  ASSERT_EQ(player::playlist, Lines{a});
  ASSERT_EQ(player::currentIndex, 1);
  const std::string typed = file("x.flac");
  const std::string converted = temp.file("x.wav");
  seam.inputAnswers.push_back(typed);
  journalToFile();
  standin::clearJournal();

  chooseMenuItem(window().打开网络文件);

  EXPECT_EQ(conversionRoad(), (Lines{"803 wav", "804 " + converted, "open " + typed, "open " + converted}));
  EXPECT_EQ(opened(), Lines{converted});
  EXPECT_EQ(player::playlist, Lines{a});
  EXPECT_EQ(player::currentIndex, 1);
}

}  // namespace
}  // namespace dlna
