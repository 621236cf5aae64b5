#include "types.h"

namespace standin {
namespace {

bool isLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x81; }

}  // namespace

std::size_t findByte(const Text& text, char byte, std::size_t from) {
  for (std::size_t i = from; i < text.size(); ++i) {
    if (text[i] == byte) return i;
    if (isLeadByte(text[i])) ++i;
  }
  return Text::npos;
}

std::size_t lastSegmentStart(const Text& text) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' || text[i] == '/') {
      start = i + 1;
    } else if (isLeadByte(text[i])) {
      ++i;
    }
  }
  return start;
}

std::vector<Text> splitAt(const Text& text, char separator) {
  std::vector<Text> pieces;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = findByte(text, separator, start);
    if (end == Text::npos) end = text.size();
    pieces.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return pieces;
}

}  // namespace standin
