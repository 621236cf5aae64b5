// INI items by the Windows profile rules, with GBK names and the 10240-byte cut.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/ini.h"
#include "framework/text.h"
#include "tests/support/temp_folder.h"

namespace {

using fw::Text;

class IniTest : public support::TempFolderTest {
 protected:
  Text settings() const { return temp.file("选项.txt"); }
};

TEST_F(IniTest, ReadsByTheProfileRules) {
  ASSERT_TRUE(support::writeFile(settings(),
                                 "[选项]\r\n"
                                 "字号=  80  \r\n"
                                 "排列方式=2\r\n"
                                 "[Recent]\r\n"
                                 "LastFile = D:\\m\\a b.txt \r\n"
                                 "[忽略类型]\r\n"
                                 ".bak\r\n"));
  struct Case {
    Text section, key, defaultValue, value;
  };
  const std::vector<Case> cases = {
      {"选项", "字号", "80", "80"},              // blanks around the value dropped
      {"选项", "排列方式", "0", "2"},
      {"RECENT", "lastfile", "", "D:\\m\\a b.txt"},  // names match without case
      {"选项", "窗口宽度", "800", "800"},          // missing key: the default
      {"历史", "上次打开文件", "", ""},               // missing section
      {"  选项", "\t字号", "", "80"},             // leading blanks skipped on a read
      {"\x01选项", " \x1F排列方式", "", "2"},         // and control characters
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.section + "/" + c.key);
    EXPECT_EQ(fw::iniRead(settings(), c.section, c.key, c.defaultValue), c.value);
  }
  EXPECT_EQ(fw::iniRead("  " + settings(), "选项", "排列方式", "0"), "2");
}

TEST_F(IniTest, AMissingFileReadsAsDefaults) {
  EXPECT_EQ(fw::iniRead(settings(), "选项", "自动保存秒数", "5000"), "5000");
  EXPECT_EQ(fw::iniRead(settings(), "选项", "打印机", ""), "");
  EXPECT_EQ(GetFileAttributesA(settings().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(IniTest, WriteCreatesTheFileAndKeysWithGbkNames) {
  ASSERT_TRUE(fw::iniWrite(settings(), "选项", "字号", "\xA3\xB8\xA3\xB0"));
  ASSERT_TRUE(fw::iniWrite(settings(), "历史", "上次打开文件", "D:\\文档\\一.txt"));
  ASSERT_TRUE(fw::iniWrite(settings(), "历史", "上次光标位置", "62030"));
  ASSERT_TRUE(fw::iniWrite(settings(), "历史", "上次光标位置", "70000"));   // replaced
  EXPECT_EQ(fw::textToInt(fw::iniRead(settings(), "选项", "字号", "80")), 80);
  EXPECT_EQ(fw::iniRead(settings(), "历史", "上次打开文件", ""), "D:\\文档\\一.txt");
  EXPECT_EQ(fw::iniRead(settings(), "历史", "上次光标位置", ""), "70000");
  // The file holds the GBK bytes, readable by the line scan too.
  std::string bytes = support::readFile(settings());
  EXPECT_NE(bytes.find("[选项]"), std::string::npos);
  EXPECT_NE(bytes.find("上次打开文件=D:\\文档\\一.txt"), std::string::npos);
}

TEST_F(IniTest, AWriteThatCannotHappenReportsFailure) {
  EXPECT_FALSE(fw::iniWrite(temp.file("missing\\选项.txt"), "选项", "排列方式", "1"));
}

TEST_F(IniTest, NothingWithALineBreakIsWrittenSoNoWriteAddsALineKeyOrSection) {
  const Text before = "[历史]\r\n上次打开文件=D:\\文档\\一.txt\r\n";
  const Text injected = "D:\\a.txt\r\n[格式列表]\r\n.injected";
  const struct {
    const char* what;
    Text section, key, value;
  } cases[] = {
      {"CR LF in the value", "历史", "上次打开文件", injected},
      {"LF alone", "历史", "上次打开文件", "D:\\a.txt\n[格式列表]"},
      {"CR alone", "历史", "上次打开文件", "D:\\a.txt\r键=值"},
      {"a line break at the end", "历史", "上次打开文件", "D:\\a.txt\r\n"},
      {"in a new key's value", "历史", "新键", injected},
      {"in the key", "历史", "键\r\n[格式列表]", "1"},
      {"in the section", "历史]\r\n[格式列表", "键", "1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(support::writeFile(settings(), before));
    EXPECT_FALSE(fw::iniWrite(settings(), c.section, c.key, c.value));
    EXPECT_EQ(support::readFile(settings()), before);
  }
  // Without a line break the same write goes through.
  ASSERT_TRUE(fw::iniWrite(settings(), "历史", "上次打开文件", "D:\\a.txt [格式列表] .injected"));
  EXPECT_EQ(fw::iniRead(settings(), "历史", "上次打开文件", ""), "D:\\a.txt [格式列表] .injected");
}

// What the profile functions give back of a value written through them, and
// the rule that says so beforehand.
TEST_F(IniTest, AValueReadsBackWhereTheRuleSaysSo) {
  enum Back { kSame, kChanged, kRefusedAnyway };   // kRefusedAnyway: a control byte kept here
  const struct {
    const char* what;
    Text value;
    Back back;
  } cases[] = {
      {"a path", "D:\\文档\\一.txt", kSame},
      {"an address", "http://192.0.2.1/a b.mp4?x=1;y", kSame},
      {"empty", "", kSame},
      {"full-width blanks at the ends", "\xA1\xA1" "a\xA1\xA1", kSame},
      {"one quote at the start", "\"a", kSame},
      {"different quotes at the ends", "\"a'", kSame},
      {"as long as the buffer holds", Text(10239, 'v'), kSame},
      {"a leading blank", " a", kChanged},
      {"a trailing blank", "a ", kChanged},
      {"a TAB at the end", "a\t", kChanged},
      {"0x1A at the end", "a\x1A", kChanged},
      {"0x1A at the start", "\x1A" "a", kChanged},
      {"a line break", "a\r\nb", kChanged},
      {"in double quotes", "\"a\"", kChanged},
      {"in single quotes", "'a'", kChanged},
      {"a lead byte alone at the end", "a\xB8", kChanged},
      {"a lead byte before no trail byte", "a\x81\x30" "b", kChanged},
      {"longer than the buffer", Text(10240, 'v'), kChanged},
      {"0x1A inside", "a\x1A" "b", kRefusedAnyway},
      {"a TAB inside", "a\tb", kRefusedAnyway},
      {"0x01 inside", "a\x01" "b", kRefusedAnyway},
      {"0x7F inside", "a\x7F" "b", kRefusedAnyway},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(fw::iniValueReadsBack(c.value), c.back == kSame);
    DeleteFileA(settings().c_str());
    WritePrivateProfileStringA("历史", "上次打开文件", c.value.c_str(), settings().c_str());
    const bool same = fw::iniRead(settings(), "历史", "上次打开文件", "(none)") == c.value;
    if (c.back != kRefusedAnyway) {
      EXPECT_EQ(same, c.back == kSame) << "the case does not show what it is meant to";
    }
  }
}

TEST_F(IniTest, LongValuesAreCutToTheBuffer) {
  const Text longValue(12000, 'v');
  ASSERT_TRUE(support::writeFile(settings(), "[选项]\r\n打印机=" + longValue + "\r\n"));
  EXPECT_EQ(fw::iniRead(settings(), "选项", "打印机", ""), Text(10239, 'v'));
  const Text fits(10239, 'w');
  ASSERT_TRUE(support::writeFile(settings(), "[选项]\r\n打印机=" + fits + "\r\n"));
  EXPECT_EQ(fw::iniRead(settings(), "选项", "打印机", ""), fits);
}

}  // namespace
