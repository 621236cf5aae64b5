// Files that someone else can leave beside the programs (a download folder, a
// shared folder) under the names of system libraries the programs use: with
// Wine told to prefer such a file to its own library, as a Windows without the
// system's protection would take it, neither program loads it, and both still
// work with the engine library that lies beside them.
//
// Only libraries that Wine's own system libraries do not import can be tried
// this way: told to prefer a planted kernel32, user32 or advapi32, Wine itself
// takes it as the process starts, whatever the program does.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine-standin/standin_control.h"
#include "tests/standin/fixtures.h"
#include "tests/support/child.h"
#include "tests/support/player_program.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wait.h"

namespace spine {
namespace {

const char* const kPlantedNames[] = {"shell32.dll", "comctl32.dll"};

std::string inQuotes(const std::string& path) { return "\"" + path + "\""; }

std::string folderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

// Tells Wine, while it lives, to prefer a native library of each planted name
// found first on the search (the program's folder comes first) to its own, in
// the programs of that file name. WINEDLLOVERRIDES would say the same, but Wine
// takes it from the host environment a program starts with, which the test
// program's own changes to its environment do not reach; the per-program key
// of Wine's registry does, and no other test's programs bear these names.
class PreferPlantedLibraries {
 public:
  explicit PreferPlantedLibraries(const std::string& programFileName)
      : key_("Software\\Wine\\AppDefaults\\" + programFileName) {
    HKEY overrides = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, (key_ + "\\DllOverrides").c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &overrides, nullptr) != ERROR_SUCCESS) {
      return;
    }
    made_ = true;
    for (const char* name : kPlantedNames) {
      const std::string library(name, std::string(name).find('.'));
      const char order[] = "native,builtin";
      made_ = made_ && RegSetValueExA(overrides, library.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(order),
                                      sizeof order) == ERROR_SUCCESS;
    }
    RegCloseKey(overrides);
  }
  ~PreferPlantedLibraries() { RegDeleteTreeA(HKEY_CURRENT_USER, key_.c_str()); }
  PreferPlantedLibraries(const PreferPlantedLibraries&) = delete;
  PreferPlantedLibraries& operator=(const PreferPlantedLibraries&) = delete;

  bool made() const { return made_; }

 private:
  std::string key_;
  bool made_ = false;
};

// The programs' copies, under names of their own (see PreferPlantedLibraries).
constexpr char kPlayerCopy[] = "quorleplayer-planted.exe";
constexpr char kKelvaneCopy[] = "kelvane-planted.exe";

class PlantedLibraries : public support::TempFolderTest {
 protected:
  // The stand-in engine from beside this test program, beside the copy.
  static void copyEngine(const std::string& folder) {
    ASSERT_TRUE(CopyFileA((folderOf(support::selfPath()) + "\\APlayerCaller.dll").c_str(),
                          (folder + "\\APlayerCaller.dll").c_str(), FALSE));
  }
  // A folder for the program's copy.
  std::string programFolder() {
    const std::string folder = temp.file("program");
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
  }
  // The program copied under `copyName` into a folder of its own, with the
  // stand-in engine and the planted libraries beside it: the copy's path.
  std::string layOutCopy(const char* program, const char* copyName) {
    const std::string folder = programFolder();
    const std::string copy = folder + "\\" + copyName;
    EXPECT_TRUE(CopyFileA(support::windowsPath(program).c_str(), copy.c_str(), FALSE)) << copyName;
    copyEngine(folder);
    plant(folder);
    return copy;
  }
  // The planted library under each name, beside the program.
  static void plant(const std::string& folder) {
    const std::string planted = support::windowsPath(QUORLE_PLANTED_LIBRARY);
    for (const char* name : kPlantedNames) {
      ASSERT_TRUE(CopyFileA(planted.c_str(), (folder + "\\" + name).c_str(), FALSE)) << name;
    }
  }
  // The planted libraries whose entry point ran.
  static std::vector<std::string> loaded(const std::string& folder) {
    std::vector<std::string> names;
    for (const char* name : kPlantedNames) {
      if (GetFileAttributesA((folder + "\\" + name + ".ran").c_str()) != INVALID_FILE_ATTRIBUTES) {
        names.push_back(name);
      }
    }
    return names;
  }
  static std::vector<standin::JournalLine> journalOf(const std::string& journal) {
    return standin::journalLines(support::readFile(journal));
  }
};

BOOL CALLBACK findDropTarget(HWND window, LPARAM found) {
  if ((GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) == 0) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

TEST_F(PlantedLibraries, ThePlayerStartsAndPlaysWithoutLoadingThem) {
  const std::string copy = layOutCopy(QUORLE_PLAYER_EXE, kPlayerCopy);
  ASSERT_FALSE(HasFailure());
  const std::string folder = folderOf(copy);
  PreferPlantedLibraries prefer(kPlayerCopy);
  ASSERT_TRUE(prefer.made());
  const std::string clip = temp.file("clip.mp3");
  ASSERT_TRUE(support::writeFile(clip, ""));
  const std::string journal = temp.file("journal.txt");

  support::PlayerProgram player(copy);
  ASSERT_TRUE(player.start(inQuotes(clip), journal));
  const HWND main = player.mainWindow();
  EXPECT_TRUE(main != nullptr &&
              support::waitUntil([&] { return support::PlayerProgram::closeButton(main) != nullptr; }, 15000))
      << "no main window";
  ASSERT_EQ(loaded(folder), std::vector<std::string>{}) << "a planted library ran inside the player";
  ASSERT_NE(main, nullptr);

  // The engine beside the program plays the command line's file.
  EXPECT_TRUE(support::waitUntil(
      [&] {
        for (const standin::JournalLine& line : journalOf(journal))
          if (line.size() == 3 && line[0] == "APlayer_OpenA" && line[2] == clip) return true;
        return false;
      },
      15000));
  // The video window takes dropped files: the system's shell32 did it.
  HWND dropTarget = nullptr;
  EnumChildWindows(main, findDropTarget, reinterpret_cast<LPARAM>(&dropTarget));
  EXPECT_NE(dropTarget, nullptr);

  support::pressFromOutside(support::PlayerProgram::closeButton(main));
  EXPECT_EQ(player.waitForExit(), 0);
  EXPECT_EQ(loaded(folder), std::vector<std::string>{});
}

TEST_F(PlantedLibraries, KelvaneConvertsWithoutLoadingThem) {
  const std::string program = layOutCopy(QUORLE_KELVANE_EXE, kKelvaneCopy);
  ASSERT_FALSE(HasFailure());
  const std::string folder = folderOf(program);
  PreferPlantedLibraries prefer(kKelvaneCopy);
  ASSERT_TRUE(prefer.made());
  const std::string from = temp.file("源.wav");
  ASSERT_TRUE(support::writeFile(from, fixtures::wavOfMs(700)));
  const std::string to = temp.file("目标.wav");
  const std::string journal = temp.file("journal.txt");

  EXPECT_EQ(support::runChild(inQuotes(program) + " " + inQuotes(from) + " " + inQuotes(to),
                              {{"STANDIN_ENGINE_JOURNAL", journal}}),
            0);
  EXPECT_EQ(support::readFile(to), support::readFile(from));
  const std::vector<standin::JournalLine> lines = journalOf(journal);
  ASSERT_FALSE(lines.empty()) << "the engine beside the program was not used";
  EXPECT_EQ(lines.front().front(), "APlayer_Create");
  EXPECT_EQ(loaded(folder), std::vector<std::string>{}) << "a planted library ran inside kelvane";
}

}  // namespace
}  // namespace spine
