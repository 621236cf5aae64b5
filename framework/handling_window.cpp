// Which windows' messages this thread is handling. Apart from the window
// machinery: the modal seam asks it, and programs without windows link the
// seam without linking windows.
#include "framework/window.h"

namespace fw::detail {

std::vector<Window*>& windowsHandling() {
  // Never destroyed: messages still arrive while a thread's objects are torn down.
  thread_local std::vector<Window*>* handling = new std::vector<Window*>;
  return *handling;
}

}  // namespace fw::detail
