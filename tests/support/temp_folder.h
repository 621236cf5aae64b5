#pragma once
// A fresh folder per test, inside the build folder: while it lives it is the
// current directory and, on the Windows side, TEMP and TMP (Wine takes those from
// its registry, not from the Linux environment), so children started afterwards
// see it too. Removed with everything in it at the end.
#include <string>

#include <gtest/gtest.h>

namespace support {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's full path, without a trailing backslash.
  const std::string& path() const { return path_; }
  // path() + "\" + name.
  std::string file(const std::string& name) const;

 private:
  std::string path_;
  std::string previousDirectory_;
  std::string previousTemp_;
  std::string previousTmp_;
};

// A test fixture with its own TempFolder.
class TempFolderTest : public ::testing::Test {
 protected:
  TempFolder temp;
};

// Writes `bytes` to the file, replacing it. False on failure.
bool writeFile(const std::string& path, const std::string& bytes);
// The file's bytes, or the empty text when it cannot be read.
std::string readFile(const std::string& path);
// Removes a folder and everything in it. False when something stayed.
bool removeTree(const std::string& path);

}  // namespace support
