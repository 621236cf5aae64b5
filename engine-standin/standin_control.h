#pragma once
// For tests that run the stand-in engine in their own process: its StandIn_*
// control routines, loaded from the APlayerCaller.dll beside the test program
// (the same module the engine binding loads), and the journal as lines.
//
// The fire routines and advanceClock deliver what they cause before they
// return; what the engine does on its own (an open completing, a pause's
// report) is delivered by the message loop or by deliverPending.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace standin {

namespace detail {

inline HMODULE engineModule() {
  static HMODULE module = [] {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    folder.erase(folder.find_last_of('\\') + 1);
    HMODULE loaded = LoadLibraryA((folder + "APlayerCaller.dll").c_str());
    if (!loaded) {
      std::fprintf(stderr, "standin_control: APlayerCaller.dll not found beside the test\n");
      std::abort();
    }
    return loaded;
  }();
  return module;
}

template <typename Function>
Function routine(const char* name) {
  FARPROC address = GetProcAddress(engineModule(), name);
  if (!address) {
    std::fprintf(stderr, "standin_control: APlayerCaller.dll lacks %s\n", name);
    std::abort();
  }
  return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

}  // namespace detail

// A configuration key as the file named by STANDIN_ENGINE_CONFIG would set it;
// a null value restores the key's default (an empty value is a value).
inline void setConfig(const char* key, const char* value) {
  static auto call = detail::routine<void(WINAPI*)(const char*, const char*)>("StandIn_SetConfig");
  call(key, value);
}

// Back to the configuration file's values (or the defaults without one).
inline void resetConfig() {
  static auto call = detail::routine<void(WINAPI*)()>("StandIn_ResetConfig");
  call();
}

// With the manual clock, playback positions move only through advanceClock.
inline void useManualClock(bool manual) { setConfig("clock", manual ? "manual" : nullptr); }

// Moves every playing engine on by `milliseconds`; a medium reaching its end
// reports 5 -> 6 and 6 -> 0 (item 7 = 0) before this returns.
inline void advanceClock(int32_t milliseconds) {
  static auto call = detail::routine<void(WINAPI*)(int32_t)>("StandIn_AdvanceClock");
  call(milliseconds);
}

// The engine's state becomes `newState` and the state callback hears old -> new.
inline void fireStateChange(int32_t handle, int32_t oldState, int32_t newState) {
  static auto call = detail::routine<void(WINAPI*)(int32_t, int32_t, int32_t)>("StandIn_FireStateChange");
  call(handle, oldState, newState);
}

inline void fireOpened(int32_t handle) {
  static auto call = detail::routine<void(WINAPI*)(int32_t)>("StandIn_FireOpened");
  call(handle);
}

// The message callback hears the three values as the video window would pass them.
inline void fireMessage(int32_t handle, int32_t message, int32_t wParam, int32_t lParam) {
  static auto call = detail::routine<void(WINAPI*)(int32_t, int32_t, int32_t, int32_t)>("StandIn_FireMessage");
  call(handle, message, wParam, lParam);
}

// Delivers up to `maxSteps` queued reports and engine steps now, in order,
// including those that the delivered callbacks cause; returns how many ran.
inline int deliverPending(int32_t handle, int32_t maxSteps = 1000) {
  static auto call = detail::routine<int32_t(WINAPI*)(int32_t, int32_t)>("StandIn_DeliverPending");
  return call(handle, maxSteps);
}

// Sets an item as the engine itself would (for example 7 before firing 1 -> 0).
inline void setItem(int32_t handle, int32_t item, const char* value) {
  static auto call = detail::routine<void(WINAPI*)(int32_t, int32_t, const char*)>("StandIn_SetItem");
  call(handle, item, value);
}

inline std::string journal() {
  static auto call = detail::routine<int32_t(WINAPI*)(char*, int32_t)>("StandIn_ReadJournal");
  std::string text(static_cast<std::size_t>(call(nullptr, 0)) + 1, '\0');
  text.resize(static_cast<std::size_t>(call(text.data(), static_cast<int32_t>(text.size()))));
  return text;
}

inline void clearJournal() {
  static auto call = detail::routine<void(WINAPI*)()>("StandIn_ClearJournal");
  call();
}

// One journal line: the routine's name, then its arguments.
using JournalLine = std::vector<std::string>;

// Journal text (as in memory or in the STANDIN_ENGINE_JOURNAL file) cut into lines and fields.
inline std::vector<JournalLine> journalLines(const std::string& text) {
  std::vector<JournalLine> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    JournalLine fields;
    std::size_t field = start;
    while (true) {
      std::size_t tab = text.find('\t', field);
      if (tab == std::string::npos || tab > end) {
        fields.push_back(text.substr(field, end - field));
        break;
      }
      fields.push_back(text.substr(field, tab - field));
      field = tab + 1;
    }
    lines.push_back(std::move(fields));
    start = end + 2;
  }
  return lines;
}

inline std::vector<JournalLine> journalLines() { return journalLines(journal()); }

// The lines of one routine, in order.
inline std::vector<JournalLine> journalCalls(const std::string& routine) {
  std::vector<JournalLine> calls;
  for (JournalLine& line : journalLines())
    if (!line.empty() && line[0] == routine) calls.push_back(std::move(line));
  return calls;
}

// The values written to one numbered item with APlayer_SetConfigA, in order.
inline std::vector<std::string> itemsSet(int32_t item) {
  std::vector<std::string> values;
  for (const JournalLine& line : journalCalls("APlayer_SetConfigA"))
    if (line.size() > 2 && line[2] == std::to_string(item)) values.push_back(line.size() > 3 ? line[3] : "");
  return values;
}

}  // namespace standin
