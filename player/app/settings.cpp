#include "player/app/settings.h"

#include "framework/files.h"
#include "framework/ini.h"
#include "player/app/app.h"
#include "player/app/line_list.h"
#include "player/playback/playback.h"
#include "player/windows/main/main_window.h"

namespace player {

fw::Text readSetting(const SettingKey& key) {
  return fw::iniRead(settingsPath, key.section, key.key, key.defaultValue);
}

int readIntegerSetting(const SettingKey& key) { return fw::textToInt(readSetting(key)); }

void writeSetting(const SettingKey& key, const fw::Text& value) {
  fw::iniWrite(settingsPath, key.section, key.key, value);
}

bool isTrueSetting(const fw::Text& value) { return value == "真"; }

void scanLineList(const fw::Text& header, fw::TextArray& list) {
  // The whole file, not only up to its first NUL or 0x1A byte as a playlist
  // file is read: what follows such a byte is still the user's settings.
  fw::Bytes bytes;
  if (!fw::readWholeFile(settingsPath, bytes)) return;
  fw::LineReader reader(std::move(bytes));
  scanLineList(reader, header, list);
}

void loadDlnaSkipTypes() { scanLineList(kDlnaSkipHeader, dlnaSkipTypes); }

void loadDlnaConvertTypes() { scanLineList(kDlnaConvertHeader, dlnaConvertTypes); }

void loadLoopMode() {
  loopMode = readSetting(kLoopModeKey);
  MainWindow& window = mainWindow();
  if (loopMode == "1") {
    window.随机播放.setChecked(true);
  } else if (loopMode == "2") {
    window.单曲循环.setChecked(true);
  } else {
    // A fresh text, not an assignment from the literal: gcc 12 warns wrongly
    // (-Wrestrict) on that once loopMode was read.
    loopMode = fw::Text("0");
    window.顺序播放.setChecked(true);
  }
}

}  // namespace player
