#pragma once
// Links to a file, as someone else with a share of a folder can make them:
// symbolic links holding the file's path, or hard links (further names of the
// same file). Wine makes neither itself (its CreateSymbolicLinkA makes nothing),
// so the host makes them, all in one host program (Perl, which every Debian
// system has) because a test may need thousands. The links go at the end, the
// links alone, before the file they lead to: the attributes of a symbolic link
// whose file is gone cannot be read, and TempFolder's removal would leave it.
#include <string>
#include <vector>

namespace support {

enum class FileLink { kSymbolic, kHard };

class FileLinks {
 public:
  // Makes `folder`\NAME for every name, each a link of that kind to the file
  // `target` (Windows paths; the names plain ASCII).
  FileLinks(const std::string& folder, const std::vector<std::string>& names, const std::string& target,
            FileLink kind);
  ~FileLinks();
  FileLinks(const FileLinks&) = delete;
  FileLinks& operator=(const FileLinks&) = delete;

  // True once every link exists.
  bool made() const { return made_; }
  // Removes the links now; true when they are gone.
  bool remove();

 private:
  std::string folder_;
  std::vector<std::string> names_;
  bool made_ = false;
};

}  // namespace support
