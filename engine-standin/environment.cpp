#include "environment.h"

namespace standin {

Text environmentValue(const wchar_t* name) {
  DWORD needed = GetEnvironmentVariableW(name, nullptr, 0);
  if (needed == 0) return Text();
  std::wstring value(needed, L'\0');
  DWORD length = GetEnvironmentVariableW(name, value.data(), needed);
  if (length == 0 || length >= needed) return Text();
  int bytes = WideCharToMultiByte(CP_ACP, 0, value.data(), static_cast<int>(length), nullptr, 0,
                                  nullptr, nullptr);
  if (bytes <= 0) return Text();
  Text text(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, value.data(), static_cast<int>(length), text.data(), bytes,
                      nullptr, nullptr);
  return text;
}

}  // namespace standin
