// fuzz-sources: framework/text.cpp framework/lines.cpp player/app/line_list.cpp
// The settings file's list scan (header before the input's first zero byte,
// the file's bytes after it): it reads to the real end, takes only lines
// beginning with ".", and agrees with a model over the lines the reader gives
// for each piece of the bytes between NUL and 0x1A bytes.
#include "player/app/line_list.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

// The pieces between the bytes that end a line reader's data, each read to its
// own end: the lines the scan is meant to see, in order.
std::vector<std::string> linesOfPieces(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t cut = bytes.find_first_of(std::string("\0\x1A", 2), start);
    fw::LineReader piece(bytes.substr(start, cut == std::string::npos ? std::string::npos : cut - start));
    while (!piece.atEnd()) lines.push_back(piece.readLine());
    if (cut == std::string::npos) return lines;
    start = cut + 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::string header, bytes;
  fuzz::cutAtZero(fuzz::text(data, size), header, bytes);
  fw::LineReader reader(bytes);
  fw::TextArray list;
  player::scanLineList(reader, header, list);
  FUZZ_CHECK(reader.atEnd());

  const std::vector<std::string> lines = linesOfPieces(bytes);
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
  for (const std::string& entry : list) {
    FUZZ_CHECK(!entry.empty() && entry[0] == '.');
    FUZZ_CHECK(entry.find_first_of(std::string("\0\x1A", 2)) == std::string::npos);
  }
  return 0;
}
