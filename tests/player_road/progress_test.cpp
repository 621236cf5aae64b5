// Progress display, seeking by slider and typed time, volume, mute, the hint
// countdown and the frame-rate readout.
#include <windows.h>

#include <optional>

#include "player/app/app.h"
#include "player/playback/playback.h"
#include "player/sources/sources.h"
#include "player/windows/main/main_window_behaviour.h"
#include "player/playback/progress.h"
#include "tests/player_road/road_test.h"
#include "tests/support/ui.h"
#include "tests/support/wait.h"

namespace road {
namespace {

// 10 min 20.03 s.
constexpr int kDuration = 620030;

class ProgressTest : public RoadTest {
 protected:
  // A video of kDuration, playing at `positionMs`.
  void playAt(int positionMs) {
    standin::setConfig("duration.mp4", std::to_string(kDuration).c_str());
    setPlaylist({file("film.mp4")});
    ASSERT_TRUE(playIndex(1));
    standin::advanceClock(positionMs);
    clearJournal();
  }
  std::vector<std::string> positionsSet() {
    std::vector<std::string> positions;
    for (const Line& line : calls("APlayer_SetPosition")) positions.push_back(line.at(2));
    return positions;
  }
};

TEST_F(ProgressTest, TickShowsTheElapsedTimeWhilePlayingOnly) {
  playAt(62030);
  player::onProgressTimer();
  EXPECT_EQ(window().时长滑块条.position(), 62);
  EXPECT_EQ(window().进度标签.caption(), "00:01:02/00:10:20");

  engine().pause();
  settle();
  engine().setPosition(300000);
  player::onProgressTimer();
  EXPECT_EQ(window().时长滑块条.position(), 62);
  EXPECT_EQ(window().进度标签.caption(), "00:01:02/00:10:20");
}

TEST_F(ProgressTest, SliderSeeksOnlyToAnotherSecond) {
  playAt(70400);
  window().时长滑块条.setPosition(70);
  player::seekFromSlider();
  EXPECT_TRUE(positionsSet().empty());

  window().时长滑块条.setPosition(75);
  player::seekFromSlider();
  EXPECT_EQ(positionsSet(), std::vector<std::string>{"75000"});
  EXPECT_EQ(window().进度标签.caption(), "00:01:15/00:10:20");
}

TEST_F(ProgressTest, TypedPositionPromptsWithPositionAndDuration) {
  playAt(62030);
  seam.inputAnswers.push_back(std::nullopt);
  player::seekToTypedPosition();

  ASSERT_EQ(seam.calls.size(), 1u);
  EXPECT_EQ(seam.calls[0].text,
            "当前播放位置：0:1:2:030 (62030)\r\n当前视频总时长：0:10:20:30 (620030毫秒)\r\n"
            "可以输入00:10:20:30这样的形式，也可以直接输入毫秒数：");
  EXPECT_EQ(seam.calls[0].caption, "手动输入播放位置");
  EXPECT_EQ(seam.calls[0].initial, "0:1:2:030");
  EXPECT_TRUE(positionsSet().empty());
  settle();
  EXPECT_EQ(engine().getState(), 3) << "cancelling leaves playback paused";
}

TEST_F(ProgressTest, TypedPositionForms) {
  struct Case {
    const char* typed;
    const char* seeksTo;   // nullptr: no seek
    bool refused;          // the box "不能大于视频总时长！"
  } cases[] = {
      {"00:10:20:30", "620030", false},  {"0:10:20:030", "620030", false},
      {"00:10:20:31", nullptr, true},    {"90000", "90000", false},
      {"620031", nullptr, true},         {"0", nullptr, false},
      {"-5", nullptr, false},            {"abc", nullptr, false},
      {"", nullptr, false},              {"1:2:3", "1", false},
      {"１２３４５", "12345", false},
      // A sum below the start seeks to the start; none wraps round 32 bits.
      {"-1:0:0:0", "0", false},          {"-1000:0:0:0", "0", false},
      {"0:0:0:-1", "0", false},          {"-2147483648:0:0:0", "0", false},
      {"1193:2:47:296", nullptr, true},  {"2147483647:0:0:0", nullptr, true},
  };
  playAt(1000);
  for (const Case& k : cases) {
    seam.calls.clear();
    seam.inputAnswers.push_back(std::string(k.typed));
    engine().play();
    settle();
    clearJournal();

    support::chooseMenuItem(window().手动定位);

    EXPECT_EQ(calls("APlayer_Pause").size(), 1u) << k.typed;
    EXPECT_TRUE(calls("APlayer_Play").empty()) << k.typed;
    EXPECT_EQ(positionsSet(), k.seeksTo ? std::vector<std::string>{k.seeksTo}
                                        : std::vector<std::string>{})
        << k.typed;
    EXPECT_EQ(seam.messageTexts(), k.refused ? std::vector<std::string>{"不能大于视频总时长！"}
                                             : std::vector<std::string>{})
        << k.typed;
  }
}

TEST_F(ProgressTest, VolumeSliderSetsTheVolumeWithAHint) {
  window().音量滑块条.setPosition(35);
  player::applyVolumeSlider();
  EXPECT_EQ(calls("APlayer_SetVolume").at(0).at(2), "35");
  EXPECT_EQ(overlayTexts(), std::vector<std::string>{"音量：35%"});
}

TEST_F(ProgressTest, UnmuteReturnsToTheDefaultVolume) {
  player::defaultVolume = 80;
  engine().setVolume(35);
  window().音量滑块条.setPosition(35);
  clearJournal();

  player::toggleMute();
  EXPECT_EQ(engine().getVolume(), 0);
  EXPECT_EQ(window().音量滑块条.position(), 0);
  player::toggleMute();
  EXPECT_EQ(engine().getVolume(), 80);
  EXPECT_EQ(window().音量滑块条.position(), 80);
  EXPECT_EQ(overlayTexts(), (std::vector<std::string>{"音量：0%", "音量：80%"}));
}

TEST_F(ProgressTest, SecondHintGoesWithTheFirstOnesCountdown) {
  player::hintDuration = 2000;
  auto hidden = [&] { return !itemsSet(602).empty() && itemsSet(602).back() == "0"; };

  player::showHint("first");
  support::pumpMessages(1200);
  ASSERT_FALSE(hidden());
  const ULONGLONG second = GetTickCount64();
  player::showHint("second");
  ASSERT_TRUE(support::waitUntil(hidden, 5000));
  const ULONGLONG shownFor = GetTickCount64() - second;
  EXPECT_LT(shownFor, 1600u) << "the second hint restarted the countdown";
  EXPECT_EQ(window().时钟_销毁提示文本.interval(), 0);

  // The next hint after the removal counts down anew.
  clearJournal();
  const ULONGLONG third = GetTickCount64();
  player::showHint("third");
  EXPECT_EQ(window().时钟_销毁提示文本.interval(), 2000);
  ASSERT_TRUE(support::waitUntil(hidden, 5000));
  EXPECT_GE(GetTickCount64() - third, 1900u);
  EXPECT_EQ(overlayTexts(), std::vector<std::string>{"third"});
}

TEST_F(ProgressTest, FrameRateReadoutSwitchesItselfOffOutsidePlaying) {
  playAt(1000);
  player::toggleFrameRateDisplay();
  EXPECT_EQ(window().实时帧率时钟.interval(), 1000);

  player::showFrameRate();
  ASSERT_EQ(overlayTexts().size(), 1u);
  EXPECT_EQ(overlayTexts()[0], engine().getConfig(121));
  EXPECT_EQ(itemsSet(606), std::vector<std::string>{"5"});
  EXPECT_EQ(itemsSet(607), std::vector<std::string>{"0"});
  EXPECT_EQ(window().时钟_销毁提示文本.interval(), 0) << "no hint timer for the readout";

  engine().pause();
  settle();
  clearJournal();
  player::showFrameRate();
  EXPECT_EQ(window().实时帧率时钟.interval(), 0);
  EXPECT_EQ(itemsSet(602), std::vector<std::string>{"0"});
  engine().play();
  settle();
  EXPECT_EQ(window().实时帧率时钟.interval(), 0) << "it stays off after resuming";

  player::toggleFrameRateDisplay();
  clearJournal();
  player::toggleFrameRateDisplay();
  EXPECT_EQ(window().实时帧率时钟.interval(), 0);
  EXPECT_EQ(itemsSet(602), std::vector<std::string>{"0"});
}

}  // namespace
}  // namespace road
