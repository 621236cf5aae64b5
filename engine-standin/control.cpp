// Control for tests in the same process (loaded through standin_control.h).
// None of these routines is an engine routine: they write no journal line.
#include <algorithm>
#include <cstring>

#include "config.h"
#include "engine.h"
#include "journal.h"
#include "registry.h"

using namespace standin;

extern "C" {

// A null value restores the key's default.
void WINAPI StandIn_SetConfig(const char* key, const char* value) {
  if (!key) return;
  if (value) {
    setConfigValue(key, value);
  } else {
    removeConfigValue(key);
  }
}

void WINAPI StandIn_ResetConfig() { resetConfig(); }

void WINAPI StandIn_AdvanceClock(int32_t milliseconds) {
  for (Engine* engine : allEngines()) engine->advanceClock(milliseconds);
}

void WINAPI StandIn_FireStateChange(int32_t handle, int32_t oldState, int32_t newState) {
  if (Engine* engine = findEngine(handle)) engine->fireStateChange(oldState, newState);
}

void WINAPI StandIn_FireOpened(int32_t handle) {
  if (Engine* engine = findEngine(handle)) engine->fireOpened();
}

void WINAPI StandIn_FireMessage(int32_t handle, int32_t message, int32_t wParam, int32_t lParam) {
  if (Engine* engine = findEngine(handle)) engine->fireMessage(message, wParam, lParam);
}

int32_t WINAPI StandIn_DeliverPending(int32_t handle, int32_t maxSteps) {
  Engine* engine = findEngine(handle);
  return engine ? engine->deliverPending(maxSteps) : 0;
}

void WINAPI StandIn_SetItem(int32_t handle, int32_t item, const char* value) {
  if (Engine* engine = findEngine(handle)) engine->setItem(item, value ? value : "");
}

int32_t WINAPI StandIn_ReadJournal(char* buffer, int32_t size) {
  const Text journal = journalContents();
  if (buffer && size > 0) {
    const std::size_t count = std::min<std::size_t>(journal.size(), static_cast<std::size_t>(size) - 1);
    std::memcpy(buffer, journal.data(), count);
    buffer[count] = '\0';
  }
  return static_cast<int32_t>(journal.size());
}

void WINAPI StandIn_ClearJournal() { clearJournal(); }

}  // extern "C"
