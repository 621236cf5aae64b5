#pragma once
// Files, folders, the environment and the current directory, in the program's
// ANSI code page.
#include <cstdint>
#include <optional>

#include "lines.h"
#include "text.h"

namespace fw {

constexpr uint32_t kAttributesUnreadable = 0xFFFFFFFFu;
constexpr uint32_t kFolderAttribute = 16;
// A junction, a directory link or a mount point: an entry that leads elsewhere.
constexpr uint32_t kReparsePointAttribute = 0x400;

// What makes two paths the same file or folder for the system: the volume and
// the file's index on it, whatever link, junction or mount point a path passes
// through.
struct FileIdentity {
  uint32_t volumeSerial = 0;
  uint32_t indexHigh = 0;
  uint32_t indexLow = 0;
  auto operator<=>(const FileIdentity&) const = default;
};

// The offset of the path's last "\" that is not the trail byte of a
// double-byte character, or npos when there is none.
std::size_t lastBackslash(const Text& path);
// The path up to its last "\" (a drive root such as "C:\" keeps it), or the
// empty text when it has none.
Text folderOfPath(const Text& path);

// A directory search with the path as its pattern finds at least one entry:
// folders exist, a matching wildcard pattern exists, the empty text and network
// addresses never do. Where reading the path's attributes gives the search's
// answer, that read is all it costs.
bool fileExists(const Text& path);
// What fileExists answers, with a third answer where the system gave none:
// kUnknown when neither the attribute read nor the search could look (a path
// longer than the ANSI routines take, access refused, a device not ready: any
// failure but "not found"). fileExists(path) is exactly kExists. Ask this
// where a wrong "absent" would cost data, as before writing a file.
enum class Existence { kExists, kAbsent, kUnknown };
Existence fileExistence(const Text& path);
// fileExists(path) and attributes without the folder bit (hasFolderBit false):
// an existing file that is not a folder, for about the price of one attribute read.
bool isExistingFile(const Text& path);
// The attribute bits, or kAttributesUnreadable when they cannot be read.
uint32_t fileAttributes(const Text& path);
// Attributes AND 16 give 16 (unreadable attributes therefore count as a folder).
bool hasFolderBit(const Text& path);
// The identity of what the path names (a folder too), or nothing when the
// system will not open it to say.
std::optional<FileIdentity> fileIdentity(const Text& path);

// A file opened for reading (others may read and write it meanwhile), read by
// the line rules of LineReader. Its bytes are taken at open, up to the block that
// holds the first NUL or 0x1A (where the data ends for those rules). The handle
// stays open until close() or the end of the object, which some callers rely on.
class InputFile : public LineReader {
 public:
  InputFile() = default;
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  bool open(const Text& path);
  bool isOpen() const { return handle_ != nullptr; }
  void close();

 private:
  void* handle_ = nullptr;
};

// An in-memory file: text written to it is read back by the line rules.
class MemoryFile : public LineReader {
 public:
  void write(const Text& text) { data_ += text; }
};

// Creates or replaces the whole file. False when it cannot be written.
bool writeWholeFile(const Text& path, const Bytes& bytes);
// Like writeWholeFile, but readers never see a half-written file: the bytes go
// to a file beside it first, which then replaces it in one step. The file
// beside it is always a new one ("PATH.<process id>.new", another name when
// that is taken), so a link or file that someone else put under that name in a
// shared folder is never written through. False when either step failed (the
// old file, if any, is then left as it was).
bool replaceWholeFile(const Text& path, const Bytes& bytes);
// The whole file, or nothing when it cannot be read.
bool readWholeFile(const Text& path, Bytes& bytes);

// A directory search returning names only (no folder part) of the entries whose
// attributes include at least one bit of the mask; the empty text at the end.
class FileSearch {
 public:
  FileSearch() = default;
  ~FileSearch();
  FileSearch(const FileSearch&) = delete;
  FileSearch& operator=(const FileSearch&) = delete;

  Text first(const Text& pattern, uint32_t attributeMask);
  Text next();
  void close();
  // The attributes of the entry first() or next() returned last, as the search
  // reported them (0 once the search has ended), so that a caller need not ask
  // the file system again.
  uint32_t attributes() const { return attributes_; }

 private:
  void* handle_ = nullptr;
  uint32_t mask_ = 0;
  uint32_t attributes_ = 0;
};

Text environmentVariable(const Text& name);   // empty when not set
Text currentDirectory();                      // no trailing "\" except at a root
bool setCurrentDirectory(const Text& path);
Text programPath();                           // full path of the running .exe
Text programFolder();                         // folder of the running .exe, no trailing "\"
Text programFileName();                       // file name of the running .exe, no folder

}  // namespace fw
