#pragma once
// What every fuzz target shares: a check that stops the run with the failing
// property, and an independent reading of code page 936 character boundaries
// (written apart from the rules under test, so the two can disagree).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#define FUZZ_CHECK(condition)                                                      \
  do {                                                                             \
    if (!(condition)) {                                                            \
      std::fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__, \
                   __LINE__);                                                      \
      std::abort();                                                                \
    }                                                                              \
  } while (0)

namespace fuzz {

inline std::string text(const uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// starts[i] is true when a character begins at byte i: a byte from 0x80 up
// opens a two-byte character unless it is the text's last byte.
inline std::vector<bool> characterStarts(const std::string& s) {
  std::vector<bool> starts(s.size() + 1, false);
  std::size_t i = 0;
  while (i < s.size()) {
    starts[i] = true;
    const bool lead = static_cast<unsigned char>(s[i]) >= 0x80;
    i += (lead && i + 1 < s.size()) ? 2 : 1;
  }
  starts[s.size()] = true;
  return starts;
}

// Cuts the input in two at its first zero byte (the second part may be empty):
// targets that take two texts.
inline void cutAtZero(const std::string& input, std::string& first, std::string& second) {
  const std::size_t zero = input.find('\0');
  first = input.substr(0, zero);
  second = zero == std::string::npos ? std::string() : input.substr(zero + 1);
}

}  // namespace fuzz
