#include "framework/registry.h"

#include <windows.h>

#include <vector>

#include "framework/windows_routines.h"

namespace fw {
namespace {

HKEY rootKey(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    case RegistryRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegistryRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
  }
  return HKEY_CURRENT_USER;
}

}  // namespace

bool registryWrite(RegistryRoot root, const Text& fullPath, const Text& value) {
  RegistryPath path = splitRegistryPath(fullPath);
  HKEY key = nullptr;
  if (win::RegCreateKeyExA(rootKey(root), path.key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  LONG result = win::RegSetValueExA(key, path.valueName.c_str(), 0, REG_SZ,
                               reinterpret_cast<const BYTE*>(value.c_str()),
                               static_cast<DWORD>(value.size() + 1));
  win::RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

bool registryDelete(RegistryRoot root, const Text& fullPath) {
  RegistryPath path = splitRegistryPath(fullPath);
  HKEY key = nullptr;
  if (win::RegOpenKeyExA(rootKey(root), path.key.c_str(), 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
    LONG result = win::RegDeleteValueA(key, path.valueName.c_str());
    win::RegCloseKey(key);
    if (result == ERROR_SUCCESS) return true;
  }
  return win::RegDeleteKeyA(rootKey(root), fullPath.c_str()) == ERROR_SUCCESS;
}

Text registryRead(RegistryRoot root, const Text& fullPath) {
  RegistryPath path = splitRegistryPath(fullPath);
  HKEY key = nullptr;
  if (win::RegOpenKeyExA(rootKey(root), path.key.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
    return Text();
  }
  Text value;
  DWORD type = 0;
  DWORD size = 0;
  if (win::RegQueryValueExA(key, path.valueName.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ)) {
    std::vector<char> buffer(size + 1, '\0');
    if (win::RegQueryValueExA(key, path.valueName.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(buffer.data()), &size) == ERROR_SUCCESS) {
      // Stored texts carry their zero; one written without it still ends here.
      value = Text(buffer.data());
    }
  }
  win::RegCloseKey(key);
  return value;
}

}  // namespace fw
