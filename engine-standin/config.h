#pragma once
// The stand-in's configuration: key = value texts, read from the file named by
// STANDIN_ENGINE_CONFIG when first needed and changed in-process by
// StandIn_SetConfig. Every behaviour reads it when it happens, so a change
// applies from the next call on. The keys are listed in the README.
#include "types.h"

namespace standin {

// The value of the key, or `fallback` when it is not configured.
Text configValue(const Text& key, const Text& fallback = Text());
bool isConfigured(const Text& key);
// Sets the key (an empty value counts: item 10 then lists no device).
void setConfigValue(const Text& key, const Text& value);
// The key's default applies again.
void removeConfigValue(const Text& key);
// Forgets in-process changes and reads the file again.
void resetConfig();

// A value read as a decimal integer; `fallback` when absent or not a number.
int64_t configNumber(const Text& key, int64_t fallback);

// Playback positions move only when StandIn_AdvanceClock says so.
bool manualClock();

}  // namespace standin
