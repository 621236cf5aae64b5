#include "framework/outside.h"

#include <windows.h>

#include <map>
#include <utility>

#include "framework/files.h"
#include "framework/modal.h"

namespace fw {
namespace {

// Both maps live until the process ends: libraries are never freed, so every
// remembered address stays valid.
std::map<Text, HMODULE>& loadedLibraries() {
  static std::map<Text, HMODULE> libraries;
  return libraries;
}

std::map<std::pair<Text, Text>, void*>& boundRoutines() {
  static std::map<std::pair<Text, Text>, void*> routines;
  return routines;
}

// The program's folder first, so that a library shipped beside the program wins
// over one of the same name elsewhere on the search path.
HMODULE loadLibrary(const Text& library) {
  auto& libraries = loadedLibraries();
  if (auto found = libraries.find(library); found != libraries.end()) return found->second;
  HMODULE module = LoadLibraryA((programFolder() + "\\" + library).c_str());
  if (module == nullptr) module = LoadLibraryA(library.c_str());
  if (module != nullptr) libraries.emplace(library, module);
  return module;
}

Text fillIn(Text pattern, const Text& first, const Text& second) {
  for (const Text* value : {&first, &second}) {
    std::size_t at = pattern.find("%s");
    if (at == Text::npos) break;
    pattern.replace(at, 2, *value);
  }
  return pattern;
}

}  // namespace

void* bindOutsideRoutine(const char* library, const char* routine) {
  auto key = std::make_pair(Text(library), Text(routine));
  auto& routines = boundRoutines();
  if (auto found = routines.find(key); found != routines.end()) return found->second;

  void* address = nullptr;
  if (HMODULE module = loadLibrary(key.first)) {
    address = reinterpret_cast<void*>(GetProcAddress(module, routine));
  }
  if (address == nullptr) {
    fatalError(fillIn("无法找到指定DLL库文件“%s”中的输出命令“%s”", key.first, key.second));
  }
  routines.emplace(std::move(key), address);
  return address;
}

void fatalError(const Text& message) {
  ModalSeam& seam = modalSeam();
  seam.messageBox(message, "错误", MB_ICONSTOP);
  seam.endProcess(-1);
  // A test seam may return from endProcess; a fatal error must still end here.
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace fw
