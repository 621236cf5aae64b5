// fuzz-sources: framework/text.cpp framework/lines.cpp player/app/line_list.cpp
// The settings file's list scan (header before the input's first zero byte,
// the file's bytes after it): it ends, takes only lines beginning with ".",
// and agrees with a model over the lines the reader gives.
#include "player/app/line_list.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::string header, bytes;
  fuzz::cutAtZero(fuzz::text(data, size), header, bytes);
  fw::LineReader reader(bytes);
  fw::TextArray list;
  player::scanLineList(reader, header, list);
  FUZZ_CHECK(reader.atDataEnd());

  fw::LineReader again(bytes);
  std::vector<std::string> lines;
  while (!again.atDataEnd()) lines.push_back(again.readLine());
  // A run reads one line past the data's end when the data ends inside it:
  // that read gives the empty text, which ends the run.
  fw::TextArray expected;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] != header) continue;
    std::size_t j = i + 1;
    while (j < lines.size() && !lines[j].empty() && lines[j][0] == '.') expected.push_back(lines[j++]);
    i = j;   // the line that ended the run is not looked at again
  }
  FUZZ_CHECK(list == expected);
  for (const std::string& entry : list) FUZZ_CHECK(!entry.empty() && entry[0] == '.');
  return 0;
}
