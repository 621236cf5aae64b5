// The shared text rules, as tables of the inputs that catch real faults: program
// names with and without quotes, GBK trail bytes that look like quotes, blanks or
// backslashes, full-width digits, negative times.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/text.h"

namespace {

using fw::Text;
using fw::TextArray;

// GBK characters whose trail byte is an ASCII character the rules look for.
const Text kTrailQuote = "\x81\x22";       // trail byte '"'
const Text kTrailSpace = "\x81\x20";       // trail byte ' '
const Text kTrailBackslash = "\x81\x5C";   // trail byte '\'
const Text kTrailLowerA = "\x81\x61";      // trail byte 'a'
const Text kTrailUpperA = "\x81\x41";      // trail byte 'A'

TEST(CommandLine, SplitsArgumentsByTheProgramsRules) {
  struct Case {
    Text line;
    TextArray arguments;
  };
  const std::vector<Case> cases = {
      {"q.exe", {}},
      {"q.exe a b", {"a", "b"}},
      {"\"C:\\Program Files\\q.exe\"", {}},
      {"\"C:\\Program Files\\q.exe\" x", {"x"}},
      {"\"C:\\Program Files\\q.exe\"   x  y ", {"x", "y"}},
      // A path with one space, unquoted, is two arguments; quoted, it is one.
      {"q.exe D:\\My Films\\a.mp4", {"D:\\My", "Films\\a.mp4"}},
      {"q.exe \"D:\\My Films\\a.mp4\"", {"D:\\My Films\\a.mp4"}},
      {"C:\\p\\tool.exe \"D:\\m\\a.flac\" \"D:\\m\\a.wav\"", {"D:\\m\\a.flac", "D:\\m\\a.wav"}},
      // Every byte from 0x01 to 0x20 separates.
      {"q.exe a\tb\x01" "c\x1F" "d", {"a", "b", "c", "d"}},
      // A quote ends an unquoted argument and opens a quoted one; no escapes.
      {"q.exe a\"b c\"d", {"a", "b c", "d"}},
      {"q.exe \"a\\\" b", {"a\\", "b"}},
      {"q.exe \"unterminated x", {"unterminated x"}},
      // Trail bytes 0x22 and 0x20 are part of their character, never a quote or a
      // separator, also inside a quoted program name.
      {"q.exe " + kTrailQuote + "x y", {kTrailQuote + "x", "y"}},
      {"q.exe " + kTrailSpace + "z", {kTrailSpace + "z"}},
      {"q.exe \"" + kTrailQuote + " b\"", {kTrailQuote + " b"}},
      {"\"C:\\" + kTrailQuote + "q.exe\" a", {"a"}},
      {"C:\\" + kTrailSpace + "q.exe a", {"a"}},
      {"q.exe 打开 \"文档 一.txt\"", {"打开", "文档 一.txt"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(fw::commandLineArguments(c.line), c.arguments);
  }
}

TEST(TextToInteger, ReadsTheLeadingNumberIncludingFullWidthForms) {
  struct Case {
    Text text;
    int32_t value;
  };
  const std::vector<Case> cases = {
      {"123", 123},
      {"80abc", 80},
      {"  -45x", -45},
      {"+7", 7},
      {"\t\r\n 9", 9},
      {"1 2", 1},
      {"- 5", 0},
      {"abc", 0},
      {"", 0},
      {"-", 0},
      {"\xA3\xB8\xA3\xB0", 80},                 // full-width 8 0
      {"\xA3\xAD\xA3\xB5", -5},                 // full-width - 5
      {"\xA3\xAB" "3", 3},                      // full-width +, ASCII 3
      {"\xA1\xA1\xA1\xA1" "12", 12},            // full-width spaces before
      {"1\xA3\xB2" "3", 123},                   // mixed widths
      {"\x81\x39" "7", 0},                      // a character whose trail byte is "9"
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"4294967301", 5},                        // wraps modulo 2^32
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(fw::textToInt(c.text), c.value);
  }
  EXPECT_EQ(fw::textToInt64("9223372036854775807"), INT64_MAX);
  EXPECT_EQ(fw::textToInt64("-9223372036854775808"), INT64_MIN);
  EXPECT_EQ(fw::textToInt64("\xA3\xB1\xA3\xB0\xA3\xB0\xA3\xB0\xA3\xB0\xA3\xB0\xA3\xB0\xA3\xB0\xA3\xB0\xA3\xB0\xA3\xB0"),
            int64_t{10000000000});
  // Far too many digits: wraps, never traps.
  (void)fw::textToInt64(Text(400, '9'));
  EXPECT_EQ(fw::intToText(-1234567890123), "-1234567890123");
}

TEST(SplitText, KeepsInnerEmptyFieldsAndDropsAnEmptyRest) {
  struct Case {
    Text text;
    Text delimiter;
    TextArray fields;
  };
  const std::vector<Case> cases = {
      {"D:\\films\\", "\\", {"D:", "films"}},
      {"clip.mp3.", ".", {"clip", "mp3"}},
      {"D:\\a.b\\clip.mp4", ".", {"D:\\a", "b\\clip", "mp4"}},
      {";a;;b;", ";", {"", "a", "", "b"}},
      {"a;b", ";", {"a", "b"}},
      {";", ";", {""}},
      {";;", ";", {"", ""}},
      {"abc", ";", {"abc"}},
      {"", ";", {}},
      {"0:1:2:030", ":", {"0", "1", "2", "030"}},
      {"a\r\nb\r\n", "\r\n", {"a", "b"}},
      // A trail byte 0x5C is never the delimiter.
      {"C:\\" + kTrailBackslash + "\\x", "\\", {"C:", kTrailBackslash, "x"}},
      {kTrailBackslash, "\\", {kTrailBackslash}},
      {"文档\\页.txt", "\\", {"文档", "页.txt"}},
      // A delimiter ending in a lone lead byte never takes half of a
      // double-byte character (found by fuzzing).
      {"P\xC4 \x1E", "\xC4", {"P\xC4 \x1E"}},
      {"P\xC4 \xC4", "\xC4", {"P\xC4 "}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text + " at " + c.delimiter);
    EXPECT_EQ(fw::splitText(c.text, c.delimiter), c.fields);
  }
}

TEST(FindNoCase, MatchesLettersWithoutCaseAtCharacterBoundaries) {
  struct Case {
    Text text;
    Text what;
    std::size_t from;
    std::size_t at;
  };
  const std::size_t none = Text::npos;
  const std::vector<Case> cases = {
      {"D:\\FLAC\\b.Flac", "flac", 0, 3},
      {"D:\\FLAC\\b.Flac", "flac", 4, 10},
      {"a.mp4", "MP4", 0, 2},
      {"b.MP4", "mp4", 0, 2},
      {"c.avi", "mp4", 0, none},
      {"abc", "abcd", 0, none},
      // An empty search text is in every text that is not empty.
      {"ab", "", 0, 0},
      {"", "", 0, none},
      // A trail byte never starts a match, and is compared exactly.
      {kTrailLowerA + "a", "a", 0, 2},
      {kTrailUpperA, kTrailLowerA, 0, none},
      {"文档A.txt", "a.TXT", 0, 4},
      // A match ends on a character boundary too: a search text ending in a
      // lone lead byte never matches half of a double-byte character.
      {"A\xB0\xA1", "a\xB0", 0, none},
      {"A\xB0", "a\xB0", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text + " / " + c.what);
    EXPECT_EQ(fw::findNoCase(c.text, c.what, c.from), c.at);
  }
}

TEST(ReplaceNoCase, ReplacesNonOverlappingMatchesSteppingOverDoubleByteCharacters) {
  struct Case {
    Text text;
    Text what;
    Text with;
    Text result;
  };
  const std::vector<Case> cases = {
      {"D:\\FLAC\\b.Flac", "Flac", "wav", "D:\\wav\\b.wav"},
      {"D:\\flac\\x.flac", "flac", "wav", "D:\\wav\\x.wav"},
      {"D:\\m\\a.mp3", "mp3", "wav", "D:\\m\\a.wav"},
      {"aaa", "aa", "b", "ba"},
      {"x", "", "y", "x"},
      {kTrailLowerA + "a", "a", "X", kTrailLowerA + "X"},
      {"歌A.ape", "APE", "wav", "歌A.wav"},
      {"A\xB0\xA1", "a\xB0", "x", "A\xB0\xA1"},   // no half character is cut
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(fw::replaceNoCase(c.text, c.what, c.with), c.result);
  }
}

TEST(TimeFields, TruncateTowardZeroAndPadToTwoDigits) {
  struct Case {
    int64_t milliseconds;
    int64_t hours, minutes, seconds;
  };
  const std::vector<Case> cases = {
      {0, 0, 0, 0},
      {62030, 0, 1, 2},
      {620030, 0, 10, 20},
      {3725000, 1, 2, 5},
      {999, 0, 0, 0},
      {90000000, 25, 0, 0},
      {-61500, 0, -1, -1},
      {-3723999, -1, -2, -3},
      {-999, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.milliseconds);
    fw::TimeFields fields = fw::splitTime(c.milliseconds);
    EXPECT_EQ(fields.hours, c.hours);
    EXPECT_EQ(fields.minutes, c.minutes);
    EXPECT_EQ(fields.seconds, c.seconds);
  }
  EXPECT_EQ(fw::twoDigit(7), "07");
  EXPECT_EQ(fw::twoDigit(0), "00");
  EXPECT_EQ(fw::twoDigit(12), "12");
  EXPECT_EQ(fw::twoDigit(123), "123");
  EXPECT_EQ(fw::twoDigit(-5), "-5");
}

TEST(TrimLeadingSpaces, RemovesAsciiAndFullWidthSpacesOnly) {
  EXPECT_EQ(fw::trimLeadingSpaces("  a b "), "a b ");
  EXPECT_EQ(fw::trimLeadingSpaces("\xA1\xA1 \xA1\xA1x"), "x");
  EXPECT_EQ(fw::trimLeadingSpaces("\t x"), "\t x");
  EXPECT_EQ(fw::trimLeadingSpaces("\xA1\xA2"), "\xA1\xA2");
  EXPECT_EQ(fw::trimLeadingSpaces("   "), "");
  EXPECT_EQ(fw::spaces(3), "   ");
  EXPECT_EQ(fw::spaces(0), "");
}

}  // namespace
