// Choosing a window's menu item while that window is open behind the main
// window brings it to the front. The foreground is the one shared desktop's,
// so these run alone.
#include <gtest/gtest.h>

#include "player/windows/about/about_window.h"
#include "player/windows/audio_device/audio_device_window.h"
#include "tests/player_spine/player_fixture.h"
#include "tests/support/ui.h"
#include "tests/support/wait.h"

namespace small {
namespace {

using FrontTest = spine::PlayerTest;

TEST_F(FrontTest, ChoosingTheMenuItemOfAnOpenWindowBringsThatWindowToTheFront) {
  startPlayer();
  const struct {
    const char* name;
    fw::MenuItem& item;
    HWND (*open)();
  } cases[] = {
      {"audio device", window().选择声音输出设备,
       [] { return fw::openWindow<player::AudioDeviceWindow>()->handle(); }},
      {"about", window().关于Quorle, [] { return fw::openWindow<player::AboutWindow>()->handle(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    support::chooseMenuItem(c.item);
    const HWND opened = c.open();
    ASSERT_NE(opened, nullptr);
    // Another test's window may take the foreground meanwhile; try again then.
    bool front = false;
    for (int attempt = 0; attempt < 3 && !front; ++attempt) {
      SetForegroundWindow(window().handle());
      support::pumpMessages(50);
      ASSERT_NE(GetForegroundWindow(), opened);
      support::chooseMenuItem(c.item);
      front = support::waitUntil([&] { return GetForegroundWindow() == opened; }, 500);
    }
    EXPECT_TRUE(front);
    EXPECT_EQ(c.open(), opened);
  }
}

}  // namespace
}  // namespace small
