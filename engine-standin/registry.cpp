#include "registry.h"

#include <map>
#include <memory>

#include "config.h"
#include "engine.h"

namespace standin {
namespace {

// Never freed: at process exit the system takes the windows down, and no
// window may be destroyed from the library's unloading.
std::map<Handle, std::unique_ptr<Engine>>& engines() {
  static auto* all = new std::map<Handle, std::unique_ptr<Engine>>;
  return *all;
}

Handle nextHandle = 1001;

}  // namespace

Handle createEngine(HWND parent, int x, int y, int width, int height, const Callbacks& callbacks) {
  if (configValue("createFails") == "1") return 0;
  auto engine = std::make_unique<Engine>(nextHandle, callbacks);
  if (!engine->createWindow(parent, x, y, width, height)) return 0;
  const Handle handle = nextHandle++;
  engines().emplace(handle, std::move(engine));
  return handle;
}

void destroyEngine(Handle handle) { engines().erase(handle); }

Engine* findEngine(Handle handle) {
  auto found = engines().find(handle);
  return found == engines().end() ? nullptr : found->second.get();
}

std::vector<Engine*> allEngines() {
  std::vector<Engine*> list;
  for (auto& [handle, engine] : engines()) list.push_back(engine.get());
  return list;
}

}  // namespace standin
