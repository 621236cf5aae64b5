// The journal and the configuration file, in this process and in another.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/standin/standin_test.h"
#include "tests/support/child.h"

namespace {

TEST_F(StandInTest, JournalHoldsEveryRoutineCalledWithItsArguments) {
  engine::APlayer_SetConfigA(handle, 612, "音量：5%");
  engine::APlayer_SetCustomLogo(handle, reinterpret_cast<HBITMAP>(INT_PTR(0x1234)));
  engine::APlayer_SetPosition(handle, -5);
  engine::APlayer_OpenA(handle, nullptr);
  engine::APlayer_GetConfigA(0, 10);
  engine::APlayer_Create(host, 1, 2, 3, 4, nullptr, fixtures::recordState, nullptr, 0, 0, 0, 0, 0);

  const std::string h = std::to_string(handle);
  const std::string parent = std::to_string(reinterpret_cast<INT_PTR>(host));
  EXPECT_EQ(standin::journal(),
            "APlayer_Create\t" + parent + "\t0\t40\t800\t450\t1\t1\t1\t0\t0\t0\t0\t0\r\n"
            "APlayer_SetConfigA\t" + h + "\t612\t音量：5%\r\n"
            "APlayer_SetCustomLogo\t" + h + "\t4660\r\n"
            "APlayer_SetPosition\t" + h + "\t-5\r\n"
            "APlayer_OpenA\t" + h + "\t\r\n"
            "APlayer_GetConfigA\t0\t10\r\n"
            "APlayer_Create\t" + parent + "\t1\t2\t3\t4\t0\t1\t0\t0\t0\t0\t0\t0\r\n");

  standin::clearJournal();
  engine::APlayer_GetState(handle);
  EXPECT_EQ(standin::journalLines(), (std::vector<standin::JournalLine>{{"APlayer_GetState", h}}));
}

TEST_F(StandInTest, JournalFileGetsEachLineAsItIsWritten) {
  const std::string path = temp.file("journal.txt");
  SetEnvironmentVariableA("STANDIN_ENGINE_JOURNAL", path.c_str());
  engine::APlayer_SetVolume(handle, 80);
  EXPECT_EQ(support::readFile(path), "APlayer_SetVolume\t" + std::to_string(handle) + "\t80\r\n");
  engine::APlayer_GetVolume(handle);
  EXPECT_EQ(standin::journalLines(support::readFile(path)).size(), 2u);
  SetEnvironmentVariableA("STANDIN_ENGINE_JOURNAL", nullptr);
}

// A player polls the engine for as long as it runs; the journal in memory must
// not grow with it.
TEST_F(StandInTest, JournalInMemoryKeepsTheNewestLinesWithinItsLimit) {
  for (int i = 0; i < 300000; ++i) engine::APlayer_GetState(0);
  engine::APlayer_SetVolume(0, 7);
  const std::string journal = standin::journal();
  EXPECT_LE(journal.size(), 4u << 20);
  EXPECT_GE(journal.size(), 1u << 20);
  EXPECT_EQ(journal.substr(0, 17), "APlayer_GetState\t") << "whole lines only";
  EXPECT_EQ(standin::journalLines(journal).back(), (standin::JournalLine{"APlayer_SetVolume", "0", "7"}));
}

// In a process of its own, with the variables set by its parent: 0 when the
// engine took its configuration from the file.
QUORLE_CHILD(engine_with_configuration_file) {
  HWND host = fixtures::makeHostWindow();
  EngineHandle handle = engine::APlayer_Create(host, 0, 0, 100, 100, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0);
  if (handle == 0) return 1;
  if (std::string(engine::APlayer_GetConfigA(handle, 10)) != "扬声器;耳机 (USB)") return 2;
  if (std::string(engine::APlayer_GetConfigA(handle, 601)) != "0") return 3;
  engine::APlayer_SetVolume(handle, 42);
  return 0;
}

// Both files in the program's folder, which may have a Chinese name with a
// blank: the variables' values hold double-byte characters then.
TEST(StandInConfigurationFile, AnotherProcessReadsItAndWritesTheJournalFile) {
  for (const std::string folderName : {"", "程序 目录"}) {
    SCOPED_TRACE("folder '" + folderName + "'");
    support::TempFolder temp;
    std::string folder = temp.path();
    if (!folderName.empty()) {
      folder += "\\" + folderName;
      ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    }
    const std::string config = folder + "\\engine.cfg";
    const std::string journal = folder + "\\journal.txt";
    ASSERT_TRUE(support::writeFile(config,
                                   "# the stand-in's settings\r\n"
                                   "devices = 扬声器;耳机 (USB)\r\n"
                                   "\r\n"
                                   "; no frame on the video\r\n"
                                   "overlay=0\r\n"
                                   "not a setting\n"));
    const int code = support::runChild(support::childCommandLine("engine_with_configuration_file"),
                                       {{"STANDIN_ENGINE_CONFIG", config}, {"STANDIN_ENGINE_JOURNAL", journal}});
    EXPECT_EQ(code, 0);
    const auto lines = standin::journalLines(support::readFile(journal));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0][0], "APlayer_Create");
    EXPECT_EQ(lines[3], (standin::JournalLine{"APlayer_SetVolume", lines[1][1], "42"}));
    EXPECT_EQ(GetFileAttributesA((folder + "\\journal").c_str()), INVALID_FILE_ATTRIBUTES)
        << "the journal under a name cut short";
  }
}

TEST_F(StandInTest, ResetConfigForgetsChangesMadeInProcess) {
  standin::setConfig("overlay", "0");
  standin::resetConfig();
  EXPECT_EQ(item(601), "1");
}

}  // namespace
