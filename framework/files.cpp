#include "framework/files.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "framework/windows_routines.h"

namespace fw {
namespace {

HANDLE asHandle(void* handle) { return static_cast<HANDLE>(handle); }

// Reads the file from its current position to its end.
bool readAll(HANDLE file, Bytes& bytes) {
  bytes.clear();
  char buffer[64 * 1024];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr)) return false;
    if (got == 0) return true;
    bytes.append(buffer, got);
  }
}

// Writes all the bytes from the file's start, then closes it.
bool writeAndClose(HANDLE file, const Bytes& bytes) {
  bool ok = true;
  for (std::size_t done = 0; ok && done < bytes.size();) {
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 24));
    DWORD written = 0;
    ok = WriteFile(file, bytes.data() + done, chunk, &written, nullptr) && written == chunk;
    done += written;
  }
  ok = CloseHandle(file) && ok;
  return ok;
}

Text modulePath() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n < buffer.size()) return Text(buffer.data(), n);
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

namespace {

// The search itself, the rule's own definition of existence. Only "not
// found" (of the file, or of a folder on its way) is an answer of absence.
Existence searchAnswer(const Text& path) {
  if (path.empty()) return Existence::kAbsent;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    FindClose(search);
    return Existence::kExists;
  }
  switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_NO_MORE_FILES:
      return Existence::kAbsent;
    default:
      return Existence::kUnknown;
  }
}

bool searchFindsAnEntry(const Text& path) { return searchAnswer(path) == Existence::kExists; }

// A path for which readable attributes mean that the search finds it: one
// existing entry named plainly. Everything the search reads differently from
// the attribute read falls outside: wildcards (the DOS ones < > " as well),
// a trailing separator, a drive or share root, "." or ".." as the last part,
// a trailing dot or blank (which the name rules strip), a colon anywhere but
// after the drive letter (streams, addresses), and UNC or device forms.
bool isPlainPath(const Text& path) {
  if (path.empty() || path.find_first_of("*?<>\"") != Text::npos) return false;
  if (path.size() >= 2 && (path[0] == '\\' || path[0] == '/') && (path[1] == '\\' || path[1] == '/')) {
    return false;
  }
  const std::size_t colon = path.find(':');
  if (colon != Text::npos && (colon != 1 || path.find(':', 2) != Text::npos)) return false;
  // Of the bytes looked at here only the backslash can be the trail byte of a
  // double-byte character, so the last part is found by the text rules.
  const std::size_t cut = lastBackslash(path);
  const std::size_t slash = path.rfind('/');
  std::size_t partStart = 0;
  if (cut != Text::npos) partStart = cut + 1;
  if (slash != Text::npos && slash + 1 > partStart) partStart = slash + 1;
  if (colon == 1 && partStart < 2) partStart = 2;
  const Text last = path.substr(partStart);
  if (last.empty() || last == "." || last == "..") return false;
  const char end = last.back();
  return end != '.' && end != ' ';
}

}  // namespace

std::size_t lastBackslash(const Text& path) { return findLastByte(path, '\\'); }

Text folderOfPath(const Text& path) {
  const std::size_t cut = lastBackslash(path);
  if (cut == Text::npos) return Text();
  // A root keeps its "\": "C:" alone names the drive's own current folder.
  if (cut == 2 && path[1] == ':') return path.substr(0, 3);
  return path.substr(0, cut);
}

bool fileExists(const Text& path) {
  // The attribute read costs a few microseconds where the search costs a
  // third of a millisecond, and for a plain path gives the same answer.
  if (isPlainPath(path) && fileAttributes(path) != kAttributesUnreadable) return true;
  return searchFindsAnEntry(path);
}

Existence fileExistence(const Text& path) {
  if (isPlainPath(path) && fileAttributes(path) != kAttributesUnreadable) return Existence::kExists;
  return searchAnswer(path);
}

bool isExistingFile(const Text& path) {
  const uint32_t attributes = fileAttributes(path);
  if ((attributes & kFolderAttribute) == kFolderAttribute) return false;
  return isPlainPath(path) || searchFindsAnEntry(path);
}

uint32_t fileAttributes(const Text& path) { return GetFileAttributesA(path.c_str()); }

bool hasFolderBit(const Text& path) {
  return (fileAttributes(path) & kFolderAttribute) == kFolderAttribute;
}

std::optional<FileIdentity> fileIdentity(const Text& path) {
  // No access asked for, only the handle: a folder opens this way too (the
  // backup flag), and nobody else is kept from the file meanwhile.
  const HANDLE file = win::CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION information{};
  const bool known = win::GetFileInformationByHandle(file, &information) != 0;
  win::CloseHandle(file);
  if (!known) return std::nullopt;
  return FileIdentity{information.dwVolumeSerialNumber, information.nFileIndexHigh, information.nFileIndexLow};
}

InputFile::~InputFile() { close(); }

bool InputFile::open(const Text& path) {
  close();
  data_.clear();
  pos_ = 0;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  handle_ = file;
  const BlockReader read = [file](char* buffer, std::size_t size) -> long long {
    DWORD got = 0;
    if (!ReadFile(file, buffer, static_cast<DWORD>(size), &got, nullptr)) return -1;
    return got;
  };
  if (!readToDataEnd(read, data_)) {
    close();
    data_.clear();
    return false;
  }
  return true;
}

void InputFile::close() {
  if (handle_ != nullptr) {
    CloseHandle(asHandle(handle_));
    handle_ = nullptr;
  }
}

namespace {

enum class NewFile { kWritten, kNameTaken, kFailed };

// Writes the bytes into a file that did not exist: an entry already there
// under the name, a link above all, is neither opened nor followed.
NewFile writeNewFile(const Text& path, const Bytes& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? NewFile::kNameTaken
                                                                       : NewFile::kFailed;
  }
  const bool ok = writeAndClose(file, bytes);
  if (!ok) DeleteFileA(path.c_str());
  return ok ? NewFile::kWritten : NewFile::kFailed;
}

// Names taken by others are tried at most this often: enough for chance
// clashes, and no endless loop over a folder filled on purpose.
constexpr int kNamesTried = 64;

// Another name after a clash: one that whoever took the first cannot foresee.
Text anotherNameBeside(const Text& path, int attempt) {
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  const uint32_t mixed = static_cast<uint32_t>(now.QuadPart) ^
                         static_cast<uint32_t>(static_cast<uint64_t>(now.QuadPart) >> 32) ^
                         (static_cast<uint32_t>(attempt) * 2654435761u);
  return path + "." + intToText(GetCurrentProcessId()) + "." + intToText(mixed) + ".new";
}

}  // namespace

bool writeWholeFile(const Text& path, const Bytes& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  return writeAndClose(file, bytes);
}

bool replaceWholeFile(const Text& path, const Bytes& bytes) {
  // Named after this process, so two writers never share the file beside it.
  // The folder may be shared (the temporary folder): the file is made new, so
  // that nothing someone put under the name beforehand is written through.
  Text beside = path + "." + intToText(GetCurrentProcessId()) + ".new";
  NewFile written = writeNewFile(beside, bytes);
  for (int attempt = 1; written == NewFile::kNameTaken && attempt < kNamesTried; ++attempt) {
    beside = anotherNameBeside(path, attempt);
    written = writeNewFile(beside, bytes);
  }
  if (written != NewFile::kWritten) return false;
  if (MoveFileExA(beside.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
  DeleteFileA(beside.c_str());
  return false;
}

bool readWholeFile(const Text& path, Bytes& bytes) {
  bytes.clear();
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = readAll(file, bytes);
  CloseHandle(file);
  if (!ok) bytes.clear();
  return ok;
}

FileSearch::~FileSearch() { close(); }

Text FileSearch::first(const Text& pattern, uint32_t attributeMask) {
  close();
  mask_ = attributeMask;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return Text();
  handle_ = search;
  if (found.dwFileAttributes & mask_) {
    attributes_ = found.dwFileAttributes;
    return found.cFileName;
  }
  return next();
}

Text FileSearch::next() {
  if (handle_ == nullptr) return Text();
  WIN32_FIND_DATAA found;
  while (FindNextFileA(asHandle(handle_), &found)) {
    if (found.dwFileAttributes & mask_) {
      attributes_ = found.dwFileAttributes;
      return found.cFileName;
    }
  }
  close();
  return Text();
}

void FileSearch::close() {
  attributes_ = 0;
  if (handle_ != nullptr) {
    FindClose(asHandle(handle_));
    handle_ = nullptr;
  }
}

namespace {

// The query answers "how big" in characters; twice that many bytes always
// hold the text whole, double-byte characters included.
template <typename Query>
Text queryText(Query query) {
  DWORD needed = query(nullptr, 0);
  if (needed == 0) return Text();
  std::vector<char> buffer(static_cast<std::size_t>(needed) * 2 + 2);
  for (;;) {
    DWORD n = query(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return Text();
    if (n < buffer.size() - 1) return Text(buffer.data(), n);
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

Text environmentVariable(const Text& name) {
  // Through the wide form and the ANSI code page by hand: Wine's
  // GetEnvironmentVariableA cuts a value with double-byte characters to as many
  // bytes as it has characters. The conversion is the one the A form makes.
  int nameLength = MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, nullptr, 0);
  if (nameLength <= 0) return Text();
  std::vector<wchar_t> wideName(static_cast<std::size_t>(nameLength));
  MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, wideName.data(), nameLength);
  DWORD needed = GetEnvironmentVariableW(wideName.data(), nullptr, 0);
  if (needed == 0) return Text();
  std::vector<wchar_t> value(needed);
  DWORD length = GetEnvironmentVariableW(wideName.data(), value.data(), needed);
  if (length == 0 || length >= needed) return Text();
  int bytes = WideCharToMultiByte(CP_ACP, 0, value.data(), static_cast<int>(length), nullptr, 0,
                                  nullptr, nullptr);
  Text text(static_cast<std::size_t>(std::max(bytes, 0)), '\0');
  WideCharToMultiByte(CP_ACP, 0, value.data(), static_cast<int>(length), text.data(), bytes,
                      nullptr, nullptr);
  return text;
}

Text currentDirectory() {
  return queryText([](char* buffer, DWORD size) { return GetCurrentDirectoryA(size, buffer); });
}

bool setCurrentDirectory(const Text& path) { return SetCurrentDirectoryA(path.c_str()) != 0; }

Text programPath() { return modulePath(); }

Text programFolder() {
  Text path = modulePath();
  std::size_t cut = lastBackslash(path);
  return cut == Text::npos ? Text() : path.substr(0, cut);
}

Text programFileName() {
  Text path = modulePath();
  std::size_t cut = lastBackslash(path);
  return cut == Text::npos ? path : path.substr(cut + 1);
}

}  // namespace fw
