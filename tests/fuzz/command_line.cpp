// fuzz-sources: framework/text.cpp
// The command-line split against a model written as a character-wise state
// machine; no field may hold a quote outside a double-byte character.
#include "framework/text.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

std::vector<std::string> model(const std::string& line) {
  const std::vector<bool> starts = fuzz::characterStarts(line);
  auto isStart = [&](std::size_t at) { return starts[at]; };
  auto isSeparator = [](unsigned char c) { return c >= 1 && c <= 32; };
  std::size_t i = 0;
  // The program name.
  if (!line.empty() && line[0] == '"') {
    i = 1;
    while (i < line.size() && !(isStart(i) && line[i] == '"')) ++i;
    if (i < line.size()) ++i;
    if (i < line.size() && line[i] == ' ') ++i;
  } else {
    while (i < line.size() && !(isStart(i) && line[i] == ' ')) ++i;
    if (i < line.size()) ++i;
  }
  enum { Between, Plain, Quoted } state = Between;
  std::vector<std::string> fields;
  std::string field;
  for (; i < line.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(line[i]);
    // A byte that does not begin a character belongs to the one before it,
    // whatever its value.
    const bool start = isStart(i);
    if (state == Between) {
      if (isSeparator(c)) continue;
      if (c == '"') {
        state = Quoted;
        continue;
      }
      state = Plain;
      field += static_cast<char>(c);
    } else if (state == Plain) {
      if (start && (c == '"' || isSeparator(c))) {
        fields.push_back(field);
        field.clear();
        state = Between;
        if (c == '"') state = Quoted;
        continue;
      }
      field += static_cast<char>(c);
    } else {
      if (start && c == '"') {
        fields.push_back(field);
        field.clear();
        state = Between;
        continue;
      }
      field += static_cast<char>(c);
    }
  }
  if (state != Between) fields.push_back(field);
  return fields;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string line = fuzz::text(data, size);
  const fw::TextArray fields = fw::commandLineArguments(line);
  for (const std::string& field : fields) {
    const std::vector<bool> starts = fuzz::characterStarts(field);
    for (std::size_t i = 0; i < field.size(); ++i) FUZZ_CHECK(!(starts[i] && field[i] == '"'));
  }
  FUZZ_CHECK(model(line) == fields);
  return 0;
}
