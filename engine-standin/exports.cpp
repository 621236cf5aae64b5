// The engine's routines as a host calls them. Each writes its journal line,
// then finds the engine by its handle; a handle that names no engine (0, or
// one never handed out) does nothing and gets 0 or the empty text.
#include "engine.h"
#include "journal.h"
#include "registry.h"

using namespace standin;

namespace {

const char kEmpty[] = "";

template <typename Result, typename Work>
Result withEngine(Handle handle, Result none, Work work) {
  Engine* engine = findEngine(handle);
  return engine ? work(*engine) : none;
}

}  // namespace

extern "C" {

int32_t WINAPI APlayer_Create(HWND parent, int32_t x, int32_t y, int32_t width, int32_t height,
                              MessageCallback onMessage, StateCallback onState,
                              OpenedCallback onOpened, INT_PTR reserved1, INT_PTR reserved2,
                              INT_PTR reserved3, INT_PTR reserved4, INT_PTR reserved5) {
  journalCall("APlayer_Create",
              {journalPointer(parent), journalNumber(x), journalNumber(y), journalNumber(width),
               journalNumber(height), journalCallback(onMessage), journalCallback(onState),
               journalCallback(onOpened), journalNumber(reserved1), journalNumber(reserved2),
               journalNumber(reserved3), journalNumber(reserved4), journalNumber(reserved5)});
  return createEngine(parent, x, y, width, height, {onMessage, onState, onOpened});
}

int32_t WINAPI APlayer_Destroy(int32_t handle) {
  journalCall("APlayer_Destroy", {journalNumber(handle)});
  if (!findEngine(handle)) return 0;
  destroyEngine(handle);
  return 1;
}

int32_t WINAPI APlayer_OpenA(int32_t handle, const char* source) {
  journalCall("APlayer_OpenA", {journalNumber(handle), journalText(source)});
  return withEngine(handle, 0, [&](Engine& e) { return e.open(source ? source : ""); });
}

int32_t WINAPI APlayer_Close(int32_t handle) {
  journalCall("APlayer_Close", {journalNumber(handle)});
  return withEngine(handle, 0, [](Engine& e) { return e.close(); });
}

int32_t WINAPI APlayer_Play(int32_t handle) {
  journalCall("APlayer_Play", {journalNumber(handle)});
  return withEngine(handle, 0, [](Engine& e) { return e.play(); });
}

int32_t WINAPI APlayer_Pause(int32_t handle) {
  journalCall("APlayer_Pause", {journalNumber(handle)});
  return withEngine(handle, 0, [](Engine& e) { return e.pause(); });
}

HWND WINAPI APlayer_GetWindow(int32_t handle) {
  journalCall("APlayer_GetWindow", {journalNumber(handle)});
  return withEngine(handle, HWND(nullptr), [](Engine& e) { return e.window(); });
}

int32_t WINAPI APlayer_GetBufferProgress(int32_t handle) {
  journalCall("APlayer_GetBufferProgress", {journalNumber(handle)});
  // Local files and listed addresses are always fully buffered.
  return withEngine(handle, 0, [](Engine&) { return 100; });
}

const char* WINAPI APlayer_GetConfigA(int32_t handle, int32_t item) {
  journalCall("APlayer_GetConfigA", {journalNumber(handle), journalNumber(item)});
  return withEngine(handle, kEmpty, [&](Engine& e) { return e.config(item); });
}

int32_t WINAPI APlayer_SetConfigA(int32_t handle, int32_t item, const char* value) {
  journalCall("APlayer_SetConfigA", {journalNumber(handle), journalNumber(item), journalText(value)});
  return withEngine(handle, 0, [&](Engine& e) { return e.setConfig(item, value ? value : ""); });
}

int32_t WINAPI APlayer_GetDuration(int32_t handle) {
  journalCall("APlayer_GetDuration", {journalNumber(handle)});
  return withEngine(handle, 0, [](Engine& e) { return e.duration(); });
}

int32_t WINAPI APlayer_GetPosition(int32_t handle) {
  journalCall("APlayer_GetPosition", {journalNumber(handle)});
  return withEngine(handle, 0, [](Engine& e) { return e.position(); });
}

int32_t WINAPI APlayer_SetPosition(int32_t handle, int32_t milliseconds) {
  journalCall("APlayer_SetPosition", {journalNumber(handle), journalNumber(milliseconds)});
  return withEngine(handle, 0, [&](Engine& e) { return e.setPosition(milliseconds); });
}

int32_t WINAPI APlayer_GetState(int32_t handle) {
  journalCall("APlayer_GetState", {journalNumber(handle)});
  return withEngine(handle, 0, [](Engine& e) { return e.state(); });
}

const char* WINAPI APlayer_GetVersion(int32_t handle) {
  journalCall("APlayer_GetVersion", {journalNumber(handle)});
  return withEngine(handle, kEmpty, [](Engine&) { return "1.0 stand-in"; });
}

int32_t WINAPI APlayer_GetVideoWidth(int32_t handle) {
  journalCall("APlayer_GetVideoWidth", {journalNumber(handle)});
  return withEngine(handle, 0, [](Engine& e) { return e.videoWidth(); });
}

int32_t WINAPI APlayer_GetVideoHeight(int32_t handle) {
  journalCall("APlayer_GetVideoHeight", {journalNumber(handle)});
  return withEngine(handle, 0, [](Engine& e) { return e.videoHeight(); });
}

int32_t WINAPI APlayer_GetVolume(int32_t handle) {
  journalCall("APlayer_GetVolume", {journalNumber(handle)});
  return withEngine(handle, 0, [](Engine& e) { return e.volume(); });
}

int32_t WINAPI APlayer_SetVolume(int32_t handle, int32_t volume) {
  journalCall("APlayer_SetVolume", {journalNumber(handle), journalNumber(volume)});
  return withEngine(handle, 0, [&](Engine& e) { return e.setVolume(volume); });
}

int32_t WINAPI APlayer_IsSeeking(int32_t handle) {
  journalCall("APlayer_IsSeeking", {journalNumber(handle)});
  // Seeks complete at once.
  return 0;
}

int32_t WINAPI APlayer_SetCustomLogo(int32_t handle, HBITMAP logo) {
  journalCall("APlayer_SetCustomLogo", {journalNumber(handle), journalPointer(logo)});
  return withEngine(handle, 0, [&](Engine& e) { return e.setLogo(logo); });
}

}  // extern "C"
