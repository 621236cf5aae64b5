// fuzz-sources: framework/text.cpp framework/lines.cpp player/app/hand_over_file.cpp
// The hand-over file's two numbers, from whatever bytes another program left
// in it: the reading takes nothing after the second line's end, agrees with a
// plain model where the bytes are ASCII, and a written record reads back as
// itself.
#include <cstring>

#include "player/app/hand_over_file.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

// ASCII only: a line ends at LF (one CR before it dropped) or before a NUL or
// 0x1A byte, which no line moves past.
std::vector<std::string> modelLines(const std::string& s, std::size_t count, std::size_t& end) {
  std::vector<std::string> lines;
  std::size_t i = 0;
  while (lines.size() < count) {
    std::string line;
    while (i < s.size() && s[i] != '\n' && s[i] != '\0' && s[i] != '\x1A') line += s[i++];
    if (i < s.size() && s[i] == '\n') {
      ++i;
      if (!line.empty() && line.back() == '\r') line.pop_back();
    }
    lines.push_back(line);
  }
  end = i;
  return lines;
}

player::HandOverRecord read(const std::string& bytes) {
  fw::LineReader reader(bytes);
  return player::readHandOverRecord(reader);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string bytes = fuzz::text(data, size);
  const player::HandOverRecord record = read(bytes);

  bool ascii = true;
  for (unsigned char c : bytes) ascii = ascii && c < 0x80;
  if (ascii) {
    std::size_t end = 0;
    const std::vector<std::string> lines = modelLines(bytes, 2, end);
    FUZZ_CHECK(record.processId == fw::textToInt(lines[0]));
    FUZZ_CHECK(record.listHandle == fw::textToInt(lines[1]));
    // Nothing after the second line's end counts. The byte at the end is kept:
    // a NUL or 0x1A there is where the reading stopped.
    if (end < bytes.size()) {
      std::string other = bytes.substr(0, end + 1);
      other += "987\r\n654";
      const player::HandOverRecord cut = read(other);
      FUZZ_CHECK(cut.processId == record.processId && cut.listHandle == record.listHandle);
    }
  }

  // Two numbers from the input, written as the first instance writes them.
  if (size >= 8) {
    player::HandOverRecord written;
    std::memcpy(&written.processId, data, 4);
    std::memcpy(&written.listHandle, data + 4, 4);
    const fw::Bytes file = player::handOverFileBytes(written);
    FUZZ_CHECK(file.find('\0') == std::string::npos && file.back() != '\n');
    const player::HandOverRecord back = read(file);
    FUZZ_CHECK(back.processId == written.processId && back.listHandle == written.listHandle);
  }
  return 0;
}
