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
  Text settings() const { return temp.file("设置.txt"); }
};

TEST_F(IniTest, ReadsByTheProfileRules) {
  ASSERT_TRUE(support::writeFile(settings(),
                                 "[设置]\r\n"
                                 "默认音量=  80  \r\n"
                                 "循环模式=2\r\n"
                                 "[Play]\r\n"
                                 "LastFile = D:\\m\\a b.mp4 \r\n"
                                 "[DLNA跳过音乐类型]\r\n"
                                 ".ape\r\n"));
  struct Case {
    Text section, key, defaultValue, value;
  };
  const std::vector<Case> cases = {
      {"设置", "默认音量", "80", "80"},              // blanks around the value dropped
      {"设置", "循环模式", "0", "2"},
      {"PLAY", "lastfile", "", "D:\\m\\a b.mp4"},  // names match without case
      {"设置", "播放器宽度", "800", "800"},          // missing key: the default
      {"播放", "上次播放文件", "", ""},               // missing section
      {"  设置", "\t默认音量", "", "80"},             // leading blanks skipped on a read
      {"\x01设置", " \x1F循环模式", "", "2"},         // and control characters
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.section + "/" + c.key);
    EXPECT_EQ(fw::iniRead(settings(), c.section, c.key, c.defaultValue), c.value);
  }
  EXPECT_EQ(fw::iniRead("  " + settings(), "设置", "循环模式", "0"), "2");
}

TEST_F(IniTest, AMissingFileReadsAsDefaults) {
  EXPECT_EQ(fw::iniRead(settings(), "设置", "快进毫秒数", "5000"), "5000");
  EXPECT_EQ(fw::iniRead(settings(), "设置", "音频输出设备", ""), "");
  EXPECT_EQ(GetFileAttributesA(settings().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(IniTest, WriteCreatesTheFileAndKeysWithGbkNames) {
  ASSERT_TRUE(fw::iniWrite(settings(), "设置", "默认音量", "\xA3\xB8\xA3\xB0"));
  ASSERT_TRUE(fw::iniWrite(settings(), "播放", "上次播放文件", "D:\\电影\\一.mp4"));
  ASSERT_TRUE(fw::iniWrite(settings(), "播放", "上次播放位置", "62030"));
  ASSERT_TRUE(fw::iniWrite(settings(), "播放", "上次播放位置", "70000"));   // replaced
  EXPECT_EQ(fw::textToInt(fw::iniRead(settings(), "设置", "默认音量", "80")), 80);
  EXPECT_EQ(fw::iniRead(settings(), "播放", "上次播放文件", ""), "D:\\电影\\一.mp4");
  EXPECT_EQ(fw::iniRead(settings(), "播放", "上次播放位置", ""), "70000");
  // The file holds the GBK bytes, readable by the line scan too.
  std::string bytes = support::readFile(settings());
  EXPECT_NE(bytes.find("[设置]"), std::string::npos);
  EXPECT_NE(bytes.find("上次播放文件=D:\\电影\\一.mp4"), std::string::npos);
}

TEST_F(IniTest, AWriteThatCannotHappenReportsFailure) {
  EXPECT_FALSE(fw::iniWrite(temp.file("missing\\设置.txt"), "设置", "循环模式", "1"));
}

TEST_F(IniTest, LongValuesAreCutToTheBuffer) {
  const Text longValue(12000, 'v');
  ASSERT_TRUE(support::writeFile(settings(), "[设置]\r\n音频输出设备=" + longValue + "\r\n"));
  EXPECT_EQ(fw::iniRead(settings(), "设置", "音频输出设备", ""), Text(10239, 'v'));
  const Text fits(10239, 'w');
  ASSERT_TRUE(support::writeFile(settings(), "[设置]\r\n音频输出设备=" + fits + "\r\n"));
  EXPECT_EQ(fw::iniRead(settings(), "设置", "音频输出设备", ""), fits);
}

}  // namespace
