#pragma once
// Line reading over bytes already in memory: the one rule behind file and memory
// readers. A line ends at LF (consumed) with one CR before it dropped; the last
// line needs no end; a double-byte character is taken whole, so a LF right after
// a lead byte does not end the line. A NUL or 0x1A byte ends a line and is not
// consumed: callers decide how their reading ends there (atDataEnd tells them).
#include "text.h"

namespace fw {

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
  void rewind() { pos_ = 0; }
  const Bytes& data() const { return data_; }

 protected:
  Bytes data_;
  std::size_t pos_ = 0;
};

}  // namespace fw
