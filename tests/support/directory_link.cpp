#include "tests/support/directory_link.h"

#include <windows.h>

#include <string>
#include <vector>

namespace support {
namespace {

std::wstring wide(const std::string& text, UINT codePage) {
  const int length = MultiByteToWideChar(codePage, 0, text.c_str(), -1, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length));
  MultiByteToWideChar(codePage, 0, text.c_str(), -1, buffer.data(), length);
  return buffer.data();
}

// The host's path of a Windows path, through Wine's own translation, as wide
// text (the host's path is UTF-8).
std::wstring hostPath(const std::string& path) {
  using Translate = char*(CDECL*)(LPCWSTR);
  const auto translate = reinterpret_cast<Translate>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (translate == nullptr) return std::wstring();
  char* host = translate(wide(path, CP_ACP).c_str());
  if (host == nullptr) return std::wstring();
  std::wstring result = wide(host, CP_UTF8);
  HeapFree(GetProcessHeap(), 0, host);
  return result;
}

// Starts a host program with wide arguments, which Wine hands it as UTF-8;
// Wine gives back no exit code for one, so callers wait for what it does.
bool startHostProgram(const std::wstring& program, const std::wstring& arguments) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring commandLine = program + L" " + arguments;
  const std::wstring image = L"Z:" + program;
  if (!CreateProcessW(image.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

std::wstring quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Polls without handling messages: nothing of the test runs meanwhile.
template <class Done>
bool pollUntil(Done done) {
  for (int waited = 0; waited < 10000; waited += 10) {
    if (done()) return true;
    Sleep(10);
  }
  return done();
}

}  // namespace

DirectoryLink::DirectoryLink(const std::string& link, const std::string& target) : link_(link) {
  const std::wstring host = hostPath(link);
  if (host.empty() || exists(link)) return;
  if (!startHostProgram(L"/bin/ln", L"-s " + quoted(wide(target, CP_ACP)) + L" " + quoted(host))) return;
  made_ = pollUntil([&] { return exists(link) && (GetFileAttributesA(link.c_str()) & FILE_ATTRIBUTE_DIRECTORY) != 0; });
}

DirectoryLink::~DirectoryLink() { remove(); }

bool DirectoryLink::remove() {
  if (!exists(link_)) return true;
  const std::wstring host = hostPath(link_);
  // rm without -r takes the link alone.
  if (host.empty() || !startHostProgram(L"/bin/rm", L"-f " + quoted(host))) return false;
  return pollUntil([&] { return !exists(link_); });
}

}  // namespace support
