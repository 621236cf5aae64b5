#pragma once
// One instance of the stand-in engine: its state, its items, the open medium,
// its clock, and the queue of steps through which it reports.
//
// Reports (state changes, media opened, messages fired by a test) are queued
// and delivered one by one from the video window's message handling, on the
// thread that created the engine, never from inside APlayer_OpenA. A change the
// host asks for (open, play, pause) is made at once and reported later; a change
// the engine makes itself (an open completing, the natural end) is made and
// reported by the same step. A close on request is the exception: it delivers
// what is queued, then reports its own changes, all before APlayer_Close returns.
#include <deque>
#include <functional>
#include <map>
#include <optional>

#include "media.h"
#include "picture.h"
#include "types.h"

namespace standin {

class Engine {
 public:
  Engine(Handle handle, const Callbacks& callbacks);
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;
  ~Engine();

  // Creates the video window in `parent`; false when it cannot be created.
  bool createWindow(HWND parent, int x, int y, int width, int height);
  HWND window() const { return window_; }
  Handle handle() const { return handle_; }

  // The engine's routines.
  int32_t open(const Text& source);
  int32_t close();
  int32_t play();
  int32_t pause();
  int32_t setPosition(int32_t milliseconds);
  int32_t state() const { return state_; }
  int32_t duration() const;
  int32_t position() const;
  int32_t videoWidth() const;
  int32_t videoHeight() const;
  int32_t volume() const { return volume_; }
  int32_t setVolume(int32_t volume);
  // Valid until the next call of this routine.
  const char* config(int32_t item);
  int32_t setConfig(int32_t item, const Text& value);
  int32_t setLogo(HBITMAP logo);

  // Control for tests. Each queues what it is asked for and then delivers
  // everything queued before returning, so its callbacks have run by then.
  void advanceClock(int64_t milliseconds);
  void fireStateChange(int32_t oldState, int32_t newState);
  void fireOpened();
  void fireMessage(int32_t message, int32_t wParam, int32_t lParam);
  // Delivers up to `maxSteps` queued steps now; returns how many ran.
  int deliverPending(int maxSteps);
  // Sets an item as the engine itself would, without a routine call.
  void setItem(int32_t item, const Text& value) { items_[item] = value; }

  // The video window's side.
  void onDeliverMessage();
  void onClockTick();
  void onDiscoveryDone();
  void onWindowDestroyed() { window_ = nullptr; }
  void forwardInput(UINT message, WPARAM wParam, LPARAM lParam);
  Picture picture() const;

 private:
  struct Step {
    bool isReport;  // reports survive a close; actions of the closed medium do not
    std::function<void()> run;
  };

  void queueReport(std::function<void()> report);
  void queueAction(std::function<void()> action);
  void queueStateReport(int32_t oldState, int32_t newState,
                        std::optional<int32_t> endCode = std::nullopt);
  void dropActions();
  bool runNextStep();

  void setState(int32_t newState);
  void notifyState(int32_t oldState, int32_t newState);
  void setEndCode(int32_t code) { items_[kEndCode] = std::to_string(code); }
  void completeOpen(const Text& source);
  void failOpen();
  void beginNaturalEnd();
  void advance(int64_t milliseconds);
  void closeNow();
  void closeQueued();
  void startDiscovery();

  const Handle handle_;
  const Callbacks callbacks_;
  HWND window_ = nullptr;
  int32_t state_ = kIdle;
  // Bumped by every open and close, so a report's callback that opens or
  // closes ends the sequence the report belonged to.
  uint64_t generation_ = 0;
  std::optional<Medium> medium_;
  int64_t positionMs_ = 0;
  int64_t animationMs_ = 0;
  uint64_t lastTick_ = 0;
  int32_t volume_ = 100;
  HBITMAP logo_ = nullptr;
  bool discoveryStarted_ = false;
  std::map<int32_t, Text> items_;
  Text returnedText_;
  std::deque<Step> steps_;
};

}  // namespace standin
