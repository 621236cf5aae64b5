#pragma once
// Programs that meet at one named event, all at the same moment: each is held
// by a debugger (this thread) at its call of the system's CreateEventA for
// that name, and once every one of them has come there, all are let go at
// once and no longer debugged. That is the instant of a burst of starts which
// a timing of process starts alone cannot make: under Wine, programs resumed
// together still reach the event milliseconds apart.
#include <windows.h>

#include <cstddef>
#include <string>

namespace handover {

class EventBarrier {
 public:
  explicit EventBarrier(std::string eventName) : eventName_(std::move(eventName)) {}

  // Runs the debug loop of the programs this thread started with
  // DEBUG_ONLY_THIS_PROCESS, until `count` of them are held at the call, or
  // until the limit; then lets every held one go and stops debugging all.
  // The number that were held.
  std::size_t releaseWhenAllHeld(std::size_t count, unsigned timeoutMs);

 private:
  std::string eventName_;
};

}  // namespace handover
