#include "tests/player_system/system_test.h"

#include <windows.h>

#include "tests/support/temp_folder.h"

namespace system_test {

namespace {

constexpr char kFileAssociations[] =
    "SOFTWARE\\Clients\\Media\\Quorle多媒体播放器\\Capabilities\\FileAssociations";

}  // namespace

std::string userChoiceKey(const std::string& ext) {
  return "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\" + ext +
         "\\UserChoice";
}

void SystemTest::TearDown() {
  for (const std::string& ext : extensions_) {
    const std::string fileExts = userChoiceKey(ext).substr(0, userChoiceKey(ext).rfind('\\'));
    RegDeleteTreeA(HKEY_CURRENT_USER, fileExts.c_str());
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kFileAssociations, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
      RegDeleteValueA(key, ext.c_str());
      RegCloseKey(key);
    }
  }
  RoadTest::TearDown();
}

void SystemTest::writeSettings(const std::string& text) {
  ASSERT_TRUE(support::writeFile(temp.file("设置.txt"), text));
}

std::string SystemTest::ownExtension(const std::string& ext, const std::string& tail) {
  extensions_.push_back(ext + "-" + std::to_string(GetCurrentProcessId()) + tail);
  return extensions_.back();
}

}  // namespace system_test
