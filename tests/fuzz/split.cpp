// fuzz-sources: framework/text.cpp
// Splitting at a delimiter (the input's part before its first zero byte is the
// text, the rest the delimiter): joined again with the delimiter the fields give
// back the text, less one delimiter at its end (the empty last field is
// dropped); no field holds the delimiter at a character boundary, and no field
// begins with a trail byte or ends with a lone lead byte that the text paired.
#include "framework/text.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::string textPart, delimiter;
  fuzz::cutAtZero(fuzz::text(data, size), textPart, delimiter);
  const fw::TextArray fields = fw::splitText(textPart, delimiter);
  if (textPart.empty()) {
    FUZZ_CHECK(fields.empty());
    return 0;
  }
  if (delimiter.empty()) {
    FUZZ_CHECK(fields.size() == 1 && fields[0] == textPart);
    return 0;
  }
  std::string joined;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) joined += delimiter;
    joined += fields[i];
  }
  FUZZ_CHECK(joined == textPart || joined + delimiter == textPart);
  // Where the fields lie in the text, each must begin and end on a character
  // boundary of the text.
  const std::vector<bool> starts = fuzz::characterStarts(textPart);
  std::size_t at = 0;
  for (const std::string& field : fields) {
    FUZZ_CHECK(starts[at]);
    FUZZ_CHECK(starts[at + field.size()]);
    const std::vector<bool> inner = fuzz::characterStarts(field);
    for (std::size_t i = 0; i + delimiter.size() <= field.size(); ++i) {
      FUZZ_CHECK(!(inner[i] && field.compare(i, delimiter.size(), delimiter) == 0 &&
                   inner[i + delimiter.size()]));
    }
    at += field.size() + delimiter.size();
  }
  return 0;
}
