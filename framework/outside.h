#pragma once
// Outside routines: bound by library file name and routine name at their first
// call, remembered afterwards. Where the library is looked for depends on whose
// it is (LibraryHome); libraries stay loaded. A library or routine that cannot
// be found ends the program through fatalError with exit code -1
// ("无法找到指定DLL库文件“%s”中的输出命令“%s”").
#include "text.h"

namespace fw {

enum class LibraryHome {
  // The system's own: loaded from the system folder and nowhere else, so that
  // a file of the same name beside the program (a download folder, a shared
  // folder) or in the current folder never runs inside it.
  kSystem,
  // Shipped with the program: its folder first, then the library search,
  // which startProgram narrows to the program's and the system's folders.
  kBesideProgram,
};

// A library of a routine list: declare each once, beside its routines.
struct OutsideLibrary {
  const char* fileName;
  LibraryHome home;
};

// The routine's address; never returns when it cannot be bound.
void* bindOutsideRoutine(const OutsideLibrary& library, const char* routine);
// The same, but nullptr when the library or the routine is not there (one that
// only some systems have); never ends the program.
void* findOutsideRoutine(const OutsideLibrary& library, const char* routine);

// One routine of one library, typed. Declare each as a namespace-scope constant
// in the one list of its library; the address is looked up at the first call.
template <typename Signature>
class OutsideRoutine;

template <typename R, typename... Args>
class OutsideRoutine<R __stdcall(Args...)> {
 public:
  using Pointer = R(__stdcall*)(Args...);
  constexpr OutsideRoutine(const OutsideLibrary& library, const char* name) : library_(&library), name_(name) {}

  R operator()(Args... args) const { return address()(args...); }
  Pointer address() const {
    if (!cached_) cached_ = reinterpret_cast<Pointer>(bindOutsideRoutine(*library_, name_));
    return cached_;
  }
  // The address, or nullptr when this system lacks the routine: for routines
  // that a program does without where they do not exist.
  Pointer addressIfPresent() const {
    if (!cached_) cached_ = reinterpret_cast<Pointer>(findOutsideRoutine(*library_, name_));
    return cached_;
  }
  // Tests only: later calls go to `replacement` (nullptr: bound by name again
  // at the next call), so a test can stand in for what the system reports.
  void replaceForTests(Pointer replacement) { cached_ = replacement; }

 private:
  const OutsideLibrary* library_;
  const char* name_;
  mutable Pointer cached_ = nullptr;
};

// Shows the fatal error report (stop icon, caption "错误") through the modal seam
// and ends the program with exit code -1. Never returns.
[[noreturn]] void fatalError(const Text& message);

}  // namespace fw
