// The bottom bar as the user sees it after the window's size changed: the
// duration slider's pixels read from the screen, against the same slider
// painted afresh from what it holds.
#include <windows.h>

#include <gtest/gtest.h>

#include "engine/engine_items.h"
#include "player/app/app.h"
#include "tests/player_spine/player_fixture.h"
#include "tests/support/wait.h"

namespace spine {
namespace {

using BottomBar = PlayerTest;

int differingPixels(const support::Pixels& a, const support::Pixels& b) {
  if (a.values.size() != b.values.size()) return -1;
  int count = 0;
  for (std::size_t i = 0; i < a.values.size(); ++i) count += a.values[i] != b.values[i];
  return count;
}

// Paused, nothing moves the slider, so only the layout can put its knob where
// the held position belongs.
TEST_F(BottomBar, TheDurationKnobShowsTheHeldPositionAfterAGripResizeWhilePaused) {
  setPlayerArguments(makeFile("示例影片.mp4"));
  startPlayer();
  player::MainWindow& w = window();
  ASSERT_TRUE(support::waitUntil([] { return player::playerEngine->getState() == engine::kPlaying; }));
  SetForegroundWindow(w.handle());
  fw::Slider& slider = w.时长滑块条;
  support::click(slider.handle(), slider.width() / 3, 5);   // seeks to a third of the medium
  click(w.暂停按钮);
  ASSERT_EQ(player::playerEngine->getState(), engine::kPaused);
  const int held = slider.position();
  ASSERT_GT(held, slider.maximum() / 4);

  gripResize(w, 800, 1300);
  support::pumpMessages(200);
  ASSERT_EQ(slider.width(), 1300);
  EXPECT_EQ(slider.position(), held);
  const support::Pixels shown = support::readPixels(slider.handle(), 0, 0, slider.width(), slider.height());
  InvalidateRect(slider.handle(), nullptr, FALSE);
  const support::Pixels painted = support::readPixels(slider.handle(), 0, 0, slider.width(), slider.height());
  EXPECT_EQ(differingPixels(shown, painted), 0) << "the knob and fill show another position than " << held;
}

}  // namespace
}  // namespace spine
