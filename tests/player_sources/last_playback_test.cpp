// The last playback: recorded by the close button's shut-down, resumed from
// the menu item 继续上一次的播放(&G).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "engine/engine_routines.h"
#include "framework/ini.h"
#include "tests/player_sources/sources_fixture.h"
#include "tests/support/wait.h"

namespace sources {
namespace {

using fw::Text;

constexpr char kEarlierRecord[] = "[播放]\r\n上次播放文件=earlier.mp4\r\n上次播放位置=777\r\n";

class LastPlayback : public SourcesTest {
 protected:
  Text setting(const char* key) { return fw::iniRead(temp.file("设置.txt"), "播放", key, "(none)"); }
  Text record() { return setting("上次播放文件") + " @ " + setting("上次播放位置"); }
  // The close button, pressed as the user presses it; the shut-down ends at
  // this test's seam, which lets the test go on.
  void pressClose() {
    seam.ended = false;
    spine::click(window().关闭图形按钮);
    ASSERT_TRUE(seam.ended);
  }
  // Where a routine stands in the journal's playback calls (npos: absent).
  static std::size_t indexOf(const std::vector<std::string>& calls, const std::string& name) {
    const auto found = std::find(calls.begin(), calls.end(), name);
    return found == calls.end() ? std::string::npos : static_cast<std::size_t>(found - calls.begin());
  }
};

TEST_F(LastPlayback, ShutDownRecordsTheCurrentEntryAndPositionWhilePlayingOrPausedOnly) {
  const Text a = makeFile("a.mp3"), b = makeFile("影片 b.mp4");
  const struct {
    const char* what;
    std::function<void()> arrange;
    Text expected;   // the record afterwards
  } cases[] = {
      {"playing", [&] { playing({a, b}, 2); standin::advanceClock(12345); }, b + " @ 12345"},
      {"paused",
       [&] {
         playing({a, b}, 1);
         standin::advanceClock(4000);
         engine().pause();
         settle();
       },
       a + " @ 4000"},
      {"nothing open", [&] { player::playlist = {a, b}; player::currentIndex = 1; },
       "earlier.mp4 @ 777"},
      {"still opening",
       [&] {
         player::playlist = {a};
         player::currentIndex = 1;
         player::playEntry(a);
       },
       "earlier.mp4 @ 777"},
      {"an address plays, the playlist is empty",
       [&] {
         standin::setConfig("addresses", "*");
         playing({"rtsp://192.0.2.7/live"}, 1);
         player::playlist.clear();
       },
       "earlier.mp4 @ 777"},
      {"the current index names no entry",
       [&] {
         playing({a, b}, 2);
         player::playlist = {a};
       },
       "earlier.mp4 @ 777"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(support::writeFile(temp.file("设置.txt"), kEarlierRecord));
    engine().close();
    settle();
    c.arrange();
    const int stateBefore = engine().getState();
    standin::clearJournal();

    pressClose();

    EXPECT_EQ(record(), c.expected) << c.what;
    const std::vector<std::string> calls = playbackCalls();
    const std::size_t close = indexOf(calls, "APlayer_Close");
    EXPECT_NE(close, std::string::npos) << c.what;
    if (stateBefore == 5 || stateBefore == 3) {
      EXPECT_LT(indexOf(calls, "APlayer_Pause"), close) << c.what << ": paused before the close";
    } else {
      EXPECT_EQ(indexOf(calls, "APlayer_Pause"), std::string::npos) << c.what;
    }
  }
}

// The record names the entry only where the settings file gives it back as it
// stands; otherwise the earlier record stays (a handed-over argument can hold
// any of these bytes).
TEST_F(LastPlayback, AnEntryTheSettingsFileWouldNotGiveBackLeavesTheEarlierRecord) {
  standin::setConfig("addresses", "*");
  const Text address = "rtsp://192.0.2.7/直播";
  const struct {
    const char* what;
    Text entry;
    bool recorded;
  } cases[] = {
      {"a plain address", address, true},
      {"a full-width blank at an end", "\xA1\xA1" + address + "\xA1\xA1", true},
      {"0x1A, the old end of text", address + "\x1A" "b", false},
      {"a TAB", address + "\tb", false},
      {"0x01", address + "\x01", false},
      {"0x7F", address + "\x7F" "b", false},
      {"a line break", address + "\r\n[格式列表]\r\n.x", false},
      {"a leading blank", " " + address, false},
      {"a trailing blank", address + " ", false},
      {"in quotes", "\"" + address + "\"", false},
      {"a byte that is no character", address + "\x81\x30", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(support::writeFile(temp.file("设置.txt"), kEarlierRecord));
    engine().close();
    settle();
    playing({c.entry}, 1);
    ASSERT_EQ(engine().getState(), 5);
    standin::advanceClock(3000);

    pressClose();

    if (c.recorded) {
      EXPECT_EQ(record(), c.entry + " @ 3000");
    } else {
      EXPECT_EQ(support::readFile(temp.file("设置.txt")), kEarlierRecord);
    }
  }
}

TEST_F(LastPlayback, ThePositionIsReadAfterThePause) {
  playing({makeFile("a.mp3")}, 1);
  standin::advanceClock(2500);
  pressClose();
  std::vector<std::string> order;
  for (const standin::JournalLine& line : standin::journalLines()) {
    if (line[0] == "APlayer_Pause" || line[0] == "APlayer_GetPosition" || line[0] == "APlayer_Close") {
      if (order.empty() || order.back() != line[0]) order.push_back(line[0]);
    }
  }
  EXPECT_EQ(order, (std::vector<std::string>{"APlayer_Pause", "APlayer_GetPosition", "APlayer_Close"}));
  EXPECT_EQ(setting("上次播放位置"), "2500");
}

TEST_F(LastPlayback, ResumingWithoutAnExistingRecordedFileSaysSoAndChangesNothing) {
  const fw::TextArray entries{makeFile("a.mp3"), makeFile("b.mp3")};
  const Text gone = temp.file("已删除.mp4");
  const struct {
    const char* settings;   // nullptr: no settings file
    Text message;
  } cases[] = {
      {nullptr, "没有记录上次播放的文件！"},
      {"[播放]\r\n上次播放位置=5000\r\n", "没有记录上次播放的文件！"},
      {"[播放]\r\n上次播放文件=\r\n", "没有记录上次播放的文件！"},
  };
  playing(entries, 2);
  for (const auto& c : cases) {
    DeleteFileA(temp.file("设置.txt").c_str());
    if (c.settings) {
      ASSERT_TRUE(support::writeFile(temp.file("设置.txt"), c.settings));
    }
    seam.calls.clear();
    choose(window().继续上一次的播放);
    ASSERT_EQ(seam.messageTexts(), std::vector<std::string>{c.message}) << (c.settings ? c.settings : "");
  }
  for (const Text& recorded : {gone, Text("http://192.0.2.7/a.mp4")}) {
    ASSERT_TRUE(support::writeFile(temp.file("设置.txt"), "[播放]\r\n上次播放文件=" + recorded +
                                                               "\r\n上次播放位置=5000\r\n"));
    seam.calls.clear();
    choose(window().继续上一次的播放);
    ASSERT_EQ(seam.messageTexts(), std::vector<std::string>{recorded + " 已不存在！"});
    EXPECT_EQ(seam.calls[0].caption, "信息：");
    EXPECT_EQ(seam.calls[0].flags, 0u) << "an OK button and no icon";
  }
  EXPECT_EQ(player::playlist, entries);
  EXPECT_EQ(player::currentIndex, 2);
  EXPECT_EQ(playbackCalls(), std::vector<std::string>{});
}

// While set, the engine's state reads "opening" whatever it is, so that the
// resume has to go on waiting.
bool holdOpening = false;

int32_t WINAPI heldState(EngineHandle handle) {
  static auto real = standin::detail::routine<int32_t(WINAPI*)(EngineHandle)>("APlayer_GetState");
  return holdOpening ? 1 : real(handle);
}

TEST_F(LastPlayback, ResumingReplacesThePlaylistAndSeeksOnlyOnceTheEnginePlays) {
  const Text clip = makeFile("上次.mkv");
  fw::TextArray many;
  for (int i = 0; i < 50; ++i) many.push_back(makeFile("entry" + std::to_string(i) + ".mp3"));
  playing(many, 7);
  ASSERT_TRUE(support::writeFile(temp.file("设置.txt"),
                                 "[播放]\r\n上次播放文件=" + clip + "\r\n上次播放位置=65432\r\n"));
  holdOpening = true;
  engine::APlayer_GetState.replaceForTests(heldState);
  std::vector<std::string> beforeRelease;
  bool released = false;
  support::after(150, [&] {
    // Runs inside the wait, which keeps handling messages.
    beforeRelease = playbackCalls();
    holdOpening = false;
    released = true;
  });

  choose(window().继续上一次的播放);
  engine::APlayer_GetState.replaceForTests(nullptr);

  ASSERT_TRUE(released) << "the wait ended before the engine read playing";
  EXPECT_EQ(beforeRelease, (std::vector<std::string>{"APlayer_Close", "APlayer_OpenA"}));
  EXPECT_EQ(playbackCalls(), (std::vector<std::string>{"APlayer_Close", "APlayer_OpenA", "APlayer_Pause",
                                                       "APlayer_SetPosition", "APlayer_Play"}));
  EXPECT_EQ(spine::journalCalls("APlayer_SetPosition").at(0).at(2), "65432");
  EXPECT_EQ(player::playlist, fw::TextArray{clip});
  EXPECT_EQ(player::currentIndex, 1);
  settle();
  EXPECT_EQ(engine().getState(), 5);
  EXPECT_EQ(engine().getPosition(), 65432);
  EXPECT_TRUE(seam.calls.empty());
}

TEST_F(LastPlayback, APositionMissingOrNotANumberResumesFromTheStart) {
  const Text clip = makeFile("上次.mp4");
  const struct {
    const char* positionLine;
    const char* expected;
  } cases[] = {
      {"", "0"},
      {"上次播放位置=\r\n", "0"},
      {"上次播放位置=abc\r\n", "0"},
      {"上次播放位置= 1500毫秒\r\n", "1500"},   // the leading number counts
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(support::writeFile(temp.file("设置.txt"),
                                   "[播放]\r\n上次播放文件=" + clip + "\r\n" + c.positionLine));
    standin::clearJournal();
    choose(window().继续上一次的播放);
    const auto seeks = spine::journalCalls("APlayer_SetPosition");
    ASSERT_EQ(seeks.size(), 1u) << c.positionLine;
    EXPECT_EQ(seeks[0].at(2), c.expected) << c.positionLine;
  }
}

}  // namespace
}  // namespace sources
