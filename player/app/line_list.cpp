#include "player/app/line_list.h"

namespace player {
namespace {

// A NUL or 0x1A byte ends the line it stands in and is passed over where a
// line would begin, so the scan reads to the data's real end: 0x1A, the end
// mark of old text files, may stand in a value of the file's INI sections,
// and the lists after it are the user's all the same.
fw::Text nextLine(fw::LineReader& reader) {
  reader.skipDataEndBytes();
  return reader.readLine();
}

}  // namespace

void scanLineList(fw::LineReader& reader, const fw::Text& header, fw::TextArray& list) {
  for (;;) {
    reader.skipDataEndBytes();
    if (reader.atEnd()) return;
    if (reader.readLine() != header) continue;
    for (;;) {
      fw::Text entry = nextLine(reader);
      if (entry.empty() || entry[0] != '.') break;
      list.push_back(std::move(entry));
    }
  }
}

}  // namespace player
