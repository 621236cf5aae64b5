#pragma once
// Line reading over bytes already in memory: the one rule behind file and memory
// readers. A line ends at LF (consumed) with one CR before it dropped; the last
// line needs no end; a double-byte character is taken whole, so a LF right after
// a lead byte does not end the line. A NUL or 0x1A byte ends a line and is not
// consumed: callers decide how their reading ends there (atDataEnd tells them),
// or whether it goes on after it (skipDataEndBytes).
#include <functional>

#include "text.h"

namespace fw {

// Reads a file's bytes block by block through `read` (which fills at most `size`
// bytes and returns how many, 0 at the end, a negative number on failure) and
// stops after the block that holds the first NUL or 0x1A: no line read goes past
// that byte, so a media file taken for a text is not pulled into memory whole.
// False when a read failed.
using BlockReader = std::function<long long(char* buffer, std::size_t size)>;
bool readToDataEnd(const BlockReader& read, Bytes& bytes, std::size_t blockSize = 64 * 1024);

class LineReader {
 public:
  LineReader() = default;
  explicit LineReader(Bytes data) : data_(std::move(data)) {}

  // The next line; at the end of the data, the empty text.
  Text readLine();
  // The read position equals the data's length.
  bool atEnd() const { return pos_ >= data_.size(); }
  // atEnd, or the next byte is NUL or 0x1A (which no read moves past).
  bool atDataEnd() const;
  // Moves past the NUL and 0x1A bytes at the read position, if any: for a
  // reader that takes such a byte as the end of its line, not of the data,
  // and reads on to the data's real end.
  void skipDataEndBytes();
  void rewind() { pos_ = 0; }
  const Bytes& data() const { return data_; }

 protected:
  Bytes data_;
  std::size_t pos_ = 0;
};

}  // namespace fw
