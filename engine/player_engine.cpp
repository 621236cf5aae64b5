#include "engine/player_engine.h"

#include "engine/engine_items.h"
#include "engine/engine_routines.h"

EngineHandle engineHandle = 0;

namespace {

// The engine's text belongs to the engine and may change at its next call.
fw::Text ownedCopy(const char* engineText) { return engineText ? fw::Text(engineText) : fw::Text(); }

}  // namespace

void PlayerEngine::finalizeEngineObject() {}

PlayerEngine* PlayerEngine::cloneEngineObject() { return new PlayerEngine(*this); }

EngineHandle PlayerEngine::create(HWND parent, int32_t x, int32_t y, int32_t width, int32_t height,
                                  EngineMessageCallback onMessage, EngineStateCallback onState,
                                  EngineOpenedCallback onOpened, INT_PTR reserved1,
                                  INT_PTR reserved2, INT_PTR reserved3, INT_PTR reserved4,
                                  INT_PTR reserved5) {
  engineHandle = engine::APlayer_Create(parent, x, y, width, height, onMessage, onState, onOpened,
                                        reserved1, reserved2, reserved3, reserved4, reserved5);
  return engineHandle;
}

int32_t PlayerEngine::destroy() { return engine::APlayer_Destroy(engineHandle); }

int32_t PlayerEngine::close() { return engine::APlayer_Close(engineHandle); }

HWND PlayerEngine::getWindow() { return engine::APlayer_GetWindow(engineHandle); }

int32_t PlayerEngine::getBufferProgress() { return engine::APlayer_GetBufferProgress(engineHandle); }

fw::Text PlayerEngine::getConfig(int32_t item) {
  return ownedCopy(engine::APlayer_GetConfigA(engineHandle, item));
}

int32_t PlayerEngine::setConfig(int32_t item, const fw::Text& value) {
  return engine::APlayer_SetConfigA(engineHandle, item, value.c_str());
}

int32_t PlayerEngine::setWindowPos(HWND window, HWND insertAfter, int32_t x, int32_t y,
                                   int32_t width, int32_t height, uint32_t flags) {
  return engine::SetWindowPos(window, insertAfter, x, y, width, height, flags);
}

int32_t PlayerEngine::getDuration() { return engine::APlayer_GetDuration(engineHandle); }

int32_t PlayerEngine::getPosition() { return engine::APlayer_GetPosition(engineHandle); }

int32_t PlayerEngine::getState() { return engine::APlayer_GetState(engineHandle); }

fw::Text PlayerEngine::getVersion() { return ownedCopy(engine::APlayer_GetVersion(engineHandle)); }

int32_t PlayerEngine::getVideoHeight() { return engine::APlayer_GetVideoHeight(engineHandle); }

int32_t PlayerEngine::getVideoWidth() { return engine::APlayer_GetVideoWidth(engineHandle); }

int32_t PlayerEngine::getVolume() { return engine::APlayer_GetVolume(engineHandle); }

int32_t PlayerEngine::setVolume(int32_t volume) {
  return engine::APlayer_SetVolume(engineHandle, volume);
}

int32_t PlayerEngine::isSeeking() { return engine::APlayer_IsSeeking(engineHandle); }

int32_t PlayerEngine::setPosition(int32_t milliseconds) {
  return engine::APlayer_SetPosition(engineHandle, milliseconds);
}

int32_t PlayerEngine::open(const fw::Text& pathOrAddress) {
  return engine::APlayer_OpenA(engineHandle, pathOrAddress.c_str());
}

int32_t PlayerEngine::pause() { return engine::APlayer_Pause(engineHandle); }

int32_t PlayerEngine::play() { return engine::APlayer_Play(engineHandle); }

int32_t PlayerEngine::setCustomLogo(const fw::Text& bitmapPath) {
  return engine::APlayer_SetCustomLogo(engineHandle, loadBitmapFile(bitmapPath));
}

HBITMAP PlayerEngine::loadBitmapFile(const fw::Text& bitmapPath) {
  return static_cast<HBITMAP>(
      engine::LoadImageA(nullptr, bitmapPath.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
}

bool PlayerEngine::showOverlayText(const fw::Text& text, int32_t x, int32_t y) {
  if (getConfig(engine::kOverlayAvailable) != "1") return false;
  setConfig(engine::kOverlayShown, "1");
  setConfig(engine::kOverlayX, fw::intToText(x));
  setConfig(engine::kOverlayY, fw::intToText(y));
  setConfig(engine::kOverlayText, text);
  return true;
}

void PlayerEngine::hideOverlayText() { setConfig(engine::kOverlayShown, "0"); }

void PlayerEngine::reservedMethod() {}
