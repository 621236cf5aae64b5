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
  fw::InputFile file;
  if (!file.open(settingsPath)) return;
  scanLineList(file, header, list);
  file.close();
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
