#pragma once
// The bytes of a PCM WAV file of silence: 8000 Hz, mono, 16 bit.
#include <cstdint>
#include <string>

namespace road {

inline std::string wavOfMs(uint32_t milliseconds) {
  auto put = [](std::string& bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  };
  const uint32_t dataBytes = milliseconds * 16;
  std::string bytes = "RIFF";
  put(bytes, 36 + dataBytes, 4);
  bytes += "WAVEfmt ";
  put(bytes, 16, 4);
  put(bytes, 1, 2);       // PCM
  put(bytes, 1, 2);       // mono
  put(bytes, 8000, 4);    // samples a second
  put(bytes, 16000, 4);   // bytes a second
  put(bytes, 2, 2);       // bytes a sample
  put(bytes, 16, 2);      // bits a sample
  bytes += "data";
  put(bytes, dataBytes, 4);
  return bytes + std::string(dataBytes, '\0');
}

}  // namespace road
