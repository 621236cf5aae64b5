// fuzz-sources: framework/text.cpp
// Text to integer against a model that folds full-width forms character by
// character and accumulates the digits in 128 bits, reduced modulo 2^64 at each
// step; the 32-bit result is the same value cut to 32 bits.
#include "framework/text.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

int64_t model(const std::string& s) {
  // Characters as ASCII where they have an ASCII form; others as a byte no rule reads.
  std::string ascii;
  const std::vector<bool> starts = fuzz::characterStarts(s);
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (!starts[i]) continue;
    const unsigned char c = static_cast<unsigned char>(s[i]);
    const bool pair = i + 1 < s.size() && !starts[i + 1];
    if (!pair) {
      ascii += static_cast<char>(c);
      continue;
    }
    const unsigned char t = static_cast<unsigned char>(s[i + 1]);
    if (c == 0xA3 && t >= 0xA1 && t <= 0xFE) {
      ascii += static_cast<char>(t - 0x80);
    } else if (c == 0xA1 && t == 0xA1) {
      ascii += ' ';
    } else {
      ascii += '\x7F';
    }
  }
  std::size_t i = ascii.find_first_not_of(" \t\n\v\f\r");
  if (i == std::string::npos) return 0;
  bool negative = false;
  if (ascii[i] == '-' || ascii[i] == '+') negative = ascii[i++] == '-';
  unsigned __int128 value = 0;
  const unsigned __int128 modulus = static_cast<unsigned __int128>(1) << 64;
  for (; i < ascii.size() && ascii[i] >= '0' && ascii[i] <= '9'; ++i) {
    value = (value * 10 + static_cast<unsigned>(ascii[i] - '0')) % modulus;
  }
  const uint64_t low = static_cast<uint64_t>(value);
  return static_cast<int64_t>(negative ? (~low + 1) : low);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string s = fuzz::text(data, size);
  const int64_t expected = model(s);
  FUZZ_CHECK(fw::textToInt64(s) == expected);
  FUZZ_CHECK(fw::textToInt(s) == static_cast<int32_t>(static_cast<uint32_t>(expected)));
  return 0;
}
