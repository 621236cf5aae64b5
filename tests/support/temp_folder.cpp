#include "tests/support/temp_folder.h"

#include <windows.h>

#include <atomic>

#include "tests/support/child.h"

namespace support {
namespace {

std::string currentDirectory() {
  char buffer[MAX_PATH * 2];
  DWORD n = GetCurrentDirectoryA(sizeof buffer, buffer);
  return std::string(buffer, n);
}

void setEnvironment(const char* name, const std::string& value) {
  SetEnvironmentVariableA(name, value.empty() ? nullptr : value.c_str());
}

// <folder of the test binary>\tmp
std::string tempRoot() {
  char path[MAX_PATH * 2];
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  std::string folder(path, n);
  folder.erase(folder.find_last_of('\\'));
  return folder + "\\tmp";
}

// "<suite>.<test>" of the running test, characters unfit for a file name replaced.
std::string testName() {
  const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "child";
  for (char& c : name) {
    if (c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' ||
        c == '>' || c == '|')
      c = '_';
  }
  return name;
}

}  // namespace

TempFolder::TempFolder()
    : previousDirectory_(currentDirectory()),
      previousTemp_(environmentValue("TEMP")),
      previousTmp_(environmentValue("TMP")) {
  static std::atomic<int> counter{0};
  std::string root = tempRoot();
  CreateDirectoryA(root.c_str(), nullptr);
  // The process id keeps parallel test processes (and children) apart.
  path_ = root + "\\" + testName() + "-" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(counter++);
  removeTree(path_);
  if (!CreateDirectoryA(path_.c_str(), nullptr)) {
    ADD_FAILURE() << "cannot create " << path_ << " (error " << GetLastError() << ")";
  }
  SetCurrentDirectoryA(path_.c_str());
  SetEnvironmentVariableA("TEMP", path_.c_str());
  SetEnvironmentVariableA("TMP", path_.c_str());
}

TempFolder::~TempFolder() {
  SetCurrentDirectoryA(previousDirectory_.c_str());
  setEnvironment("TEMP", previousTemp_);
  setEnvironment("TMP", previousTmp_);
  if (!removeTree(path_)) ADD_FAILURE() << "could not remove " << path_;
}

std::string TempFolder::file(const std::string& name) const { return path_ + "\\" + name; }

bool writeFile(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
  CloseHandle(file);
  return ok && written == bytes.size();
}

std::string readFile(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();
  std::string bytes;
  char buffer[65536];
  DWORD n = 0;
  while (ReadFile(file, buffer, sizeof buffer, &n, nullptr) && n > 0) bytes.append(buffer, n);
  CloseHandle(file);
  return bytes;
}

bool removeTree(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return true;
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    return DeleteFileA(path.c_str()) != 0;
  }
  // A link is removed alone, never through: one leading back up would go round.
  if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return RemoveDirectoryA(path.c_str()) != 0;
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((path + "\\*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string name = entry.cFileName;
      if (name != "." && name != "..") removeTree(path + "\\" + name);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
  }
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_DIRECTORY);
  return RemoveDirectoryA(path.c_str()) != 0;
}

}  // namespace support
