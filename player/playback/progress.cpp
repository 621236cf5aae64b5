#include "player/playback/progress.h"

#include <algorithm>

#include "engine/engine_items.h"
#include "framework/modal.h"
#include "player/app/app.h"
#include "player/app/settings.h"
#include "player/playback/playback.h"
#include "player/windows/main/main_window.h"
#include "player/windows/playlist/playlist_window.h"

namespace player {
namespace {

constexpr int kHintLeft = 10;
constexpr int kHintTop = 10;
constexpr int kFrameRateInterval = 1000;

Text clockFields(int64_t hours, int64_t minutes, int64_t seconds) {
  return fw::twoDigit(hours) + ":" + fw::twoDigit(minutes) + ":" + fw::twoDigit(seconds);
}

// The last three characters of the decimal text (all of it when shorter).
Text lastThreeDigits(int64_t value) {
  Text decimal = fw::intToText(value);
  return decimal.size() > 3 ? decimal.substr(decimal.size() - 3) : decimal;
}

// The time label: elapsed hours, minutes and seconds as two-digit fields, "/",
// the same of the duration.
Text progressCaption(int64_t positionMs) {
  const fw::TimeFields position = fw::splitTime(positionMs);
  return clockFields(position.hours, position.minutes, position.seconds) + "/" +
         clockFields(durationParts[0], durationParts[1], durationParts[2]);
}

// Hours, minutes and seconds as plain numbers, then the last three digits.
Text typedPositionText(int64_t positionMs) {
  const fw::TimeFields position = fw::splitTime(positionMs);
  return fw::intToText(position.hours) + ":" + fw::intToText(position.minutes) + ":" +
         fw::intToText(position.seconds) + ":" + lastThreeDigits(positionMs);
}

Text typedPositionPrompt(int64_t positionMs) {
  const Text durationText = fw::intToText(durationParts[0]) + ":" +
                            fw::intToText(durationParts[1]) + ":" +
                            fw::intToText(durationParts[2]) + ":" +
                            fw::intToText(durationParts[3]);
  return "当前播放位置：" + typedPositionText(positionMs) + " (" + fw::intToText(positionMs) +
         ")\r\n当前视频总时长：" + durationText + " (" + fw::intToText(durationMs) +
         "毫秒)\r\n可以输入00:10:20:30这样的形式，也可以直接输入毫秒数：";
}

// Four ":" fields read as hours, minutes, seconds and milliseconds, a sum
// below 0 taken as 0; anything else is one number, which must be above 0.
// False when the text asks for nothing.
bool readTypedPosition(const Text& typed, int64_t& target) {
  if (typed.empty()) return false;
  const TextArray fields = fw::splitText(typed, ":");
  if (fields.size() == 4) {
    const int64_t hours = fw::textToInt(fields[0]);
    const int64_t minutes = fw::textToInt(fields[1]);
    const int64_t seconds = fw::textToInt(fields[2]);
    const int64_t milliseconds = fw::textToInt(fields[3]);
    // Negative fields may take the sum below zero: the start is as far back
    // as a seek goes.
    target = std::max<int64_t>(0, ((hours * 60 + minutes) * 60 + seconds) * 1000 + milliseconds);
    return true;
  }
  target = fw::textToInt64(typed);
  return target > 0;
}

}  // namespace

Text volumeHint(int64_t volume) { return "音量：" + fw::intToText(volume) + "%"; }

void showHint(const Text& text) {
  playerEngine->showOverlayText(text, kHintLeft, kHintTop);
  // Writing the interval a running countdown already has does not restart it,
  // so a second hint goes with the first.
  mainWindow().时钟_销毁提示文本.setInterval(hintDuration);
}

void hideHint() {
  mainWindow().时钟_销毁提示文本.setInterval(0);
  playerEngine->hideOverlayText();
}

void onProgressTimer() {
  if (playerEngine->getState() == engine::kPlaying) updateProgressLabel();
}

void updateProgressLabel() {
  MainWindow& window = mainWindow();
  const int32_t position = playerEngine->getPosition();
  window.时长滑块条.setPosition(position / 1000);
  window.进度标签.setCaption(progressCaption(position));
}

void seekFromSlider() {
  const int slider = mainWindow().时长滑块条.position();
  const int playing = playerEngine->getPosition() / 1000;
  // The tick's own slider update reports the second already playing.
  if (slider == playing) return;
  playerEngine->setPosition(slider * 1000);
  updateProgressLabel();
}

void seekToTypedPosition() {
  playerEngine->pause();
  const int64_t position = playerEngine->getPosition();
  durationMs = playerEngine->getDuration();
  Text typed;
  fw::inputBox(typedPositionPrompt(position), "手动输入播放位置", typedPositionText(position), typed);
  int64_t target = 0;
  if (!readTypedPosition(typed, target)) return;
  if (target > durationMs) {
    fw::messageBox("不能大于视频总时长！");
    return;
  }
  // Between 0 and a duration the engine gave as 32 bits, so the target fits.
  // Playback stays paused: the user resumes it.
  playerEngine->setPosition(static_cast<int32_t>(target));
  updateProgressLabel();
}

void applyVolumeSlider() {
  const int volume = mainWindow().音量滑块条.position();
  playerEngine->setVolume(volume);
  showHint(volumeHint(volume));
}

void toggleMute() {
  // Un-muting returns to the default volume, not to the one before muting.
  if (playerEngine->getVolume() > 0) {
    playerEngine->setVolume(0);
  } else {
    playerEngine->setVolume(defaultVolume);
  }
  const int volume = playerEngine->getVolume();
  mainWindow().音量滑块条.setPosition(volume);
  showHint(volumeHint(volume));
}

void toggleFrameRateDisplay() {
  fw::Timer& timer = mainWindow().实时帧率时钟;
  if (timer.interval() == 0) {
    timer.setInterval(kFrameRateInterval);
  } else {
    timer.setInterval(0);
    playerEngine->hideOverlayText();
  }
}

void showFrameRate() {
  if (playerEngine->getState() != engine::kPlaying) {
    // The readout switches itself off as soon as nothing plays.
    mainWindow().实时帧率时钟.setInterval(0);
    playerEngine->hideOverlayText();
    return;
  }
  playerEngine->showOverlayText(playerEngine->getConfig(engine::kFrameRate), 5, 0);
}

void onDurationSliderKey(int key, int) {
  // Opening the window from here leaves playlistWindowOpen alone, so the next
  // F3 on the video loads (activates) it rather than closing it.
  if (key == VK_F3) showPlaylistWindow();
}

}  // namespace player
