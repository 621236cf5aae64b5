// fuzz-sources: framework/text.cpp framework/lines.cpp
// The line reader over memory and over a file read in blocks: reading always
// ends, never hands out a byte at or after the data's first NUL or 0x1A, and
// both readers give the same lines. The first input byte picks the block size.
#include "framework/lines.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

std::vector<std::string> readAllLines(fw::LineReader& reader, std::size_t limit) {
  std::vector<std::string> lines;
  std::size_t rounds = 0;
  while (!reader.atDataEnd()) {
    FUZZ_CHECK(++rounds <= limit);   // every line read moves on
    lines.push_back(reader.readLine());
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t blockSize = 1 + data[0] % 16;
  const std::string bytes = fuzz::text(data + 1, size - 1);
  const std::size_t dataEnd = std::min(bytes.find('\0'), bytes.find('\x1A'));

  fw::LineReader memory(bytes);
  const std::vector<std::string> lines = readAllLines(memory, bytes.size() + 1);
  std::size_t handedOut = 0;
  for (const std::string& line : lines) {
    FUZZ_CHECK(line.find('\0') == std::string::npos);
    FUZZ_CHECK(line.find('\x1A') == std::string::npos);
    handedOut += line.size();
  }
  if (dataEnd != std::string::npos) FUZZ_CHECK(handedOut <= dataEnd);

  std::size_t offset = 0;
  fw::Bytes fileBytes;
  const bool read = fw::readToDataEnd(
      [&](char* buffer, std::size_t room) -> long long {
        const std::size_t n = std::min(room, bytes.size() - offset);
        std::copy(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                  bytes.begin() + static_cast<std::ptrdiff_t>(offset + n), buffer);
        offset += n;
        return static_cast<long long>(n);
      },
      fileBytes, blockSize);
  FUZZ_CHECK(read);
  // Only up to the block that holds the data's end is read.
  if (dataEnd != std::string::npos) FUZZ_CHECK(fileBytes.size() < dataEnd + 1 + blockSize);
  fw::LineReader file(fileBytes);
  FUZZ_CHECK(readAllLines(file, fileBytes.size() + 1) == lines);
  return 0;
}
