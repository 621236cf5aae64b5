// fuzz-sources: framework/text.cpp framework/registry_path.cpp
// The registry path split: key, "\" and value name give back the path; the
// value name holds no "\" at a character boundary; the key ends on one.
#include "framework/registry.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string path = fuzz::text(data, size);
  const fw::RegistryPath split = fw::splitRegistryPath(path);
  const std::vector<bool> starts = fuzz::characterStarts(path);
  bool separated = false;
  for (std::size_t i = 0; i < path.size(); ++i) separated |= starts[i] && path[i] == '\\';
  if (!separated) {
    FUZZ_CHECK(split.key.empty() && split.valueName == path);
    return 0;
  }
  FUZZ_CHECK(split.key + "\\" + split.valueName == path);
  FUZZ_CHECK(starts[split.key.size()] && path[split.key.size()] == '\\');
  for (std::size_t i = split.key.size() + 1; i < path.size(); ++i) FUZZ_CHECK(!(starts[i] && path[i] == '\\'));
  return 0;
}
