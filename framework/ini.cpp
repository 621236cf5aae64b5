#include "framework/ini.h"

#include <windows.h>

#include <vector>

namespace fw {
namespace {

constexpr DWORD kValueBuffer = 10240;

// Blanks and control characters at the start of a name never reach the profile
// functions on a read.
const char* skipLeadingControls(const Text& text) {
  std::size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) <= 0x20) ++i;
  return text.c_str() + i;
}

}  // namespace

Text iniRead(const Text& file, const Text& section, const Text& key, const Text& defaultValue) {
  std::vector<char> buffer(kValueBuffer);
  DWORD n = GetPrivateProfileStringA(skipLeadingControls(section), skipLeadingControls(key),
                                     defaultValue.c_str(), buffer.data(), kValueBuffer,
                                     skipLeadingControls(file));
  return Text(buffer.data(), n);
}

bool fitsOneIniLine(const Text& text) { return text.find_first_of("\r\n") == Text::npos; }

bool iniWrite(const Text& file, const Text& section, const Text& key, const Text& value) {
  if (!fitsOneIniLine(section) || !fitsOneIniLine(key) || !fitsOneIniLine(value)) return false;
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != 0;
}

}  // namespace fw
