// Playlist navigation and loop modes, play/pause, closing the video.
#include <windows.h>

#include <cstdlib>

#include "framework/ini.h"
#include "player/app/app.h"
#include "player/playback/playback.h"
#include "player/sources/sources.h"
#include "player/windows/main/main_window_behaviour.h"
#include "tests/player_road/road_test.h"

namespace road {
namespace {

using player::currentIndex;

constexpr uint32_t kLength = 20000;

class NavigationTest : public RoadTest {
 protected:
  void SetUp() override {
    RoadTest::SetUp();
    a = wav("a.wav", kLength);
    b = wav("b.wav", kLength);
    c = wav("c.wav", kLength);
    player::loopMode = std::string("0");
  }
  // The playing medium reaches its natural end; what that starts is settled.
  void endNaturally() {
    standin::advanceClock(kLength + 1000);
    settle();
  }
  std::string a, b, c;
};

TEST_F(NavigationTest, SequentialNextStopsAtTheLastEntryAndTheEndWrapsToTheFirst) {
  setPlaylist({a, b, c});
  ASSERT_TRUE(playIndex(3));
  clearJournal();

  player::playNextEntry();
  EXPECT_EQ(overlayTexts(), std::vector<std::string>{c + " 已经是最后一个文件了！"});
  EXPECT_TRUE(calls("APlayer_Close").empty());
  EXPECT_TRUE(opened().empty());
  EXPECT_EQ(engine().getState(), 5);
  EXPECT_EQ(currentIndex, 3);

  endNaturally();
  EXPECT_EQ(currentIndex, 1);
  EXPECT_EQ(opened(), std::vector<std::string>{a});
  EXPECT_EQ(engine().getState(), 5);
}

TEST_F(NavigationTest, SequentialNextMovesOntoAnEntryItCannotPlay) {
  const std::string entries[] = {temp.file("deleted.wav"), "http://example.invalid/clip.mp4"};
  for (const std::string& unplayable : entries) {
    setPlaylist({a, unplayable, c});
    ASSERT_TRUE(playIndex(1));
    clearJournal();

    player::playNextEntry();
    EXPECT_EQ(currentIndex, 2) << unplayable;
    EXPECT_EQ(overlayTexts(), std::vector<std::string>{unplayable + " 不存在或者无权访问！"});
    EXPECT_TRUE(opened().empty());
    EXPECT_EQ(engine().getState(), 5) << "the current medium keeps playing";

    player::playNextEntry();
    EXPECT_EQ(currentIndex, 3);
    EXPECT_EQ(opened(), std::vector<std::string>{c});
    EXPECT_EQ(player::reachedByNext, 1);
    settle();
    EXPECT_EQ(window().时钟_标记播放进度.interval(), 1000);
  }
}

TEST_F(NavigationTest, NaturalEndPlaysTheNextEntryWithoutAnExistenceTest) {
  const std::string address = "http://example.invalid/clip.mp4";
  setPlaylist({a, address});
  ASSERT_TRUE(playIndex(1));
  clearJournal();

  endNaturally();

  EXPECT_EQ(currentIndex, 2);
  EXPECT_EQ(opened().at(0), address);
  EXPECT_EQ(window().时长滑块条.position(), 0);
}

TEST_F(NavigationTest, RandomModeWithOneEntryDoesNothingMore) {
  player::loopMode = std::string("1");
  setPlaylist({a});
  ASSERT_TRUE(playIndex(1));
  clearJournal();

  player::playNextEntry();
  EXPECT_EQ(currentIndex, 1);
  EXPECT_TRUE(opened().empty());
  EXPECT_TRUE(overlayTexts().empty());

  endNaturally();
  EXPECT_TRUE(opened().empty());
  EXPECT_EQ(engine().getState(), 0);
  EXPECT_EQ(window().时钟_标记播放进度.interval(), 0);
}

TEST_F(NavigationTest, RandomModeChoosesOneBasedFromTheRuntimeGenerator) {
  player::loopMode = std::string("1");
  setPlaylist({a, b});
  ASSERT_TRUE(playIndex(1));

  player::playNextEntry();
  ASSERT_TRUE(currentIndex == 1 || currentIndex == 2) << currentIndex;
  EXPECT_EQ(opened().back(), player::playlist[currentIndex - 1]);
  EXPECT_EQ(player::reachedByNext, 0);
  settle();

  // The natural end does not seed: it goes on with the sequence, which may
  // choose the entry that just played.
  std::srand(20240601);
  std::vector<int> expected;
  for (int i = 0; i < 6; ++i) expected.push_back(1 + std::rand() % 2);
  std::srand(20240601);
  std::vector<int> chosen;
  for (int i = 0; i < 6; ++i) {
    clearJournal();
    endNaturally();
    chosen.push_back(currentIndex);
    EXPECT_EQ(opened().at(0), player::playlist[currentIndex - 1]);
  }
  EXPECT_EQ(chosen, expected);
}

TEST_F(NavigationTest, RepeatOneRestartsTheCurrentEntryAndPreviousStillMovesBack) {
  player::loopMode = std::string("2");
  setPlaylist({a, b});
  ASSERT_TRUE(playIndex(2));
  clearJournal();

  player::playNextEntry();
  settle();
  endNaturally();
  EXPECT_EQ(opened(), (std::vector<std::string>{b, b}));
  EXPECT_EQ(currentIndex, 2);
  EXPECT_EQ(player::reachedByNext, 0);

  clearJournal();
  player::playPreviousEntry();
  EXPECT_EQ(currentIndex, 1);
  EXPECT_EQ(opened(), std::vector<std::string>{a});
}

TEST_F(NavigationTest, NoElementAtTheCurrentIndexIsNeverRead) {
  struct Case {
    const char* loopMode;
    int index;
  } cases[] = {{"2", 0}, {"2", 3}, {"0", 3}};
  for (const Case& k : cases) {
    player::loopMode = k.loopMode;
    setPlaylist({a, b}, k.index);
    clearJournal();
    player::playNextEntry();
    EXPECT_TRUE(opened().empty()) << k.loopMode << " " << k.index;
    EXPECT_TRUE(overlayTexts().empty()) << k.loopMode << " " << k.index;
  }
  player::loopMode = std::string("2");
  setPlaylist({a, b}, 5);
  player::advanceAfterEnd();
  EXPECT_TRUE(opened().empty());
}

TEST_F(NavigationTest, PreviousCommand) {
  const std::string missing = temp.file("gone.wav");
  struct Case {
    std::vector<std::string> entries;
    int index;
    int indexAfter;
    std::vector<std::string> hints;
    std::vector<std::string> opens;
    size_t closes;   // by the command itself, before playEntry's own
  } cases[] = {
      {{a, b}, 1, 1, {a + " 是播放列表中的第一个文件！"}, {a}, 0},
      {{missing, b}, 1, 1,
       {missing + " 是播放列表中的第一个文件！", missing + " 不存在或者无权访问！"}, {}, 0},
      {{missing, b}, 2, 1, {missing + " 不存在或者无权访问！"}, {}, 1},
      {{a, b, c}, 3, 2, {}, {b}, 1},
      {{a, b}, 0, 0, {}, {}, 0},
      {{a}, 2, 1, {}, {}, 0},      // one beyond the end of a one-entry playlist
      {{a, b}, 3, 2, {}, {b}, 1},  // one beyond the end goes back to the last
      {{}, 1, 1, {"播放列表中没有文件！"}, {}, 0},
  };
  for (const Case& k : cases) {
    player::playlist = k.entries;
    currentIndex = k.index;
    engine().close();
    settle();
    clearJournal();

    player::playPreviousEntry();

    const std::string what = std::to_string(k.entries.size()) + " entries at " + std::to_string(k.index);
    EXPECT_EQ(currentIndex, k.indexAfter) << what;
    EXPECT_EQ(overlayTexts(), k.hints) << what;
    EXPECT_EQ(opened(), k.opens) << what;
    // playEntry closes only what is open; the command's own close comes first.
    EXPECT_EQ(calls("APlayer_Close").size(), k.closes) << what;
  }
}

TEST_F(NavigationTest, EmptyPlaylist) {
  player::playNextEntry();
  player::playPreviousEntry();
  EXPECT_EQ(overlayTexts(),
            (std::vector<std::string>{"播放列表中没有文件！", "播放列表中没有文件！"}));
  EXPECT_EQ(window().时钟_销毁提示文本.interval(), 5000);

  clearJournal();
  player::advanceAfterEnd();
  EXPECT_EQ(calls("APlayer_Close").size(), 1u);
}

TEST_F(NavigationTest, CommandsDoNothingWithoutAnEngine) {
  setPlaylist({a, b});
  ASSERT_TRUE(playIndex(1));
  player::engineReady = 0;
  clearJournal();

  player::playNextEntry();
  player::playPreviousEntry();
  player::togglePlayPause();
  player::onStopButton();

  EXPECT_EQ(standin::journal(), "");
  EXPECT_EQ(currentIndex, 1);
}

TEST_F(NavigationTest, LoopModeItemsCheckThemselvesAndWriteTheSetting) {
  setPlaylist({a, b});
  ASSERT_TRUE(playIndex(1));
  struct Case {
    void (*select)();
    const char* mode;
    bool sequential, random, repeatOne;
  } cases[] = {
      {player::selectRandomMode, "1", false, true, false},
      {player::selectRepeatOneMode, "2", false, false, true},
      {player::selectSequentialMode, "0", true, false, false},
  };
  for (const Case& k : cases) {
    clearJournal();
    k.select();
    EXPECT_EQ(player::loopMode, k.mode);
    EXPECT_EQ(window().顺序播放.checked(), k.sequential) << k.mode;
    EXPECT_EQ(window().随机播放.checked(), k.random) << k.mode;
    EXPECT_EQ(window().单曲循环.checked(), k.repeatOne) << k.mode;
    EXPECT_EQ(fw::iniRead(player::settingsPath, "设置", "循环模式", "none"), k.mode);
    EXPECT_TRUE(calls("APlayer_Close").empty());
    EXPECT_TRUE(opened().empty());
  }
  EXPECT_EQ(currentIndex, 1);
  EXPECT_EQ(engine().getState(), 5);
}

TEST_F(NavigationTest, PlayPauseFollowsTheEngineState) {
  setPlaylist({a});
  ASSERT_TRUE(playIndex(1));
  standin::setItem(engineHandle, 7, "1");
  struct Case {
    int state;
    const char* call;   // nullptr: neither
  } cases[] = {{1, "APlayer_Pause"}, {2, "APlayer_Play"}, {3, "APlayer_Play"},
               {4, "APlayer_Pause"}, {5, "APlayer_Pause"}, {0, nullptr},
               {6, nullptr}};
  for (const Case& k : cases) {
    standin::fireStateChange(engineHandle, engine().getState(), k.state);
    clearJournal();
    player::togglePlayPause();
    const size_t pauses = calls("APlayer_Pause").size();
    const size_t plays = calls("APlayer_Play").size();
    EXPECT_EQ(pauses, k.call && std::string(k.call) == "APlayer_Pause" ? 1u : 0u) << k.state;
    EXPECT_EQ(plays, k.call && std::string(k.call) == "APlayer_Play" ? 1u : 0u) << k.state;
  }
}

TEST_F(NavigationTest, CloseVideoEmptiesTheDisplayButKeepsTheEntry) {
  setPlaylist({a, b});
  ASSERT_TRUE(playIndex(2));
  standin::advanceClock(3000);
  player::updateProgressLabel();
  const std::string caption = window().caption();
  clearJournal();

  player::onStopButton();

  EXPECT_EQ(calls("APlayer_Close").size(), 1u);
  EXPECT_EQ(engine().getState(), 0);
  EXPECT_EQ(window().时钟_标记播放进度.interval(), 0);
  EXPECT_EQ(window().电影名标签.caption(), "");
  EXPECT_TRUE(window().电影名标签.visible());
  EXPECT_EQ(window().时长滑块条.position(), 0);
  EXPECT_EQ(window().进度标签.caption(), "00:00:00/00:00:00");
  EXPECT_EQ(window().caption(), caption);
  EXPECT_EQ(currentIndex, 2);
  EXPECT_EQ(player::playlist.size(), 2u);
}

}  // namespace
}  // namespace road
