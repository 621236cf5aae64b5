#include "journal.h"

#include <mutex>

#include "environment.h"

namespace standin {
namespace {

std::mutex journalLock;
Text memoryJournal;
constexpr std::size_t kMemoryLimit = 4 << 20;
constexpr std::size_t kMemoryKept = 2 << 20;

// Drops the oldest lines, keeping whole lines only.
void trimMemory() {
  if (memoryJournal.size() <= kMemoryLimit) return;
  std::size_t cut = memoryJournal.find("\r\n", memoryJournal.size() - kMemoryKept);
  memoryJournal.erase(0, cut == Text::npos ? memoryJournal.size() : cut + 2);
}

void appendToFile(const Text& line) {
  const Text path = environmentValue(L"STANDIN_ENGINE_JOURNAL");
  if (path.empty()) return;
  HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace

Text journalNumber(int64_t value) { return std::to_string(value); }

Text journalText(const char* text) { return text ? Text(text) : Text(); }

Text journalPointer(const void* pointer) {
  return std::to_string(reinterpret_cast<INT_PTR>(pointer));
}

void journalCall(const char* routine, std::initializer_list<Text> arguments) {
  Text line = routine;
  for (const Text& argument : arguments) {
    line += '\t';
    line += argument;
  }
  line += "\r\n";
  std::lock_guard guard(journalLock);
  memoryJournal += line;
  trimMemory();
  appendToFile(line);
}

Text journalContents() {
  std::lock_guard guard(journalLock);
  return memoryJournal;
}

void clearJournal() {
  std::lock_guard guard(journalLock);
  memoryJournal.clear();
}

}  // namespace standin
