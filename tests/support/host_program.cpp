#include "tests/support/host_program.h"

#include <windows.h>

#include <vector>

namespace support {

std::wstring wideText(const std::string& text, unsigned codePage) {
  const int length = MultiByteToWideChar(codePage, 0, text.c_str(), -1, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length));
  MultiByteToWideChar(codePage, 0, text.c_str(), -1, buffer.data(), length);
  return buffer.data();
}

std::wstring hostPath(const std::string& path) {
  using Translate = char*(CDECL*)(LPCWSTR);
  const auto translate = reinterpret_cast<Translate>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (translate == nullptr) return std::wstring();
  char* host = translate(wideText(path, CP_ACP).c_str());
  if (host == nullptr) return std::wstring();
  std::wstring result = wideText(host, CP_UTF8);
  HeapFree(GetProcessHeap(), 0, host);
  return result;
}

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

}  // namespace support
