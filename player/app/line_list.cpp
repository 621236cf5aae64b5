#include "player/app/line_list.h"

namespace player {

void scanLineList(fw::LineReader& reader, const fw::Text& header, fw::TextArray& list) {
  // No line read moves past a NUL or 0x1A byte: taken as the end of the data,
  // so the scan always ends.
  while (!reader.atDataEnd()) {
    if (reader.readLine() != header) continue;
    for (;;) {
      fw::Text entry = reader.readLine();
      if (entry.empty() || entry[0] != '.') break;
      list.push_back(std::move(entry));
    }
  }
}

}  // namespace player
