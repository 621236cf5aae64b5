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

Text systemFolder() {
  char folder[MAX_PATH];
  const UINT length = GetSystemDirectoryA(folder, sizeof folder);
  if (length == 0 || length >= sizeof folder) return Text();
  return Text(folder, length);
}

// A full path is never checked against the system's own list of its
// libraries, and the search by name starts in the program's folder: either
// would load a file of the system library's name planted beside the program.
HMODULE loadSystemLibrary(const Text& fileName) {
  HMODULE module = LoadLibraryExA(fileName.c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (module != nullptr) return module;
  // A system that does not know the flag refuses it: the system folder's full
  // path names the same file there.
  const Text folder = systemFolder();
  if (folder.empty()) return nullptr;
  return LoadLibraryA((folder + "\\" + fileName).c_str());
}

// The program's folder first, so that a library shipped beside the program wins
// over one of the same name elsewhere on the search path.
HMODULE loadLibraryBesideProgram(const Text& fileName) {
  HMODULE module = LoadLibraryA((programFolder() + "\\" + fileName).c_str());
  if (module == nullptr) module = LoadLibraryA(fileName.c_str());
  return module;
}

HMODULE loadLibrary(const OutsideLibrary& library) {
  const Text fileName = library.fileName;
  auto& libraries = loadedLibraries();
  if (auto found = libraries.find(fileName); found != libraries.end()) return found->second;
  HMODULE module = library.home == LibraryHome::kSystem ? loadSystemLibrary(fileName)
                                                       : loadLibraryBesideProgram(fileName);
  if (module != nullptr) libraries.emplace(fileName, module);
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

void* findOutsideRoutine(const OutsideLibrary& library, const char* routine) {
  auto key = std::make_pair(Text(library.fileName), Text(routine));
  auto& routines = boundRoutines();
  if (auto found = routines.find(key); found != routines.end()) return found->second;

  void* address = nullptr;
  if (HMODULE module = loadLibrary(library)) {
    address = reinterpret_cast<void*>(GetProcAddress(module, routine));
  }
  if (address != nullptr) routines.emplace(std::move(key), address);
  return address;
}

void* bindOutsideRoutine(const OutsideLibrary& library, const char* routine) {
  void* address = findOutsideRoutine(library, routine);
  if (address == nullptr) {
    fatalError(fillIn("无法找到指定DLL库文件“%s”中的输出命令“%s”", library.fileName, routine));
  }
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
