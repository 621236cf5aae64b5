#include "tests/player_spine/player_fixture.h"

#include "framework/windows_routines.h"
#include "player/app/app.h"
#include "player/app/settings.h"
#include "player/playback/playback.h"
#include "tests/support/child.h"
#include "tests/support/instance_event.h"
#include "tests/support/wait.h"

namespace spine {

namespace {

std::string processCommandLine;

LPSTR WINAPI reportedCommandLine() { return processCommandLine.data(); }

}  // namespace

void setProcessCommandLine(const std::string& commandLine) {
  processCommandLine = commandLine;
  fw::win::GetCommandLineA.replaceForTests(reportedCommandLine);
}

void setPlayerArguments(const std::string& arguments) {
  std::string line;
  line += '"';
  line += support::selfPath();
  line += '"';
  if (!arguments.empty()) {
    line += ' ';
    line += arguments;
  }
  setProcessCommandLine(line);
}

void widen(player::MainWindow& w, int width) {
  if (w.startState() != fw::kStateNormal) w.setStartState(fw::kStateNormal);
  w.setWidth(width);
}

void gripResize(player::MainWindow& w, int from, int to) {
  widen(w, from);
  support::pumpMessages(100);
  HWND bar = w.图片框2.handle();
  const LPARAM grip = MAKELPARAM(w.图片框2.width() - 5, w.图片框2.height() - 5);
  SendMessageA(bar, WM_MOUSEMOVE, 0, grip);
  // The system's size loop runs until a button release arrives.
  support::after(200, [&w, to] {
    w.setWidth(to);
    PostMessageA(w.handle(), WM_LBUTTONUP, 0, 0);
  });
  SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, grip);
}

PlayerTest::PlayerTest() {
  support::keepInstanceEventToThisProcess();
  standin::resetConfig();
  standin::clearJournal();
  setPlayerArguments("");
  player::initGlobals();
}

PlayerTest::~PlayerTest() {
  // Destroying the main window runs the shut-down, which ends at this test's
  // seam; then the globals go as at the program's end.
  if (player::mainWindowExists()) fw::destroyWindow<player::MainWindow>();
  support::pumpMessages();
  player::cleanupGlobals();
}

void PlayerTest::endPlayer() {
  if (player::mainWindowExists()) fw::destroyWindow<player::MainWindow>();
  support::pumpMessages();
  player::cleanupGlobals();
  standin::clearJournal();
  player::initGlobals();
}

void PlayerTest::writeSettings(const std::string& text) {
  ASSERT_TRUE(support::writeFile(temp.file("设置.txt"), text));
}

std::string PlayerTest::makeFile(const std::string& name) {
  std::string path = temp.file(name);
  EXPECT_TRUE(support::writeFile(path, "")) << path;
  return path;
}

void PlayerTest::startPlayer() {
  ASSERT_TRUE(fw::loadWindow<player::MainWindow>());
  support::pumpMessages();
}

}  // namespace spine
