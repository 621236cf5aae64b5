#pragma once
// Starting a program of the benchmark and watching it from outside: the time
// until its window shows, its resident memory and the CPU time it spends.
#include <windows.h>

#include <string>

namespace bench {

class Started {
 public:
  Started() = default;
  ~Started() { stop(); }
  Started(const Started&) = delete;
  Started& operator=(const Started&) = delete;

  // Starts `program` (full path) with `arguments` in its own folder. False when
  // it cannot be started.
  bool start(const std::string& program, const std::string& arguments);
  // Waits until the process has a visible top-level window of at least
  // 200 x 200 pixels; false when it ends first or `limitMs` pass.
  bool waitForWindow(double limitMs);
  // Milliseconds from the start call to the window seen by waitForWindow.
  double startUpMs() const { return shownAt_ - startedAt_; }
  // Resident memory (the working set) in megabytes.
  double residentMb() const;
  // Kernel and user time spent so far, in milliseconds.
  double cpuMs() const;
  void stop();

 private:
  PROCESS_INFORMATION process_{};
  double startedAt_ = 0;
  double shownAt_ = 0;
};

// Milliseconds on the performance counter.
double nowMs();

}  // namespace bench
