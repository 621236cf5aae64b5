#pragma once
// A timer of a window: ticks on the window's thread every `interval` ms while
// the interval is positive. It is not drawn; its placement is kept only because
// descriptions give one.
#include "framework/units/unit.h"

namespace fw {

struct TimerDescription {
  Unit* parent = nullptr;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int interval = 0;   // 0: stopped when the window is created
  PlainHandler onTick;
};

class Timer : public Unit {
 public:
  Timer(Window* window, TimerDescription description);

  int interval() const { return interval_; }
  // Writing the value it already has changes nothing (a running countdown goes
  // on). Any other value stops the timer, and a positive one starts it anew
  // with that period; 0 or a negative value leaves it stopped.
  void setInterval(int milliseconds);

  // The layer's machinery: the window's WM_TIMER for this timer, and the start
  // and end of the window.
  void tick();
  void start();
  void stop();

 protected:
  void createHandle() override;
  void handleDestroyed() override;

 private:
  TimerDescription description_;
  int interval_ = 0;
  int id_ = 0;
  bool running_ = false;
};

}  // namespace fw
