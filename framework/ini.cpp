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

namespace {

bool isControlByte(unsigned char c) { return c < 0x20 || c == 0x7F; }

// The text survives the trip through wide characters that the A functions make.
bool survivesCodePage(const Text& text) {
  if (text.empty()) return true;
  const int size = static_cast<int>(text.size());
  const int wideLength = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  if (wideLength <= 0) return false;
  std::vector<wchar_t> wide(static_cast<std::size_t>(wideLength));
  MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), wideLength);
  const int back = WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  if (back != size) return false;
  Text again(static_cast<std::size_t>(back), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, again.data(), back, nullptr, nullptr);
  return again == text;
}

}  // namespace

bool iniValueReadsBack(const Text& value) {
  if (value.size() >= kValueBuffer) return false;
  for (const char c : value) {
    if (isControlByte(static_cast<unsigned char>(c))) return false;
  }
  if (!value.empty() && (value.front() == ' ' || value.back() == ' ')) return false;
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return false;
  }
  return survivesCodePage(value);
}

bool iniWrite(const Text& file, const Text& section, const Text& key, const Text& value) {
  if (!fitsOneIniLine(section) || !fitsOneIniLine(key) || !fitsOneIniLine(value)) return false;
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != 0;
}

}  // namespace fw
