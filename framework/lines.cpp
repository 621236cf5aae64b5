#include "framework/lines.h"

namespace fw {
namespace {

bool endsData(char c) { return c == '\0' || c == '\x1A'; }

}  // namespace

bool readToDataEnd(const BlockReader& read, Bytes& bytes, std::size_t blockSize) {
  bytes.clear();
  Text block(blockSize, '\0');
  for (;;) {
    const long long got = read(block.data(), block.size());
    if (got < 0) return false;
    if (got == 0) return true;
    const auto start = bytes.size();
    bytes.append(block, 0, static_cast<std::size_t>(got));
    if (bytes.find_first_of(Text("\0\x1A", 2), start) != Text::npos) return true;
  }
}

bool LineReader::atDataEnd() const { return atEnd() || endsData(data_[pos_]); }

void LineReader::skipDataEndBytes() {
  while (pos_ < data_.size() && endsData(data_[pos_])) ++pos_;
}

Text LineReader::readLine() {
  Text line;
  bool lastIsDoubleByte = false;
  while (pos_ < data_.size()) {
    char c = data_[pos_];
    if (endsData(c)) break;
    if (c == '\n') {
      ++pos_;
      break;
    }
    // A lead byte takes the next byte along, even a LF, but never a byte that
    // ends the data: the data ends there whatever comes after it.
    if (isLeadByte(static_cast<unsigned char>(c)) && pos_ + 1 < data_.size() &&
        !endsData(data_[pos_ + 1])) {
      line.append(data_, pos_, 2);
      pos_ += 2;
      lastIsDoubleByte = true;
      continue;
    }
    line += c;
    lastIsDoubleByte = false;
    ++pos_;
  }
  // One CR at the end of the line goes, whether a LF or the end of the data
  // follows it; a CR anywhere else stays. A CR taken as a trail byte is no CR.
  if (!line.empty() && line.back() == '\r' && !lastIsDoubleByte) line.pop_back();
  return line;
}

}  // namespace fw
