#include "tests/player_dlna/dlna_fixture.h"

#include "engine/engine_items.h"
#include "player/app/app.h"
#include "player/windows/main/main_window.h"
#include "tests/player_road/wav_bytes.h"
#include "tests/support/wait.h"

namespace dlna {

DlnaTest::DlnaTest() {
  seam.whileMessageBoxUp = [this] { openBehindBoxes.push_back(dlnaWindow() != nullptr); };
}

void DlnaTest::findRenderers(const char* renderers) {
  standin::setConfig("renderers", renderers);
  standin::setConfig("discoveryDelay", "0");
}

player::DlnaWindow& DlnaTest::openDlnaWindow() {
  chooseMenuItem(window().播放到DLNA设备);
  EXPECT_TRUE(support::waitUntil([&] { return dlnaWindow() != nullptr; }, 5000));
  return *dlnaWindow();
}

void DlnaTest::waitForPolls(int reads) {
  auto polls = [&] {
    int count = 0;
    for (const standin::JournalLine& line : calls("APlayer_GetConfigA"))
      count += line.at(2) == std::to_string(engine::kDlnaRenderers);
    return count;
  };
  // One read a second: allow for a busy machine.
  EXPECT_TRUE(support::waitUntil([&] { return polls() >= reads; }, 2000u * reads + 3000u))
      << "polls seen: " << polls();
}

std::vector<std::string> DlnaTest::listed() {
  std::vector<std::string> lines;
  const fw::ListBox& list = dlnaWindow()->列表框1;
  for (int line = 0; line < list.count(); ++line) lines.push_back(list.itemText(line));
  return lines;
}

std::string DlnaTest::file(const std::string& name, const std::string& bytes) {
  std::string path = temp.file(name);
  EXPECT_TRUE(support::writeFile(path, bytes)) << path;
  return path;
}

std::string DlnaTest::startPlayingWav(const std::string& name) {
  const std::string path = file(name, road::wavOfMs(60000));
  spine::setPlayerArguments(path);
  startPlayer();
  EXPECT_TRUE(support::waitUntil([] { return player::playerEngine->getState() == engine::kPlaying; }))
      << path;
  return path;
}

}  // namespace dlna
