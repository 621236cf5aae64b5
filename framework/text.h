#pragma once
// Text rules shared by both programs. A Text is a run of bytes in code page 936
// (GBK); nothing here converts to or from wide characters.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fw {

using Text = std::string;
using TextArray = std::vector<Text>;
using Bytes = std::string;   // a counted block of bytes (file contents, pictures)

// True for the first byte of a double-byte character. The rules below never take
// the byte that follows such a byte for a separator, quote or delimiter.
constexpr bool isLeadByte(unsigned char c) { return c >= 0x80; }

// The offset of the last `byte` that is not the trail byte of a double-byte
// character (a trail byte may be "\\"), or npos.
std::size_t findLastByte(const Text& text, char byte);

// The command line cut into arguments, program name skipped: bytes 0x01-0x20
// separate, a double quote groups up to the next one (both removed, no escapes).
TextArray commandLineArguments(const Text& commandLine);

// Leading blanks (space, tab, CR, LF, VT, FF, the full-width space) skipped, optional sign, decimal digits up to the first other
// character; full-width forms of ASCII count as ASCII; no digits give 0.
// Digits beyond the type's range wrap (modulo 2^32 or 2^64); they never trap.
int32_t textToInt(const Text& text);
int64_t textToInt64(const Text& text);
Text intToText(int64_t value);

// Fields before each delimiter remain even when empty; the rest after the last
// delimiter is a field only when it is not empty; an empty text gives no field.
TextArray splitText(const Text& text, const Text& delimiter);

// Forward search from byte offset `from`, letters A-Z compared without case, a
// match starting only at a character boundary. Returns the byte offset or npos.
std::size_t findNoCase(const Text& text, const Text& what, std::size_t from = 0);
// Every non-overlapping match of `what` (as findNoCase) replaced by `with`.
Text replaceNoCase(const Text& text, const Text& what, const Text& with);

// Time split with division truncating toward zero (remainders keep t's sign).
struct TimeFields {
  int64_t hours;
  int64_t minutes;
  int64_t seconds;
};
TimeFields splitTime(int64_t milliseconds);
// The decimal text with one "0" put in front when it is one character long.
Text twoDigit(int64_t value);

// Blanks (ASCII space and the full-width space) removed from the start.
Text trimLeadingSpaces(const Text& text);

// A text of n ASCII spaces.
Text spaces(std::size_t n);

}  // namespace fw
