#pragma once
// The journal: one line per engine routine called, the routine's name and then
// each argument, separated by a tab, ending in CR LF. Texts as given, numbers in
// decimal, pointers and handles as decimal integers, a callback as 1 when given
// and 0 when null. Kept in memory for StandIn_ReadJournal and appended to the
// file named by STANDIN_ENGINE_JOURNAL, line by line, so that another process
// can read it at any time. The memory keeps the newest few megabytes, so a
// program that runs for days does not grow without end.
#include <initializer_list>

#include "types.h"

namespace standin {

// One argument as the journal writes it.
Text journalNumber(int64_t value);
Text journalText(const char* text);
Text journalPointer(const void* pointer);
template <typename Function>
Text journalCallback(Function callback) {
  return callback ? "1" : "0";
}

void journalCall(const char* routine, std::initializer_list<Text> arguments);

Text journalContents();
void clearJournal();

}  // namespace standin
