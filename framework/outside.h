#pragma once
// Outside routines: bound by library file name and routine name at their first
// call, remembered afterwards. The library is looked for in the program's folder
// first, then by the system's search; libraries stay loaded. A library or
// routine that cannot be found ends the program through fatalError with exit
// code -1 ("无法找到指定DLL库文件“%s”中的输出命令“%s”").
#include "text.h"

namespace fw {

// The routine's address; never returns when it cannot be bound.
void* bindOutsideRoutine(const char* library, const char* routine);

// One routine of one library, typed. Declare each as a namespace-scope constant
// in the one list of its library; the address is looked up at the first call.
template <typename Signature>
class OutsideRoutine;

template <typename R, typename... Args>
class OutsideRoutine<R __stdcall(Args...)> {
 public:
  using Pointer = R(__stdcall*)(Args...);
  constexpr OutsideRoutine(const char* library, const char* name) : library_(library), name_(name) {}

  R operator()(Args... args) const { return address()(args...); }
  Pointer address() const {
    if (!cached_) cached_ = reinterpret_cast<Pointer>(bindOutsideRoutine(library_, name_));
    return cached_;
  }
  // Tests only: later calls go to `replacement` (nullptr: bound by name again
  // at the next call), so a test can stand in for what the system reports.
  void replaceForTests(Pointer replacement) { cached_ = replacement; }

 private:
  const char* library_;
  const char* name_;
  mutable Pointer cached_ = nullptr;
};

// Shows the fatal error report (stop icon, caption "错误") through the modal seam
// and ends the program with exit code -1. Never returns.
[[noreturn]] void fatalError(const Text& message);

}  // namespace fw
