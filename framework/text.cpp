#include "framework/text.h"

namespace fw {
namespace {

// Length in bytes of the character starting at `at`: a lead byte takes the byte
// after it along, unless the text ends there.
std::size_t charLength(const Text& text, std::size_t at) {
  return isLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
}

bool isArgumentSeparator(unsigned char c) { return c >= 0x01 && c <= 0x20; }

bool isFullWidthSpace(const Text& text, std::size_t at) {
  return at + 1 < text.size() && static_cast<unsigned char>(text[at]) == 0xA1 &&
         static_cast<unsigned char>(text[at + 1]) == 0xA1;
}

// The text with the full-width forms of ASCII (row 0xA3 of GBK, and the
// full-width space 0xA1 0xA1) replaced by the ASCII characters they stand for.
// Other double-byte characters stay whole, so their trail bytes are never read
// as digits or signs.
Text foldFullWidth(const Text& text) {
  Text folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    std::size_t n = charLength(text, i);
    if (n == 2) {
      auto lead = static_cast<unsigned char>(text[i]);
      auto trail = static_cast<unsigned char>(text[i + 1]);
      if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
        folded += static_cast<char>(trail - 0x80);
      } else if (lead == 0xA1 && trail == 0xA1) {
        folded += ' ';
      } else {
        folded.append(text, i, 2);
      }
    } else {
      folded += text[i];
    }
    i += n;
  }
  return folded;
}

// Digits accumulate modulo 2^64, so an overlong number wraps instead of
// overflowing a signed type.
uint64_t parseDecimal(const Text& text) {
  Text folded = foldFullWidth(text);
  std::size_t i = 0;
  while (i < folded.size() && (folded[i] == ' ' || (folded[i] >= '\t' && folded[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) negative = folded[i++] == '-';
  uint64_t value = 0;
  for (; i < folded.size() && folded[i] >= '0' && folded[i] <= '9'; ++i) {
    value = value * 10 + static_cast<uint64_t>(folded[i] - '0');
  }
  return negative ? 0 - value : value;
}

char foldCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// `what` matches `text` at `at` (a character boundary), character by character,
// so the match also ends on one: a `what` ending in a lone lead byte never takes
// half of a double-byte character of the text. Single bytes compare without case
// when asked, double-byte characters exactly (their trail bytes can look like
// letters).
bool matchesAt(const Text& text, std::size_t at, const Text& what, bool ignoreCase) {
  if (at + what.size() > text.size()) return false;
  for (std::size_t j = 0; j < what.size();) {
    const std::size_t n = charLength(what, j);
    if (charLength(text, at + j) != n) return false;
    if (n == 2) {
      if (text[at + j] != what[j] || text[at + j + 1] != what[j + 1]) return false;
    } else if (ignoreCase ? foldCase(text[at + j]) != foldCase(what[j]) : text[at + j] != what[j]) {
      return false;
    }
    j += n;
  }
  return true;
}

}  // namespace

std::size_t findLastByte(const Text& text, char byte) {
  std::size_t last = Text::npos;
  for (std::size_t i = 0; i < text.size(); i += charLength(text, i)) {
    if (text[i] == byte) last = i;
  }
  return last;
}

TextArray commandLineArguments(const Text& line) {
  std::size_t i = 0;
  if (!line.empty() && line[0] == '"') {
    for (i = 1; i < line.size() && line[i] != '"'; i += charLength(line, i)) {}
    if (i < line.size()) ++i;   // the closing quote
    if (i < line.size() && line[i] == ' ') ++i;
  } else {
    for (; i < line.size() && line[i] != ' '; i += charLength(line, i)) {}
    if (i < line.size()) ++i;   // the space
  }

  TextArray arguments;
  while (i < line.size()) {
    auto c = static_cast<unsigned char>(line[i]);
    if (isArgumentSeparator(c)) {
      ++i;
    } else if (c == '"') {
      std::size_t start = ++i;
      while (i < line.size() && line[i] != '"') i += charLength(line, i);
      arguments.push_back(line.substr(start, i - start));
      if (i < line.size()) ++i;   // the closing quote
    } else {
      std::size_t start = i;
      while (i < line.size()) {
        auto d = static_cast<unsigned char>(line[i]);
        if (d == '"' || isArgumentSeparator(d)) break;
        i += charLength(line, i);
      }
      arguments.push_back(line.substr(start, i - start));
    }
  }
  return arguments;
}

int32_t textToInt(const Text& text) { return static_cast<int32_t>(parseDecimal(text)); }

int64_t textToInt64(const Text& text) { return static_cast<int64_t>(parseDecimal(text)); }

Text intToText(int64_t value) { return std::to_string(value); }

TextArray splitText(const Text& text, const Text& delimiter) {
  TextArray fields;
  if (text.empty()) return fields;
  if (delimiter.empty()) return {text};
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size();) {
    if (matchesAt(text, i, delimiter, false)) {
      fields.push_back(text.substr(start, i - start));
      i += delimiter.size();
      start = i;
    } else {
      i += charLength(text, i);
    }
  }
  if (start < text.size()) fields.push_back(text.substr(start));
  return fields;
}

std::size_t findNoCase(const Text& text, const Text& what, std::size_t from) {
  for (std::size_t i = 0; i < text.size(); i += charLength(text, i)) {
    if (i >= from && matchesAt(text, i, what, true)) return i;
  }
  return Text::npos;
}

Text replaceNoCase(const Text& text, const Text& what, const Text& with) {
  if (what.empty()) return text;
  Text result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (matchesAt(text, i, what, true)) {
      result += with;
      i += what.size();
    } else {
      std::size_t n = charLength(text, i);
      result.append(text, i, n);
      i += n;
    }
  }
  return result;
}

TimeFields splitTime(int64_t milliseconds) {
  return {milliseconds / 3600000, (milliseconds / 60000) % 60, (milliseconds / 1000) % 60};
}

Text twoDigit(int64_t value) {
  Text digits = intToText(value);
  return digits.size() == 1 ? "0" + digits : digits;
}

Text trimLeadingSpaces(const Text& text) {
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == ' ') {
      ++i;
    } else if (isFullWidthSpace(text, i)) {
      i += 2;
    } else {
      break;
    }
  }
  return text.substr(i);
}

Text spaces(std::size_t n) { return Text(n, ' '); }

}  // namespace fw
