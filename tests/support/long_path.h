#pragma once
// A file whose full path is longer than the system's ANSI file routines take
// (they refuse anything past 259 characters): made, read and removed through
// the wide routines with the "\\?\" form, which have no such limit.
#include <string>

namespace support {

class LongPath {
 public:
  // A path of exactly `bytes` bytes in the ANSI code page: `folder`, then
  // folders of filler names, then `name` (whose bytes count too). The folders
  // are made; the file is not.
  LongPath(const std::string& folder, const std::string& name, std::size_t bytes);
  // Removes the file, if any, and the folders, once no other path holds them.
  ~LongPath();
  LongPath(const LongPath&) = delete;
  LongPath& operator=(const LongPath&) = delete;

  // The path as a program is given it.
  const std::string& path() const { return path_; }
  // False when the folders could not be made.
  bool made() const { return made_; }
  bool write(const std::string& bytes) const;
  // The file's bytes; empty when it cannot be read.
  std::string read() const;
  bool exists() const;

 private:
  std::string path_;
  std::string base_;
  std::string fillers_;   // the folders made, below base_, without their base
  bool made_ = false;
};

}  // namespace support
