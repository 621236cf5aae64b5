// The line rule shared by files and in-memory files: every reader built on it
// must come to an end, also at NUL and 0x1A bytes, and never cut a double-byte
// character.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/files.h"
#include "framework/lines.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace std::string_literals;

using fw::Bytes;
using fw::Text;
using fw::TextArray;

// The lines a reader gives until its data ends, as every caller reads them.
TextArray readAllLines(fw::LineReader& reader) {
  TextArray lines;
  for (int guard = 0; !reader.atDataEnd(); ++guard) {
    if (guard > 1000) {
      ADD_FAILURE() << "the reader does not come to an end";
      break;
    }
    lines.push_back(reader.readLine());
  }
  return lines;
}

struct LineCase {
  Bytes data;
  TextArray lines;
  bool reachesEnd;   // the read position reaches the real end of the data
};

const std::vector<LineCase>& lineCases() {
  static const std::vector<LineCase> cases = {
      {"a\nb\n", {"a", "b"}, true},
      {"a\r\nb\r\n", {"a", "b"}, true},
      {"a\r\nb", {"a", "b"}, true},
      {"a\nb\r", {"a", "b"}, true},
      {"\n\n", {"", ""}, true},
      {"a\r\r\n", {"a\r"}, true},
      {"a\rb\n", {"a\rb"}, true},                     // a lone CR mid-line stays
      {"\x81\nx\ny", {"\x81\nx", "y"}, true},        // a LF after a lead byte is its trail
      {"\x81\rz\n", {"\x81\rz"}, true},
      {"ab\x81", {"ab\x81"}, true},                   // a lead byte at the very end
      {"a\0b\n"s, {"a"}, false},                      // NUL ends the data
      {"\x1A" "abc", {}, false},                      // 0x1A at the start: nothing
      {"a\r\x1A" "b", {"a"}, false},                  // CR before the end of data goes
      {"\x81\0x"s, {"\x81"}, false},                  // a lead byte never takes a NUL
      {"\x81\x1A" "b\nc\n", {"\x81"}, false},          // nor a 0x1A, wherever the data ends
      {"\x81\x1A", {"\x81"}, false},
      {"", {}, true},
  };
  return cases;
}

TEST(LineReader, FollowsTheLineRules) {
  for (const LineCase& c : lineCases()) {
    SCOPED_TRACE(testing::PrintToString(c.data));
    fw::LineReader reader(c.data);
    EXPECT_EQ(readAllLines(reader), c.lines);
    EXPECT_EQ(reader.atEnd(), c.reachesEnd);
    // Past the end of the data every read is empty and stays there.
    EXPECT_EQ(reader.readLine(), "");
    EXPECT_TRUE(reader.atDataEnd());
  }
}

TEST(MemoryFile, ReadsWrittenTextByTheSameRules) {
  fw::MemoryFile memory;
  memory.write("D:\\F\\a.mp3\r\nD:\\F\\");
  memory.write("Sub\r\n电影.mp4\r\n");
  EXPECT_EQ(readAllLines(memory), (TextArray{"D:\\F\\a.mp3", "D:\\F\\Sub", "电影.mp4"}));
  memory.rewind();
  EXPECT_EQ(memory.readLine(), "D:\\F\\a.mp3");
}

using InputFileTest = support::TempFolderTest;

TEST_F(InputFileTest, ReadsAFileThatAnotherHandleIsWriting) {
  const std::string path = temp.file("选项.txt");
  HANDLE writer = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  const char text[] = "[忽略类型]\r\n.bak\n.tmp";
  DWORD written = 0;
  WriteFile(writer, text, sizeof text - 1, &written, nullptr);

  fw::InputFile file;
  ASSERT_TRUE(file.open(path));
  EXPECT_TRUE(file.isOpen());
  EXPECT_EQ(readAllLines(file), (TextArray{"[忽略类型]", ".bak", ".tmp"}));
  // While it is open, others may still write the file.
  HANDLE second = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  EXPECT_NE(second, INVALID_HANDLE_VALUE);
  CloseHandle(second);
  CloseHandle(writer);
  file.close();
  EXPECT_FALSE(file.isOpen());
}

TEST_F(InputFileTest, AMissingFileDoesNotOpenAndGivesNoLines) {
  fw::InputFile file;
  EXPECT_FALSE(file.open(temp.file("清单.txt")));
  EXPECT_FALSE(file.isOpen());
  EXPECT_TRUE(file.atDataEnd());
  EXPECT_EQ(file.readLine(), "");
}

TEST_F(InputFileTest, SixteenBitTextEndsAtItsFirstZeroByte) {
  // "a.mp3" stored as UTF-16: the first character's high byte is a NUL.
  const std::string path = temp.file("wide.txt");
  ASSERT_TRUE(support::writeFile(path, std::string("\xFF\xFE" "a\0.\0m\0p\0003\0", 12)));
  fw::InputFile file;
  ASSERT_TRUE(file.open(path));
  TextArray lines = readAllLines(file);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "\xFF\xFE" "a");
}

TEST_F(InputFileTest, AMediaFileIsReadOnlyUpToItsFirstZeroByte) {
  // A Matroska file begins with 0x1A; another file with a line and then a NUL.
  const std::vector<std::pair<std::string, TextArray>> files = {
      {"\x1A\x45\xDF\xA3"s, {}},
      {"ID3 a.mp3\r\n\0"s, {"ID3 a.mp3"}},
  };
  for (const auto& [head, lines] : files) {
    const std::string path = temp.file("film.mkv");
    ASSERT_TRUE(support::writeFile(path, head + std::string(4 << 20, 'x')));
    fw::InputFile file;
    ASSERT_TRUE(file.open(path));
    EXPECT_EQ(readAllLines(file), lines);
    EXPECT_LT(file.data().size(), std::size_t{1} << 20);
  }
}

}  // namespace
