// kelvane.exe started as the player starts it, with the stand-in engine's
// journal telling what it asked of the engine.
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "conversion/conversion_program.h"
#include "engine-standin/standin_control.h"
#include "tests/standin/fixtures.h"
#include "tests/support/child.h"
#include "tests/support/long_path.h"
#include "tests/support/temp_folder.h"

namespace {

using standin::JournalLine;
using Journal = std::vector<JournalLine>;

class ConversionProgramTest : public support::TempFolderTest {
 protected:
  // Runs kelvane with the arguments as they are (quote them yourself); returns
  // its exit code and keeps the journal it caused.
  int run(const std::string& arguments, const std::string& engineConfiguration = std::string()) {
    const std::string self = support::selfPath();
    const std::string program = self.substr(0, self.find_last_of('\\')) + "\\kelvane.exe";
    const std::string journalPath = temp.file("journal.txt");
    DeleteFileA(journalPath.c_str());   // this run's lines alone
    std::vector<std::pair<std::string, std::string>> environment{{"STANDIN_ENGINE_JOURNAL", journalPath}};
    if (!engineConfiguration.empty()) {
      const std::string configurationPath = temp.file("engine.cfg");
      EXPECT_TRUE(support::writeFile(configurationPath, engineConfiguration));
      environment.push_back({"STANDIN_ENGINE_CONFIG", configurationPath});
    }
    const int code = support::runChild("\"" + program + "\" " + arguments, environment);
    journal = standin::journalLines(support::readFile(journalPath));
    return code;
  }

  static std::string quoted(const std::string& path) { return "\"" + path + "\""; }

  // The journal's first lines, after Create, with the engine's handle left out.
  std::vector<JournalLine> configurationAfterCreate() const {
    std::vector<JournalLine> lines;
    for (std::size_t i = 1; i < journal.size(); ++i) {
      JournalLine line = journal[i];
      line.erase(line.begin() + 1);
      lines.push_back(line);
    }
    return lines;
  }

  std::string source() {
    const std::string path = temp.file("夜曲 源.wav");
    EXPECT_TRUE(support::writeFile(path, fixtures::wavOfMs(700)));
    return path;
  }

  Journal journal;
};

TEST_F(ConversionProgramTest, TwoArgumentsConvertToWavAndEndOnceTheEngineIsIdle) {
  const std::string from = source();
  const std::string to = temp.file("目标 文件.wav");
  EXPECT_EQ(run(quoted(from) + " " + quoted(to)), conversion::kConverted);

  ASSERT_GE(journal.size(), 6u);
  const JournalLine& create = journal[0];
  ASSERT_EQ(create.size(), 14u);
  EXPECT_EQ(create[0], "APlayer_Create");
  EXPECT_NE(create[1], "0") << "the hidden start window is the parent";
  EXPECT_EQ(JournalLine(create.begin() + 2, create.end()),
            (JournalLine{"0", "0", "0", "0", "0", "1", "0", "0", "0", "0", "0", "0"}));
  const std::vector<JournalLine> lines = configurationAfterCreate();
  EXPECT_EQ(std::vector<JournalLine>(lines.begin(), lines.begin() + 4),
            (std::vector<JournalLine>{{"APlayer_SetConfigA", "6", "2"},
                                      {"APlayer_SetConfigA", "803", "wav"},
                                      {"APlayer_SetConfigA", "804", to},
                                      {"APlayer_OpenA", from}}));
  for (std::size_t i = 4; i < lines.size(); ++i) EXPECT_EQ(lines[i], JournalLine{"APlayer_GetState"});
  EXPECT_EQ(support::readFile(to), support::readFile(from));
}

TEST_F(ConversionProgramTest, ThreeArgumentsTakeTheFormatAfterTheColon) {
  const std::string to = temp.file("out.mp3");
  EXPECT_EQ(run("QuorleConvert:mp3 " + quoted(source()) + " " + quoted(to)), conversion::kConverted);
  const std::vector<JournalLine> lines = configurationAfterCreate();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[1], (JournalLine{"APlayer_SetConfigA", "803", "mp3"}));
}

// Arguments refused after the engine exists: each run ends after item 6,
// without converting and without touching anything, with its own exit code.
struct RefusedCase {
  const char* name;
  int exitCode;
  // The arguments, from the paths of a usable source, an existing file, a folder
  // and a destination that does not exist.
  std::string (*arguments)(const std::string& from, const std::string& existing, const std::string& folder,
                           const std::string& to);
};

void PrintTo(const RefusedCase& refused, std::ostream* out) { *out << refused.name; }

std::string q(const std::string& path) { return "\"" + path + "\""; }

const RefusedCase kRefused[] = {
    {"DestinationExists", conversion::kDestinationExists,
     [](auto& from, auto& existing, auto&, auto&) { return q(from) + " " + q(existing); }},
    {"SourceMissing", conversion::kUnusableSource,
     [](auto& from, auto&, auto&, auto& to) { return q(from + ".missing") + " " + q(to); }},
    {"SourceIsAFolder", conversion::kUnusableSource,
     [](auto&, auto&, auto& folder, auto& to) { return q(folder) + " " + q(to); }},
    {"NoColonInTheFirstOfThree", conversion::kWrongArguments,
     [](auto& from, auto&, auto&, auto& to) { return "wav " + q(from) + " " + q(to); }},
    {"NothingAfterTheColon", conversion::kWrongArguments,
     [](auto& from, auto&, auto&, auto& to) { return "x: " + q(from) + " " + q(to); }},
    {"FolderSourceInThreeArguments", conversion::kUnusableSource,
     [](auto&, auto&, auto& folder, auto& to) { return "x:wav " + q(folder) + " " + q(to); }},
    {"ExistingDestinationInThreeArguments", conversion::kDestinationExists,
     [](auto& from, auto& existing, auto&, auto&) { return "x:wav " + q(from) + " " + q(existing); }},
    {"FourArguments", conversion::kWrongArguments,
     [](auto& from, auto&, auto&, auto& to) { return "x:wav " + q(from) + " " + q(to) + " more"; }},
};

class RefusedArgumentsTest : public ConversionProgramTest, public testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedArgumentsTest, EndsAfterItem6WithoutConverting) {
  const std::string from = source();
  const std::string existing = temp.file("existing.wav");
  ASSERT_TRUE(support::writeFile(existing, "keep me"));
  const std::string folder = temp.file("folder.wav");
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string to = temp.file("out.wav");
  EXPECT_EQ(run(GetParam().arguments(from, existing, folder, to)), GetParam().exitCode);
  EXPECT_EQ(configurationAfterCreate(), (std::vector<JournalLine>{{"APlayer_SetConfigA", "6", "2"}}));
  EXPECT_EQ(GetFileAttributesA(to.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(support::readFile(existing), "keep me");
}

INSTANTIATE_TEST_SUITE_P(ConversionProgram, RefusedArgumentsTest, testing::ValuesIn(kRefused),
                         [](const testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

// A path of 300 bytes is past what the ANSI routines take, so they cannot tell
// whether it exists: an existing destination there must survive, and no run
// may guess. Each ends after item 6 with its own code, touching nothing.
TEST_F(ConversionProgramTest, APathWhoseExistenceCannotBeToldIsRefusedAndLeftAsItWas) {
  const std::string from = source();
  const std::string to = temp.file("out.wav");
  const std::string keep = "an earlier conversion: keep me";
  const struct {
    const char* what;
    bool longSource;
    bool exists;
    bool threeArguments;
  } cases[] = {
      {"an existing destination", false, true, false},
      {"an existing destination, format given", false, true, true},
      {"a destination that is not there", false, false, false},
      {"an existing source", true, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    support::LongPath longPath(temp.path(), c.longSource ? "长 源.wav" : "长 目标.wav", 300);
    ASSERT_TRUE(longPath.made());
    ASSERT_EQ(longPath.path().size(), 300u);
    if (c.exists) {
      ASSERT_TRUE(longPath.write(c.longSource ? support::readFile(from) : keep));
    }
    ASSERT_EQ(GetFileAttributesA(longPath.path().c_str()), INVALID_FILE_ATTRIBUTES);
    ASSERT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILENAME_EXCED_RANGE));

    const std::string arguments = c.longSource ? q(longPath.path()) + " " + q(to)
                                               : q(from) + " " + q(longPath.path());
    EXPECT_EQ(run((c.threeArguments ? "x:wav " : "") + arguments), conversion::kExistenceUnknown);
    EXPECT_EQ(configurationAfterCreate(), (std::vector<JournalLine>{{"APlayer_SetConfigA", "6", "2"}}));
    if (c.longSource) {
      EXPECT_EQ(GetFileAttributesA(to.c_str()), INVALID_FILE_ATTRIBUTES);
    } else if (c.exists) {
      EXPECT_TRUE(longPath.read() == keep) << "the existing destination was written over";
    } else {
      EXPECT_FALSE(longPath.exists());
    }
  }
}

TEST_F(ConversionProgramTest, FewerThanTwoArgumentsEndBeforeAnEngineExists) {
  for (const std::string& arguments : {std::string(), quoted(source())}) {
    SCOPED_TRACE(arguments);
    EXPECT_EQ(run(arguments), conversion::kWrongArguments);
    EXPECT_TRUE(journal.empty());
  }
}

TEST_F(ConversionProgramTest, AnEngineThatCannotBeCreatedEndsTheRun) {
  const std::string to = temp.file("out.wav");
  EXPECT_EQ(run(quoted(source()) + " " + quoted(to), "createFails = 1\r\n"), conversion::kNoEngine);
  ASSERT_EQ(journal.size(), 1u);
  EXPECT_EQ(journal[0][0], "APlayer_Create");
  EXPECT_EQ(GetFileAttributesA(to.c_str()), INVALID_FILE_ATTRIBUTES);
}

// A source the engine cannot play: the engine goes back to idle, the wait ends,
// and with no destination written the run does not count as a conversion.
TEST_F(ConversionProgramTest, UnplayableSourceEndsOnceTheEngineGivesUp) {
  const std::string broken = temp.file("broken.wav");
  ASSERT_TRUE(support::writeFile(broken, "RIFF but nothing more"));
  const std::string to = temp.file("out.wav");
  EXPECT_EQ(run(quoted(broken) + " " + quoted(to)), conversion::kNothingWritten);
  const std::vector<JournalLine> lines = configurationAfterCreate();
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(lines[3], (JournalLine{"APlayer_OpenA", broken}));
  EXPECT_EQ(GetFileAttributesA(to.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
