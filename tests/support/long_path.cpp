#include "tests/support/long_path.h"

#include <windows.h>

#include <algorithm>

namespace support {
namespace {

std::wstring wide(const std::string& text) {
  const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring result(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), result.data(), n);
  return result;
}

// The form the wide routines take at any length.
std::wstring unlimited(const std::string& path) { return L"\\\\?\\" + wide(path); }

constexpr std::size_t kFillerLength = 100;

}  // namespace

LongPath::LongPath(const std::string& folder, const std::string& name, std::size_t bytes) : base_(folder) {
  const std::size_t least = folder.size() + 1 + name.size();
  // What the filler folders take, each "\" and its name.
  std::size_t left = bytes >= least ? bytes - least : 0;
  made_ = bytes >= least && left != 1;
  char letter = 'a';
  while (made_ && left > 0) {
    std::size_t take = std::min(left, kFillerLength + 1);
    if (left - take == 1) --take;   // no folder fits in one byte
    fillers_ += '\\';
    fillers_.append(take - 1, letter++);
    left -= take;
    // Another path in the same folder shares them.
    if (!CreateDirectoryW(unlimited(base_ + fillers_).c_str(), nullptr) &&
        GetLastError() != ERROR_ALREADY_EXISTS)
      made_ = false;
  }
  path_ = base_;
  path_ += fillers_;
  path_ += '\\';
  path_ += name;
}

LongPath::~LongPath() {
  DeleteFileW(unlimited(path_).c_str());
  std::string folders = fillers_;
  while (!folders.empty()) {
    RemoveDirectoryW(unlimited(base_ + folders).c_str());
    folders.resize(folders.rfind('\\'));
  }
}

bool LongPath::write(const std::string& bytes) const {
  HANDLE file = CreateFileW(unlimited(path_).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  return CloseHandle(file) && ok;
}

std::string LongPath::read() const {
  HANDLE file = CreateFileW(unlimited(path_).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

bool LongPath::exists() const {
  return GetFileAttributesW(unlimited(path_).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace support
