// Playing an entry: captions, closing what plays, and the DLNA skip and
// conversion decisions while casting.
#include <windows.h>

#include "framework/windows_routines.h"
#include "player/app/app.h"
#include "player/playback/playback.h"
#include "player/sources/sources.h"
#include "player/windows/main/main_window_behaviour.h"
#include "player/playback/play_entry.h"
#include "tests/player_road/road_test.h"
#include "tests/support/child.h"
#include "tests/support/ui.h"

namespace road {
namespace {

using player::playlist;

constexpr char kRenderer[] = "renderer-7";

// What the player asked the system to start, and how the stand-in for the
// system answers: not started at all, or started and ended at once, having
// written `writes` (when not empty) as a converted file.
struct FakeStart {
  std::string application;
  std::string commandLine;
};
std::vector<FakeStart> fakeStarts;
bool fakeStartSucceeds = true;
std::string fakeStartWrites;

BOOL WINAPI fakeCreateProcessA(LPCSTR application, LPSTR commandLine, LPSECURITY_ATTRIBUTES,
                               LPSECURITY_ATTRIBUTES, BOOL, DWORD, LPVOID, LPCSTR, LPSTARTUPINFOA,
                               LPPROCESS_INFORMATION process) {
  fakeStarts.push_back({application ? application : "(none)", commandLine ? commandLine : ""});
  if (!fakeStartSucceeds) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return FALSE;
  }
  if (!fakeStartWrites.empty()) support::writeFile(fakeStartWrites, wavOfMs(3000));
  // Handles already signalled: the "program" has ended by the time it is waited for.
  process->hProcess = CreateEventA(nullptr, TRUE, TRUE, nullptr);
  process->hThread = CreateEventA(nullptr, TRUE, TRUE, nullptr);
  return TRUE;
}

class PlayEntryTest : public RoadTest {
 protected:
  void castTo(const char* renderer) { engine().setConfig(1803, renderer); }

  // The conversion program lies beside this test program, where the player
  // looks for it, with the stand-in engine; that engine journals to a file
  // (this process's engine does too, but never sets the conversion items).
  void journalConversions() {
    SetEnvironmentVariableA("STANDIN_ENGINE_JOURNAL", temp.file("journal.txt").c_str());
  }
  // The system's process start replaced for the rest of the test.
  void fakeProcessStart(bool succeeds, const std::string& writes = "") {
    fakeStarts.clear();
    fakeStartSucceeds = succeeds;
    fakeStartWrites = writes;
    fw::win::CreateProcessA.replaceForTests(fakeCreateProcessA);
  }
  void TearDown() override {
    SetEnvironmentVariableA("STANDIN_ENGINE_JOURNAL", nullptr);
    fw::win::CreateProcessA.replaceForTests(nullptr);
    RoadTest::TearDown();
  }
  static std::string programFolder() {
    const std::string self = support::selfPath();
    return self.substr(0, self.find_last_of('\\'));
  }
  // What the engines were asked from the first conversion item on: the output
  // items, then every text opened, one text each, in order.
  std::vector<std::string> conversions() {
    std::vector<std::string> asked;
    for (const Line& line : standin::journalLines(support::readFile(temp.file("journal.txt")))) {
      if (line[0] == "APlayer_SetConfigA" && (line[2] == "803" || line[2] == "804"))
        asked.push_back(line[2] + " " + line[3]);
      if (line[0] == "APlayer_OpenA" && !asked.empty()) asked.push_back("open " + line[2]);
    }
    return asked;
  }
};

TEST_F(PlayEntryTest, ClosesWhatPlaysShowsTheFileNameAndOpens) {
  setPlaylist({wav("first.wav")});
  ASSERT_TRUE(playIndex(1));
  player::reachedByNext = 1;
  clearJournal();

  player::playEntry("D:\\media\\clip.mp4");

  std::vector<std::string> order;
  for (const Line& line : standin::journalLines())
    if (line[0] == "APlayer_Close" || line[0] == "APlayer_OpenA") order.push_back(line[0]);
  EXPECT_EQ(order, (std::vector<std::string>{"APlayer_Close", "APlayer_OpenA"}));
  EXPECT_EQ(opened(), std::vector<std::string>{"D:\\media\\clip.mp4"});
  EXPECT_EQ(window().电影名标签.caption(), "clip.mp4");
  EXPECT_EQ(window().caption(), "clip.mp4");
  EXPECT_TRUE(window().电影名标签.visible());
  EXPECT_EQ(player::reachedByNext, 0);
  EXPECT_EQ(player::openPending, 1);
}

TEST_F(PlayEntryTest, CaptionIsTheLastBackslashSegment) {
  struct Case {
    const char* entry;
    const char* caption;
  } cases[] = {
      {"D:\\films\\", "films"},
      {"http://example.invalid/live/stream.m3u8", "http://example.invalid/live/stream.m3u8"},
      {"D:\\音乐\\歌曲.mp3", "歌曲.mp3"},
      {"", "歌曲.mp3"},   // an empty entry leaves the captions as they were
  };
  for (const Case& c : cases) {
    clearJournal();
    player::playEntry(c.entry);
    EXPECT_EQ(window().电影名标签.caption(), c.caption) << c.entry;
    EXPECT_EQ(window().caption(), c.caption) << c.entry;
    EXPECT_EQ(opened(), std::vector<std::string>{c.entry});
  }
}

TEST_F(PlayEntryTest, ListedTypesMatchTheLastDotSegmentExactly) {
  player::dlnaSkipTypes = {".mp3", ".Flac"};
  struct Case {
    const char* entry;
    bool listed;
  } cases[] = {
      {"D:\\m\\a.mp3", true},   {"D:\\m\\a.MP3", false},  {"D:\\m\\c.mp3.", true},
      {"D:\\m\\b.Flac", true},  {"D:\\m\\b.flac", false}, {"D:\\a.mp3\\clip", false},
      {"D:\\m\\mp3", false},    {"", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(player::isDlnaSkippedType(c.entry), c.listed) << c.entry;
    EXPECT_FALSE(player::isDlnaConvertType(c.entry)) << c.entry;
  }
  player::dlnaSkipTypes.clear();
  EXPECT_FALSE(player::isDlnaSkippedType("D:\\m\\a.mp3"));
}

TEST_F(PlayEntryTest, ConversionDestinationLiesBesideTheSource) {
  struct Case {
    const char* entry;
    const char* destination;
  } cases[] = {
      {"D:\\flac\\x.flac", "D:\\flac\\x.wav"},
      {"D:\\FLAC\\b.Flac", "D:\\FLAC\\b.wav"},
      {"D:\\ape.ape\\ape.ape", "D:\\ape.ape\\ape.wav"},
      {"D:\\m\\c.mp3.", "D:\\m\\c.wav."},
      {"D:\\音乐\\歌.ape", "D:\\音乐\\歌.wav"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(player::dlnaConversionDestination(c.entry), c.destination) << c.entry;
}

TEST_F(PlayEntryTest, SkippedTypeWhileCastingPlaysTheNextEntryInstead) {
  castTo(kRenderer);
  player::dlnaSkipTypes = {".mp3"};
  const std::string skipped = file("a.mp3");
  const std::string next = wav("b.wav");
  setPlaylist({skipped, next}, 1);

  player::playEntry(skipped);

  EXPECT_EQ(opened(), std::vector<std::string>{next});
  EXPECT_EQ(player::currentIndex, 2);
  EXPECT_EQ(player::reachedByNext, 1);   // the sequential next started it
  EXPECT_EQ(player::openPending, 1);
  EXPECT_TRUE(window().电影名标签.visible());
}

TEST_F(PlayEntryTest, SkippedLastEntryLeavesOnlyTheLastEntryHint) {
  castTo(kRenderer);
  player::dlnaSkipTypes = {".mp3"};
  const std::string skipped = file("a.mp3");
  setPlaylist({wav("first.wav"), skipped}, 2);

  player::playEntry(skipped);

  EXPECT_TRUE(opened().empty());
  EXPECT_EQ(overlayTexts(), std::vector<std::string>{skipped + " 已经是最后一个文件了！"});
  EXPECT_EQ(engine().getState(), 0);
  EXPECT_EQ(player::openPending, 1);
  EXPECT_TRUE(window().电影名标签.visible());
}

// A long run of entries of a type not cast, passed over one after another.
class SkipChainTest : public PlayEntryTest {
 protected:
  static constexpr int kEntries = 20000;

  void SetUp() override {
    PlayEntryTest::SetUp();
    castTo(kRenderer);
    player::dlnaSkipTypes = {".mp3"};
    skipped = file("x.mp3");
    playable = wav("y.wav", 20000);
  }
  // kEntries entries, all `skipped` but those at the 1-based `playableAt`.
  void fillPlaylist(std::initializer_list<int> playableAt, int index) {
    playlist.assign(kEntries, skipped);
    for (int at : playableAt) playlist[static_cast<std::size_t>(at - 1)] = playable;
    player::currentIndex = index;
  }
  size_t rendererQueries() {
    size_t queries = 0;
    for (const Line& line : calls("APlayer_GetConfigA")) queries += line.at(2) == "1803";
    return queries;
  }
  void pressNext() { support::click(window().下一个按钮.handle()); }

  std::string skipped, playable;
};

TEST_F(SkipChainTest, SequentialEndsAtTheLastEntryWithItsHint) {
  player::loopMode = std::string("0");
  fillPlaylist({1}, 0);
  ASSERT_TRUE(playIndex(1));
  clearJournal();

  pressNext();

  EXPECT_TRUE(opened().empty());
  EXPECT_EQ(player::currentIndex, kEntries);
  EXPECT_EQ(rendererQueries(), static_cast<size_t>(kEntries - 1));
  EXPECT_EQ(overlayTexts(), std::vector<std::string>{skipped + " 已经是最后一个文件了！"});
  EXPECT_EQ(engine().getState(), 0);
  EXPECT_EQ(player::openPending, 1);
  EXPECT_EQ(player::reachedByNext, 1);
}

TEST_F(SkipChainTest, SequentialNaturalEndPassesOverAllToTheLastEntry) {
  player::loopMode = std::string("0");
  fillPlaylist({1, kEntries}, 0);
  ASSERT_TRUE(playIndex(1));
  clearJournal();

  standin::advanceClock(21000);
  settle();

  EXPECT_EQ(opened(), std::vector<std::string>{playable});
  EXPECT_EQ(player::currentIndex, kEntries);
  EXPECT_TRUE(overlayTexts().empty());
  EXPECT_EQ(engine().getState(), 5);
  // Reached by the next command in sequential mode: the slower progress.
  EXPECT_EQ(window().时钟_标记播放进度.interval(), 1000);
}

TEST_F(SkipChainTest, RepeatOneEndsAfterItsOneSkippedEntry) {
  player::loopMode = std::string("2");
  fillPlaylist({}, 1);

  pressNext();

  EXPECT_TRUE(opened().empty());
  EXPECT_EQ(rendererQueries(), 1u);
  EXPECT_EQ(player::currentIndex, 1);
  EXPECT_TRUE(overlayTexts().empty());
  EXPECT_EQ(engine().getState(), 0);
  EXPECT_EQ(player::openPending, 1);
}

TEST_F(SkipChainTest, RandomChoosesOnUntilAnEntryThatIsNotSkipped) {
  player::loopMode = std::string("1");
  fillPlaylist({5000, 10000, 15000, 20000}, 1);

  pressNext();

  EXPECT_EQ(opened(), std::vector<std::string>{playable});
  ASSERT_NE(player::playlistEntry(player::currentIndex), nullptr);
  EXPECT_EQ(*player::playlistEntry(player::currentIndex), playable);
  EXPECT_EQ(player::reachedByNext, 0);

  // Two entries, one of them playable: whichever the generator picks first,
  // the playable one is reached every time.
  playlist = {skipped, playable};
  for (int run = 0; run < 12; ++run) {
    player::currentIndex = 1;
    clearJournal();
    pressNext();
    EXPECT_EQ(opened(), std::vector<std::string>{playable}) << "run " << run;
    EXPECT_EQ(player::currentIndex, 2) << "run " << run;
  }
}

TEST_F(SkipChainTest, RandomWithEveryEntrySkippedStaysIdle) {
  player::loopMode = std::string("1");
  fillPlaylist({}, 1);

  pressNext();

  EXPECT_TRUE(opened().empty());
  EXPECT_EQ(rendererQueries(), 1u);
  EXPECT_TRUE(overlayTexts().empty());
  EXPECT_EQ(engine().getState(), 0);
  EXPECT_EQ(player::openPending, 1);
}

TEST_F(PlayEntryTest, ExistingConversionIsReusedAndReplacesTheEntry) {
  castTo(kRenderer);
  journalConversions();
  player::dlnaConvertTypes = {".flac"};
  const std::string source = file("a.flac");
  const std::string converted = wav("a.wav");
  setPlaylist({wav("first.wav"), source}, 2);

  player::playEntry(source);

  EXPECT_TRUE(conversions().empty());
  EXPECT_EQ(playlist[1], converted);
  EXPECT_EQ(opened(), std::vector<std::string>{converted});
  EXPECT_EQ(window().电影名标签.caption(), "a.flac");
}

TEST_F(PlayEntryTest, ConversionRunsKelvaneBesideTheSourceFolderNamesUntouched) {
  castTo(kRenderer);
  journalConversions();
  player::dlnaConvertTypes = {".flac"};
  // What lies in the current directory is not the conversion program.
  ASSERT_TRUE(support::writeFile(temp.file("kelvane.exe"), "not a program"));
  // A folder named like the extension, and a file of the destination's name
  // in a folder named "wav": neither may be taken for the destination.
  ASSERT_TRUE(CreateDirectoryA(temp.file("flac").c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryA(temp.file("wav").c_str(), nullptr));
  const std::string source = wav("flac\\夜曲 live.flac", 3000);
  const std::string decoy = wav("wav\\夜曲 live.wav");
  const std::string destination = temp.file("flac\\夜曲 live.wav");
  setPlaylist({source}, 1);

  player::playEntry(source);

  // The paths hold a blank and Chinese text: quoted wrongly they would reach
  // the conversion program as more than two arguments and nothing would be made.
  // The last open is the player's own, of what the conversion made.
  EXPECT_EQ(conversions(), (std::vector<std::string>{"803 wav", "804 " + destination, "open " + source,
                                                     "open " + destination}));
  EXPECT_NE(GetFileAttributesA(destination.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(support::readFile(destination).substr(0, 4), "RIFF");
  EXPECT_EQ(playlist[0], destination);
  EXPECT_EQ(opened(), std::vector<std::string>{destination});
  settle();
  EXPECT_EQ(engine().getState(), 5);
}

TEST_F(PlayEntryTest, RefusedConversionOpensNothing) {
  castTo(kRenderer);
  journalConversions();
  player::dlnaConvertTypes = {".flac"};
  ASSERT_TRUE(CreateDirectoryA(temp.file("album.flac").c_str(), nullptr));
  const std::string withoutProgram = file("c.flac");
  struct Case {
    std::string source;
    bool programStarts;
  } cases[] = {
      {temp.file("missing.flac"), true},
      {temp.file("album.flac"), true},   // a folder of a convert type
      {withoutProgram, false},            // the conversion program cannot be started
  };
  for (const Case& c : cases) {
    if (!c.programStarts) fakeProcessStart(false);
    setPlaylist({c.source}, 1);
    clearJournal();

    player::playEntry(c.source);

    EXPECT_TRUE(opened().empty()) << c.source;
    EXPECT_TRUE(conversions().empty()) << c.source;
    EXPECT_EQ(playlist[0], c.source);
    EXPECT_EQ(player::openPending, 1);
    EXPECT_TRUE(window().电影名标签.visible());
  }
  EXPECT_EQ(fakeStarts.size(), 1u) << "only the source that exists gets as far as a start";
}

// Reached by the next button while casting: the player names the program
// beside itself to the system and quotes it, wherever the current directory
// has gone (an open dialog leaves it in the media's folder) and whatever lies
// there.
TEST_F(PlayEntryTest, ConversionProgramIsTheOneBesideThePlayerQuotedAndNamed) {
  castTo(kRenderer);
  player::dlnaConvertTypes = {".flac"};
  ASSERT_TRUE(CreateDirectoryA(temp.file("音乐 目录").c_str(), nullptr));
  const std::string source = file("音乐 目录\\a b.flac");
  const std::string destination = temp.file("音乐 目录\\a b.wav");
  ASSERT_TRUE(support::writeFile(temp.file("音乐 目录\\kelvane.exe"), "not a program"));
  ASSERT_TRUE(SetCurrentDirectoryA(temp.file("音乐 目录").c_str()));
  fakeProcessStart(true, destination);
  setPlaylist({wav("first.wav"), source});
  ASSERT_TRUE(playIndex(1));
  clearJournal();

  support::click(window().下一个按钮.handle());

  const std::string program = programFolder() + "\\kelvane.exe";
  ASSERT_EQ(fakeStarts.size(), 1u);
  EXPECT_EQ(fakeStarts[0].application, program);
  EXPECT_EQ(fakeStarts[0].commandLine,
            "\"" + program + "\" \"" + source + "\" \"" + destination + "\"");
  EXPECT_EQ(playlist[1], destination);
  EXPECT_EQ(opened(), std::vector<std::string>{destination});
}

// A conversion program that ends without writing the destination leaves the
// user's entry as it was and nothing opened, as for a missing source.
TEST_F(PlayEntryTest, ConversionThatWritesNothingKeepsTheSource) {
  castTo(kRenderer);
  player::dlnaConvertTypes = {".flac"};
  const std::string source = file("a.flac");
  fakeProcessStart(true);
  setPlaylist({wav("first.wav"), source});
  ASSERT_TRUE(playIndex(1));
  clearJournal();

  support::click(window().下一个按钮.handle());

  EXPECT_EQ(fakeStarts.size(), 1u);
  EXPECT_EQ(playlist[1], source);
  EXPECT_TRUE(opened().empty());
  EXPECT_EQ(player::currentIndex, 2);
  EXPECT_EQ(engine().getState(), 0);
  EXPECT_EQ(window().电影名标签.caption(), "a.flac");
  EXPECT_EQ(player::openPending, 1);
}

TEST_F(PlayEntryTest, ListedTypesPlayUnconvertedWhenNotCastOrNotMatched) {
  journalConversions();
  player::dlnaSkipTypes = {".mp3"};
  player::dlnaConvertTypes = {".flac"};
  const std::string upperCase = file("a.FLAC");
  const std::string skipType = file("b.mp3");
  const std::string convertType = file("c.flac");

  castTo(kRenderer);
  player::playEntry(upperCase);   // list matching is exact
  castTo("");
  player::playEntry(skipType);
  player::playEntry(convertType);

  EXPECT_EQ(opened(), (std::vector<std::string>{upperCase, skipType, convertType}));
  EXPECT_TRUE(conversions().empty());
}

TEST_F(PlayEntryTest, ConversionWithoutACurrentElementChangesNoEntry) {
  castTo(kRenderer);
  player::dlnaConvertTypes = {".flac"};
  const std::string source = file("d.flac");
  const std::string converted = wav("d.wav");
  const std::string other = wav("other.wav");
  for (int index : {0, 2}) {
    setPlaylist({other}, index);
    clearJournal();
    player::playEntry(source);
    EXPECT_EQ(playlist, std::vector<std::string>{other}) << index;
    EXPECT_EQ(opened(), std::vector<std::string>{converted}) << index;
  }
  player::playlist.clear();
  player::currentIndex = 0;
  player::playEntry(source);
  EXPECT_TRUE(playlist.empty());
}

}  // namespace
}  // namespace road
