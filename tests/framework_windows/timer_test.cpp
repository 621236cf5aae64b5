// Timer units: the interval rule, tick order and the thread ticks run on.
#include <gtest/gtest.h>

#include "framework/window.h"
#include "tests/framework_windows/window_test_support.h"
#include "tests/support/wait.h"

using wintest::events;
using wintest::log;

namespace {

ULONGLONG startedAt = 0;
std::vector<ULONGLONG> ticksOfA;
DWORD tickThread = 0;

void onA() {
  ticksOfA.push_back(GetTickCount64() - startedAt);
  tickThread = GetCurrentThreadId();
  log("A");
}

struct TimerWindow : fw::Window {
  TimerWindow() : Window({.width = 200, .height = 100, .caption = "时钟"}) {}
  fw::Timer 时钟A{this, {.left = -2, .top = 4, .width = 26, .height = 26, .onTick = onA}};
  fw::Timer 时钟B{this, {.onTick = [] { log("B"); }}};
  fw::Timer 时钟C{this, {.interval = 60, .onTick = [] { log("C"); }}};
};

TimerWindow& open() {
  EXPECT_TRUE(fw::loadWindow<TimerWindow>());
  TimerWindow& w = *fw::openWindow<TimerWindow>();
  w.时钟C.setInterval(0);
  support::pumpMessages(0);
  events().clear();
  startedAt = GetTickCount64();
  return w;
}

}  // namespace

TEST(Timers, WritingTheSameIntervalDoesNotRestartARunningCountdown) {
  TimerWindow& w = open();
  w.时钟A.setInterval(1000);
  support::pumpMessages(600);
  EXPECT_TRUE(ticksOfA.empty());
  w.时钟A.setInterval(1000);
  ASSERT_TRUE(support::waitUntil([] { return !ticksOfA.empty(); }, 3000));
  // Restarting would have put the tick at 1600 ms.
  EXPECT_LT(ticksOfA[0], 1400u);
  EXPECT_EQ(w.时钟A.interval(), 1000);
}

TEST(Timers, ADifferentIntervalStopsTheCountdownAndAPositiveOneStartsItAnew) {
  TimerWindow& w = open();
  w.时钟A.setInterval(400);
  support::pumpMessages(250);
  w.时钟A.setInterval(401);
  ASSERT_TRUE(support::waitUntil([] { return !ticksOfA.empty(); }, 2000));
  EXPECT_GE(ticksOfA[0], 600u);
}

TEST(Timers, ZeroOrANegativeIntervalLeavesTheTimerStopped) {
  TimerWindow& w = open();
  w.时钟A.setInterval(50);
  w.时钟A.setInterval(0);
  w.时钟B.setInterval(-5);
  support::pumpMessages(300);
  EXPECT_TRUE(events().empty());
  EXPECT_EQ(w.时钟B.interval(), -5);
  w.时钟B.setInterval(50);
  EXPECT_TRUE(support::waitUntil([] { return !events().empty(); }, 1000));
  EXPECT_EQ(events().front(), "B");
}

TEST(Timers, TicksComeInTimeOrderOnTheWindowsThreadAndATickCanRestartItsTimer) {
  TimerWindow& w = open();
  w.时钟A.setInterval(150);
  w.时钟B.setInterval(400);
  ASSERT_TRUE(support::waitUntil([] { return events().size() >= 4; }, 3000));
  EXPECT_EQ(std::vector<std::string>(events().begin(), events().begin() + 4),
            (std::vector<std::string>{"A", "A", "B", "A"}));
  EXPECT_EQ(tickThread, GetCurrentThreadId());
  // The ticks are periodic: no tick ran before its period had passed.
  for (std::size_t i = 0; i < ticksOfA.size(); ++i) EXPECT_GE(ticksOfA[i] + 20, (i + 1) * 150u);
}

TEST(Timers, ATimerDescribedWithAnIntervalRunsFromCreationAndStopsWithItsWindow) {
  ASSERT_TRUE(fw::loadWindow<TimerWindow>());
  EXPECT_TRUE(support::waitUntil([] { return !events().empty(); }, 1000));
  EXPECT_EQ(events().front(), "C");
  fw::destroyWindow<TimerWindow>();
  events().clear();
  support::pumpMessages(200);
  EXPECT_TRUE(events().empty());
}
