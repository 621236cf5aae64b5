#include "framework/units/timer.h"

#include "framework/window.h"

namespace fw {

Timer::Timer(Window* window, TimerDescription d)
    : Unit(window, UnitPlacement{d.parent, d.left, d.top, d.width, d.height, false, true}),
      description_(std::move(d)) {
  interval_ = description_.interval;
  id_ = window->registerTimer(this);
}

void Timer::setInterval(int milliseconds) {
  if (milliseconds == interval_) return;
  stop();
  interval_ = milliseconds;
  if (interval_ > 0) start();
}

void Timer::start() {
  HWND owner = window_->handle();
  if (owner == nullptr || interval_ <= 0) return;
  running_ = SetTimer(owner, static_cast<UINT_PTR>(id_), static_cast<UINT>(interval_), nullptr) != 0;
}

void Timer::stop() {
  if (running_ && window_->handle() != nullptr) KillTimer(window_->handle(), static_cast<UINT_PTR>(id_));
  running_ = false;
}

void Timer::tick() {
  if (running_) description_.onTick();
}

void Timer::createHandle() { start(); }

void Timer::handleDestroyed() { running_ = false; }

}  // namespace fw
