#pragma once
// The engines of this process by handle. Handles are never reused, so a stale
// or invented handle finds no engine, and every routine then does nothing.
#include <vector>

#include "types.h"

namespace standin {

class Engine;

// A new engine with its video window in `parent`; 0 when it cannot be made
// (no parent window, or the configuration says "createFails = 1").
Handle createEngine(HWND parent, int x, int y, int width, int height, const Callbacks& callbacks);
void destroyEngine(Handle handle);
Engine* findEngine(Handle handle);
std::vector<Engine*> allEngines();

}  // namespace standin
