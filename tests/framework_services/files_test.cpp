// File existence and attributes, the attribute-masked directory search, whole
// files, the environment and the program's own folder.
#include <windows.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/files.h"
#include "tests/support/directory_link.h"
#include "tests/support/long_path.h"
#include "tests/support/temp_folder.h"

namespace {

using fw::Text;

class FilesTest : public support::TempFolderTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(support::writeFile(temp.file("a.mp3"), "x"));
    ASSERT_TRUE(support::writeFile(temp.file("电影.mp4"), "x"));
    ASSERT_TRUE(CreateDirectoryA(temp.file("Sub").c_str(), nullptr));
  }
};

// The rule's own answer: a directory search with the path as its pattern.
bool searchFinds(const Text& path) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}

TEST_F(FilesTest, ExistsExactlyWhenADirectorySearchFindsAnEntry) {
  ASSERT_TRUE(support::writeFile(temp.file("a long file name.mp3"), "x"));
  // 錦 is the GBK bytes E5 5C: its trail byte is a backslash.
  ASSERT_TRUE(support::writeFile(temp.file("錦"), "x"));
  ASSERT_TRUE(CreateDirectoryA(temp.file("夹錦").c_str(), nullptr));
  char shortName[MAX_PATH] = {};
  ASSERT_NE(GetShortPathNameA(temp.file("a long file name.mp3").c_str(), shortName, MAX_PATH), 0u);
  const Text drive = temp.path().substr(0, 2);

  // Where the expected answer is left open, the platform's search decides and
  // the test holds the existence test to whatever that is.
  struct Case {
    Text path;
    std::optional<bool> exists;
  };
  const std::vector<Case> cases = {
      {temp.file("a.mp3"), true},
      {temp.file("电影.mp4"), true},
      {temp.file("Sub"), true},                 // folders exist
      {temp.file("*.mp4"), true},               // a matching pattern exists
      {temp.file("?.mp3"), true},
      {temp.file("*.avi"), false},
      {temp.file("b.mp3"), false},
      {temp.file("missing\\b.mp3"), false},
      {"a.mp3", true},                          // relative to the current directory
      {shortName, true},                        // the 8.3 form of a long name
      {temp.file("錦"), true},
      {temp.file("夹錦"), true},
      {temp.file("夹錦") + "\\", std::nullopt},
      {temp.file("Sub\\"), std::nullopt},       // a trailing backslash
      {temp.file("Sub/"), std::nullopt},
      {temp.file("a.mp3\\"), std::nullopt},
      {temp.file("Sub\\."), std::nullopt},
      {temp.file("Sub\\.."), std::nullopt},
      {temp.file("a.mp3."), std::nullopt},
      {temp.file("a.mp3 "), std::nullopt},
      {temp.file("a.mp3::$DATA"), std::nullopt},
      {drive + "\\", std::nullopt},             // the drive root
      {drive, std::nullopt},
      {"C:\\", std::nullopt},
      {"\\\\?\\" + temp.file("a.mp3"), std::nullopt},
      {"nul", std::nullopt},
      {"", false},
      {"http://x", false},
      {"https://example.invalid/live.m3u8", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const bool found = searchFinds(c.path);
    if (c.exists) {
      ASSERT_EQ(found, *c.exists) << "the case does not show what it is meant to";
    }
    EXPECT_EQ(fw::fileExists(c.path), found);
    EXPECT_EQ(fw::isExistingFile(c.path), found && !fw::hasFolderBit(c.path));
    EXPECT_EQ(fw::fileExistence(c.path) == fw::Existence::kExists, found);
  }
}

// Absent only where the system said "not found"; where it could not look, the
// answer is that nobody knows, whether or not something is there.
TEST_F(FilesTest, ExistenceHasAThirdAnswerWhereTheSystemCannotLook) {
  support::LongPath longFile(temp.path(), "长.wav", 300);
  ASSERT_TRUE(longFile.made());
  ASSERT_TRUE(longFile.write("x"));
  support::LongPath longMissing(temp.path(), "无.wav", 300);
  ASSERT_TRUE(longMissing.made());
  const Text longFolder = longFile.path().substr(0, longFile.path().rfind('\\'));
  ASSERT_GT(longFolder.size(), 260u);

  using fw::Existence;
  const struct {
    Text path;
    Existence answer;
  } cases[] = {
      {temp.file("a.mp3"), Existence::kExists},
      {temp.file("Sub"), Existence::kExists},
      {temp.file("*.mp4"), Existence::kExists},
      {temp.file("b.mp3"), Existence::kAbsent},
      {temp.file("missing\\b.mp3"), Existence::kAbsent},
      {temp.file("*.avi"), Existence::kAbsent},
      {"", Existence::kAbsent},
      {longFile.path(), Existence::kUnknown},      // 300 bytes: past the ANSI routines
      {longMissing.path(), Existence::kUnknown},
      {longFolder, Existence::kUnknown},
      {"\\\\?\\" + longFile.path(), Existence::kUnknown},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(fw::fileExistence(c.path), c.answer);
    EXPECT_EQ(fw::fileExists(c.path), c.answer == Existence::kExists);
  }
}

TEST_F(FilesTest, AttributesAndTheFolderBit) {
  EXPECT_EQ(fw::fileAttributes(temp.file("a.mp3")) & fw::kFolderAttribute, 0u);
  EXPECT_FALSE(fw::hasFolderBit(temp.file("a.mp3")));
  EXPECT_TRUE(fw::hasFolderBit(temp.file("Sub")));
  // Unreadable attributes are all bits set, so they count as a folder.
  EXPECT_EQ(fw::fileAttributes(temp.file("missing")), fw::kAttributesUnreadable);
  EXPECT_TRUE(fw::hasFolderBit(temp.file("missing")));
  EXPECT_EQ(fw::fileAttributes(""), fw::kAttributesUnreadable);
}

// A link reaches the folder it leads to: the same identity, whichever path
// names it, and the reparse-point attribute on the link's own entry.
TEST_F(FilesTest, TheSameFolderHasOneIdentityWhateverPathOrLinkNamesIt) {
  ASSERT_TRUE(CreateDirectoryA(temp.file("Sub\\Deeper").c_str(), nullptr));
  support::DirectoryLink up(temp.file("Sub\\up"), "..");
  ASSERT_TRUE(up.made());
  const std::optional<fw::FileIdentity> top = fw::fileIdentity(temp.path());
  ASSERT_TRUE(top.has_value());
  for (const Text& same : {temp.path() + "\\", temp.file("Sub\\up"), temp.file("Sub\\up\\"),
                           temp.file("Sub\\up\\Sub\\up"), temp.file("Sub\\..")}) {
    SCOPED_TRACE(same);
    EXPECT_EQ(fw::fileIdentity(same), top);
  }
  const std::optional<fw::FileIdentity> sub = fw::fileIdentity(temp.file("Sub"));
  ASSERT_TRUE(sub.has_value());
  EXPECT_NE(sub, top);
  EXPECT_EQ(fw::fileIdentity(temp.file("Sub\\up\\Sub")), sub);
  EXPECT_NE(fw::fileIdentity(temp.file("Sub\\Deeper")), sub);
  EXPECT_NE(fw::fileIdentity(temp.file("a.mp3")), std::nullopt) << "a file has one too";
  EXPECT_EQ(fw::fileIdentity(temp.file("missing")), std::nullopt);
  EXPECT_EQ(fw::fileIdentity(""), std::nullopt);

  EXPECT_NE(fw::fileAttributes(temp.file("Sub\\up")) & fw::kReparsePointAttribute, 0u);
  EXPECT_EQ(fw::fileAttributes(temp.file("Sub")) & fw::kReparsePointAttribute, 0u);
}

// Every name the search gives for the pattern and mask, up to its empty end.
std::multiset<Text> searchAll(const Text& pattern, uint32_t mask) {
  std::multiset<Text> names;
  fw::FileSearch search;
  for (Text name = search.first(pattern, mask); !name.empty(); name = search.next()) {
    names.insert(name);
    if (names.size() > 100) break;
  }
  EXPECT_EQ(search.next(), "");   // the end stays the end
  return names;
}

class FileSearchTest : public support::TempFolderTest {
 protected:
  void make(const Text& name, DWORD attributes) {
    ASSERT_TRUE(support::writeFile(temp.file(name), "x"));
    ASSERT_TRUE(SetFileAttributesA(temp.file(name).c_str(), attributes));
  }
  void TearDown() override {
    // Read-only, hidden and system files must be plain again to be removed.
    for (const char* name : {"hidden.mp3", "system.mp3", "readonly.mp3", "normal.mp3"}) {
      SetFileAttributesA(temp.file(name).c_str(), FILE_ATTRIBUTE_NORMAL);
    }
  }
};

TEST_F(FileSearchTest, ReturnsOnlyEntriesWithABitOfTheMask) {
  make("hidden.mp3", FILE_ATTRIBUTE_HIDDEN);
  make("system.mp3", FILE_ATTRIBUTE_SYSTEM);
  make("readonly.mp3", FILE_ATTRIBUTE_READONLY);
  ASSERT_TRUE(CreateDirectoryA(temp.file("Sub").c_str(), nullptr));
  const Text all = temp.file("*");

  // Mask 55 (read-only, hidden, system, folder, archive): hidden and system
  // files come back, and so do the entries . and .. for the caller to drop.
  std::multiset<Text> found = searchAll(all, 55);
  for (const char* name : {".", "..", "Sub", "hidden.mp3", "system.mp3", "readonly.mp3"}) {
    EXPECT_EQ(found.count(name), 1u) << name;
  }
  EXPECT_EQ(searchAll(all, FILE_ATTRIBUTE_HIDDEN), (std::multiset<Text>{"hidden.mp3"}));
  EXPECT_EQ(searchAll(all, FILE_ATTRIBUTE_SYSTEM), (std::multiset<Text>{"system.mp3"}));
  EXPECT_EQ(searchAll(all, FILE_ATTRIBUTE_DIRECTORY), (std::multiset<Text>{".", "..", "Sub"}));
  EXPECT_EQ(searchAll(temp.file("Sub\\*"), FILE_ATTRIBUTE_DIRECTORY),
            (std::multiset<Text>{".", ".."}));
  // Names only, never a folder part; nothing at all for a missing folder.
  EXPECT_EQ(searchAll(temp.file("s*.mp3"), 55), (std::multiset<Text>{"system.mp3"}));
  EXPECT_TRUE(searchAll(temp.file("missing\\*"), 55).empty());
}

TEST_F(FileSearchTest, GivesTheAttributesOfTheEntryItReturnedLast) {
  make("hidden.mp3", FILE_ATTRIBUTE_HIDDEN);
  ASSERT_TRUE(CreateDirectoryA(temp.file("Sub").c_str(), nullptr));
  fw::FileSearch search;
  int seen = 0;
  for (Text name = search.first(temp.file("*"), 55); !name.empty(); name = search.next()) {
    EXPECT_EQ(search.attributes(), GetFileAttributesA(temp.file(name).c_str())) << name;
    ++seen;
  }
  EXPECT_EQ(seen, 4);   // ., .., Sub, hidden.mp3
  EXPECT_EQ(search.attributes(), 0u) << "nothing once the search has ended";
}

TEST_F(FileSearchTest, PassesOverAFileWithOnlyTheNormalAttribute) {
  make("normal.mp3", FILE_ATTRIBUTE_NORMAL);
  if (GetFileAttributesA(temp.file("normal.mp3").c_str()) != FILE_ATTRIBUTE_NORMAL) {
    GTEST_SKIP() << "this file system reports every file with the archive bit (Wine does)";
  }
  EXPECT_EQ(searchAll(temp.file("*.mp3"), 55).count("normal.mp3"), 0u);
}

using WholeFileTest = support::TempFolderTest;

TEST_F(WholeFileTest, WriteReplacesTheWholeContent) {
  const Text path = temp.file("示例图片.BMP");
  const fw::Bytes first(100000, '\x89');
  ASSERT_TRUE(fw::writeWholeFile(path, first));
  fw::Bytes back;
  ASSERT_TRUE(fw::readWholeFile(path, back));
  EXPECT_EQ(back, first);
  const fw::Bytes shorter("a\0b\r\n", 5);
  ASSERT_TRUE(fw::writeWholeFile(path, shorter));
  ASSERT_TRUE(fw::readWholeFile(path, back));
  EXPECT_EQ(back, shorter);
  ASSERT_TRUE(fw::writeWholeFile(path, ""));
  ASSERT_TRUE(fw::readWholeFile(path, back));
  EXPECT_EQ(back, "");
}

TEST_F(WholeFileTest, ReportsFilesThatCannotBeWrittenOrRead) {
  EXPECT_FALSE(fw::writeWholeFile(temp.file("missing\\x.txt"), "x"));
  fw::Bytes back = "old";
  EXPECT_FALSE(fw::readWholeFile(temp.file("missing.txt"), back));
  EXPECT_EQ(back, "");
}

using EnvironmentTest = support::TempFolderTest;

TEST_F(EnvironmentTest, VariablesDirectoriesAndTheProgramsOwnPath) {
  ASSERT_TRUE(SetEnvironmentVariableA("FRAMEWORK_SERVICES_VALUE", "值 1"));
  EXPECT_EQ(fw::environmentVariable("FRAMEWORK_SERVICES_VALUE"), "值 1");
  EXPECT_EQ(fw::environmentVariable("framework_services_value"), "值 1");
  SetEnvironmentVariableA("FRAMEWORK_SERVICES_VALUE", nullptr);
  EXPECT_EQ(fw::environmentVariable("FRAMEWORK_SERVICES_VALUE"), "");
  EXPECT_EQ(fw::environmentVariable("temp"), temp.path());

  EXPECT_EQ(fw::currentDirectory(), temp.path());
  ASSERT_TRUE(CreateDirectoryA(temp.file("子目录").c_str(), nullptr));
  ASSERT_TRUE(fw::setCurrentDirectory(temp.file("子目录")));
  EXPECT_EQ(fw::currentDirectory(), temp.file("子目录"));
  EXPECT_FALSE(fw::setCurrentDirectory(temp.file("missing")));
  ASSERT_TRUE(fw::setCurrentDirectory(temp.path()));

  char module[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, module, sizeof module);
  EXPECT_EQ(fw::programFolder() + "\\" + fw::programFileName(), Text(module, n));
  EXPECT_EQ(fw::programFileName().find('\\'), Text::npos);
  EXPECT_NE(fw::programFolder().back(), '\\');
}

TEST(PathRules, TheFolderOfAPathEndsAtItsLastRealBackslash) {
  const struct {
    Text path;
    Text folder;
  } cases[] = {
      {"C:\\媒体\\a.mp3", "C:\\媒体"},
      {"C:\\a.mp3", "C:\\"},            // a root keeps its backslash
      {"a.mp3", ""},
      {"C:\\錦", "C:\\"},               // 錦 ends in the byte of a backslash
      {"C:\\錦\\b.mp3", "C:\\錦"},
      {"\\\\server\\share\\c.mp3", "\\\\server\\share"},
  };
  for (const auto& c : cases) EXPECT_EQ(fw::folderOfPath(c.path), c.folder) << c.path;
  EXPECT_EQ(fw::lastBackslash("C:\\錦"), 2u);
  EXPECT_EQ(fw::lastBackslash("a"), Text::npos);
}

}  // namespace
