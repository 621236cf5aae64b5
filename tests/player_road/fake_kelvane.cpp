// Stands in for the conversion program where the player's tests need one,
// copied into a test's folder as kelvane.exe. It appends its command line to
// kelvane-calls.txt in its current directory and writes a one-second WAV at
// the destination, its last quoted argument.
#include <windows.h>

#include <string>

#include "tests/player_road/wav_bytes.h"

namespace {

void append(const std::string& path, const std::string& bytes, bool replace) {
  HANDLE file = CreateFileA(path.c_str(), replace ? GENERIC_WRITE : FILE_APPEND_DATA, 0, nullptr,
                            replace ? CREATE_ALWAYS : OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace

int main() {
  const std::string commandLine = GetCommandLineA();
  append("kelvane-calls.txt", commandLine + "\r\n", false);
  const std::size_t close = commandLine.rfind('"');
  const std::size_t open = close == std::string::npos || close == 0
                               ? std::string::npos
                               : commandLine.rfind('"', close - 1);
  if (open == std::string::npos) return 0;
  append(commandLine.substr(open + 1, close - open - 1), road::wavOfMs(1000), true);
  return 0;
}
