// The settings file: value rules of its keys and the scan of its extension lists.
#include <gtest/gtest.h>

#include "player/app/app.h"
#include "player/app/settings.h"
#include "player/playback/playback.h"
#include "tests/support/temp_folder.h"

namespace spine {
namespace {

class Settings : public support::TempFolderTest {
 protected:
  Settings() {
    player::initGlobals();
    player::settingsPath = temp.file("设置.txt");
  }
  ~Settings() override { player::cleanupGlobals(); }
  void write(const std::string& text) { ASSERT_TRUE(support::writeFile(player::settingsPath, text)); }
};

struct ScanCase {
  const char* name;
  std::string file;
  fw::TextArray skip;
  fw::TextArray convert;
};

const std::string kSkip = "[DLNA跳过音乐类型]";
const std::string kConvert = "[DLNA自动转换类型]";

std::vector<ScanCase> scanCases() {
  return {
      {"AnEmptyLineEndsTheRun", kSkip + "\r\n.ape\r\n.flac\r\n\r\n.wav\r\n", {".ape", ".flac"}, {}},
      {"TheHeaderAgainFurtherDownAppendsItsRun",
       kSkip + "\r\n.ape\r\n.flac\r\n\r\n.wav\r\n[其他]\r\n" + kSkip + "\r\n.dts\r\n",
       {".ape", ".flac", ".dts"}, {}},
      {"AHeaderRightAfterItsOwnRunIsConsumed", kSkip + "\r\n.ape\r\n" + kSkip + "\r\n.dts\r\n",
       {".ape"}, {}},
      {"AnotherListsHeaderRightAfterARunIsFound", kSkip + "\r\n.ape\r\n" + kConvert + "\r\n.flac\r\n",
       {".ape"}, {".flac"}},
      {"AHeaderWithATrailingBlankIsNotOne", kSkip + " \r\n.ape\r\n", {}, {}},
      {"AHeaderInSmallLettersIsNotOne", "[dlna跳过音乐类型]\r\n.ape\r\n", {}, {}},
      {"ABlankBeforeTheDotEndsTheRun", kSkip + "\r\n .ape\r\n.flac\r\n", {}, {}},
      {"TheWholeLineIsTheEntry", kSkip + "\r\n.mp3 ; 音乐\r\n.ogg\r\n", {".mp3 ; 音乐", ".ogg"}, {}},
      {"DuplicatesRemain", kSkip + "\r\n.ape\r\n.ape\r\n", {".ape", ".ape"}, {}},
      {"LineFeedsAloneEndLinesToo", kSkip + "\n.ape\n.flac\n", {".ape", ".flac"}, {}},
      {"TheLastLineNeedsNoEnd", kSkip + "\r\n.ape", {".ape"}, {}},
      // A NUL or 0x1A byte ends its line, not the file: what follows is read.
      {"ANulByteEndsOnlyItsLine",
       kSkip + "\r\n.ape\r\n" + std::string(1, '\0') + "\r\n" + kSkip + "\r\n.dts" + std::string(1, '\0') + ".mka",
       {".ape", ".dts", ".mka"}, {}},
      {"ASubstituteByteEndsOnlyItsLine", kSkip + "\r\n.ap\x1A" "e\r\n.dts\r\n" + kSkip + "\r\n.mka\r\n",
       {".ap", ".mka"}, {}},
      {"ASubstituteByteInARecordHidesNoListBehindIt",
       "[播放]\r\n上次播放文件=http://h/a\x1A" "b\r\n上次播放位置=5\r\n" + kConvert + "\r\n.wav\r\n" + kSkip +
           "\r\n.ape\r\n",
       {".ape"}, {".wav"}},
      {"ASubstituteByteAtALineStartMakesNoLine", kSkip + "\r\n.ape\r\n\x1A.flac\r\n\x1A\x1A\r\n.wav\r\n",
       {".ape", ".flac"}, {}},
      {"ASubstituteByteAfterADoubleByteLeadEndsTheLine", kConvert + "\r\n.\xB8\x1A.wav\x1A",
       {}, {".\xB8", ".wav"}},
      {"AFileOfSubstituteBytesHasNoEntries", std::string(3, '\x1A') + kSkip + "\x1A", {}, {}},
      {"AHeaderAtTheEndHasNoEntries", "[设置]\r\n默认音量=80\r\n" + kSkip, {}, {}},
  };
}

void PrintTo(const ScanCase& c, std::ostream* out) { *out << c.name; }

class SettingsScan : public Settings, public ::testing::WithParamInterface<ScanCase> {};

TEST_P(SettingsScan, FillsBothDlnaLists) {
  write(GetParam().file);
  player::loadDlnaSkipTypes();
  player::loadDlnaConvertTypes();
  EXPECT_EQ(player::dlnaSkipTypes, GetParam().skip);
  EXPECT_EQ(player::dlnaConvertTypes, GetParam().convert);
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsScan, ::testing::ValuesIn(scanCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Settings, ScanWithoutFileLeavesTheListAsItWas) {
  player::dlnaSkipTypes = {".ape"};
  player::loadDlnaSkipTypes();
  EXPECT_EQ(player::dlnaSkipTypes, fw::TextArray{".ape"});
}

TEST_F(Settings, ScanAppendsToWhatTheListHolds) {
  write(kSkip + "\r\n.flac\r\n");
  player::dlnaSkipTypes = {".ape"};
  player::loadDlnaSkipTypes();
  EXPECT_EQ(player::dlnaSkipTypes, (fw::TextArray{".ape", ".flac"}));
}

TEST_F(Settings, IntegersFollowTheTextToIntegerRule) {
  const struct {
    const char* stored;
    int value;
  } cases[] = {{"８０", 80}, {"80分", 80}, {"音量", 0}, {"  -5", -5}, {"", 0}};
  for (const auto& c : cases) {
    write(std::string("[设置]\r\n默认音量=") + c.stored + "\r\n");
    EXPECT_EQ(player::readIntegerSetting(player::kDefaultVolumeKey), c.value) << c.stored;
  }
  write("[设置]\r\n");
  EXPECT_EQ(player::readIntegerSetting(player::kDefaultVolumeKey), 80) << "missing key: the default";
}

TEST_F(Settings, OnlyTheExactWordForTrueIsTrue) {
  EXPECT_TRUE(player::isTrueSetting("真"));
  for (const char* other : {"假", "1", "true", "TRUE", "", "真的"}) EXPECT_FALSE(player::isTrueSetting(other)) << other;
}

}  // namespace
}  // namespace spine
