// fuzz-sources: framework/text.cpp framework/lines.cpp player/windows/dlna/renderer_lines.cpp
// The renderer list as the DLNA window reads it: the lines taken are the lines
// the reader gives that make exactly two fields at ";" (counted here at
// character boundaries, an empty rest after the last ";" being no field), whole
// and in order.
#include "framework/lines.h"
#include "player/windows/dlna/renderer_lines.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

bool twoFields(const std::string& line) {
  const std::vector<bool> starts = fuzz::characterStarts(line);
  int separators = 0;
  std::size_t last = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (starts[i] && line[i] == ';') {
      ++separators;
      last = i;
    }
  }
  const bool restIsAField = separators > 0 && last + 1 < line.size();
  return (separators == 1 && restIsAField) || (separators == 2 && !restIsAField);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string renderers = fuzz::text(data, size);
  const fw::TextArray taken = player::rendererLines(renderers);
  fw::LineReader reader(renderers);
  fw::TextArray expected;
  while (!reader.atDataEnd()) {
    std::string line = reader.readLine();
    if (twoFields(line)) expected.push_back(line);
  }
  FUZZ_CHECK(taken == expected);
  return 0;
}
