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

void DlnaTest::chooseMenuItem(const fw::MenuItem& item) {
  PostMessageA(window().handle(), WM_COMMAND, MAKEWPARAM(item.command(), 0), 0);
  support::pumpMessages();
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

namespace {

LPARAM middleOfLine(HWND list, int line) {
  RECT rect{};
  SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(&rect));
  return MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

}  // namespace

void DlnaTest::clickLine(int line) {
  HWND list = dlnaWindow()->列表框1.handle();
  const LPARAM at = middleOfLine(list, line);
  SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(list, WM_LBUTTONUP, 0, at);
  support::pumpMessages();
}

void DlnaTest::doubleClickLine(int line) {
  HWND list = dlnaWindow()->列表框1.handle();
  const LPARAM at = middleOfLine(list, line);
  SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(list, WM_LBUTTONUP, 0, at);
  SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  SendMessageA(list, WM_LBUTTONUP, 0, at);
  support::pumpMessages();
}

std::vector<std::string> DlnaTest::itemsSet(int item) {
  std::vector<std::string> values;
  for (const standin::JournalLine& line : calls("APlayer_SetConfigA"))
    if (line.at(2) == std::to_string(item)) values.push_back(line.size() > 3 ? line[3] : "");
  return values;
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
