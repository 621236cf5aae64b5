#pragma once
// What the engine and stand-in tests share: a host window for the engine's
// video window, callbacks that record what the engine reports, and WAV bytes.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/engine_routines.h"
#include "tests/support/wait.h"

namespace fixtures {

// A top-level window of the test's own, shown or not, for the engine to live in.
inline HWND makeHostWindow(bool visible = false, int width = 800, int height = 560) {
  static const ATOM registered = [] {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "QuorleEngineTestHost";
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    return RegisterClassA(&windowClass);
  }();
  (void)registered;
  HWND window = CreateWindowExA(0, "QuorleEngineTestHost", "engine test host",
                                WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 40, 40, width, height,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (visible) {
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
  }
  return window;
}

// Every callback the engine made, in order: "state 0 1", "opened",
// "message 513 1 655370".
inline std::vector<std::string> events;

inline void WINAPI recordMessage(int32_t message, int32_t wParam, int32_t lParam) {
  events.push_back("message " + std::to_string(message) + " " + std::to_string(wParam) + " " +
                   std::to_string(lParam));
}
inline void WINAPI recordState(int32_t oldState, int32_t newState) {
  events.push_back("state " + std::to_string(oldState) + " " + std::to_string(newState));
}
inline void WINAPI recordOpened() { events.push_back("opened"); }

// Handles window messages until the engine has reported `event`.
inline bool waitForEvent(const std::string& event, unsigned timeoutMs = 5000) {
  return support::waitUntil(
      [&] {
        for (const std::string& seen : events)
          if (seen == event) return true;
        return false;
      },
      timeoutMs);
}

inline void putLe(std::string& bytes, uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

struct WavLayout {
  uint32_t sampleRate = 8000;
  uint16_t channels = 1;
  uint16_t bitsPerSample = 16;
  uint32_t dataBytes = 16000;          // the bytes that follow the data chunk's header
  uint32_t claimedDataBytes = 0;       // what the data chunk's header says; 0: dataBytes
  std::string chunkBeforeData{};       // a whole chunk put between fmt and data
};

// A PCM WAV file's bytes (silence).
inline std::string wavBytes(const WavLayout& layout) {
  std::string fmt;
  fmt += "fmt ";
  putLe(fmt, 16, 4);
  putLe(fmt, 1, 2);
  putLe(fmt, layout.channels, 2);
  putLe(fmt, layout.sampleRate, 4);
  const uint32_t block = layout.channels * layout.bitsPerSample / 8;
  putLe(fmt, layout.sampleRate * block, 4);
  putLe(fmt, block, 2);
  putLe(fmt, layout.bitsPerSample, 2);
  std::string data = "data";
  putLe(data, layout.claimedDataBytes ? layout.claimedDataBytes : layout.dataBytes, 4);
  data += std::string(layout.dataBytes, '\0');
  std::string body = "WAVE" + fmt + layout.chunkBeforeData + data;
  std::string bytes = "RIFF";
  putLe(bytes, static_cast<uint32_t>(body.size()), 4);
  return bytes + body;
}

// A WAV of `milliseconds` at 8000 Hz, mono, 16-bit.
inline std::string wavOfMs(uint32_t milliseconds) {
  return wavBytes({.dataBytes = milliseconds * 16});
}

}  // namespace fixtures
