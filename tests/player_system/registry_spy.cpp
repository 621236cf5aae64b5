#include "tests/player_system/registry_spy.h"

#include <windows.h>

#include <map>

#include "framework/windows_routines.h"

namespace system_test {
namespace {

RegistrySpy* active = nullptr;
std::map<HKEY, std::string> openKeys;   // what each key the program opened is called

std::string rootName(HKEY root) {
  if (root == HKEY_CLASSES_ROOT) return kClassesRoot;
  if (root == HKEY_CURRENT_USER) return kCurrentUser;
  if (root == HKEY_LOCAL_MACHINE) return kLocalMachine;
  auto known = openKeys.find(root);
  return known != openKeys.end() ? known->second + "\\" : "?\\";
}

LONG WINAPI spyCreateKey(HKEY root, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options,
                         REGSAM access, LPSECURITY_ATTRIBUTES security, PHKEY key,
                         LPDWORD disposition) {
  LONG result = RegCreateKeyExA(root, subKey, reserved, keyClass, options, access, security, key,
                                disposition);
  if (result == ERROR_SUCCESS) openKeys[*key] = rootName(root) + subKey;
  return result;
}

LONG WINAPI spyOpenKey(HKEY root, LPCSTR subKey, DWORD options, REGSAM access, PHKEY key) {
  LONG result = RegOpenKeyExA(root, subKey, options, access, key);
  if (result == ERROR_SUCCESS) openKeys[*key] = rootName(root) + subKey;
  return result;
}

LONG WINAPI spySetValue(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data,
                        DWORD size) {
  const std::string path = rootName(key) + name;
  std::string text(reinterpret_cast<const char*>(data), size);
  if (!text.empty() && text.back() == '\0') text.pop_back();
  active->writes.push_back({path, text});
  if (active->refuses && active->refuses(path)) return ERROR_ACCESS_DENIED;
  return RegSetValueExA(key, name, reserved, type, data, size);
}

LONG WINAPI spyDeleteValue(HKEY key, LPCSTR name) {
  active->deletions.push_back(rootName(key) + name);
  return RegDeleteValueA(key, name);
}

LONG WINAPI spyDeleteKey(HKEY root, LPCSTR subKey) {
  active->deletions.push_back(rootName(root) + subKey);
  return RegDeleteKeyA(root, subKey);
}

LONG WINAPI spyCloseKey(HKEY key) {
  openKeys.erase(key);
  return RegCloseKey(key);
}

// The registry routines of the list: the spy's, or the system's again.
void route(bool spying) {
  fw::win::RegCreateKeyExA.replaceForTests(spying ? spyCreateKey : nullptr);
  fw::win::RegOpenKeyExA.replaceForTests(spying ? spyOpenKey : nullptr);
  fw::win::RegSetValueExA.replaceForTests(spying ? spySetValue : nullptr);
  fw::win::RegDeleteValueA.replaceForTests(spying ? spyDeleteValue : nullptr);
  fw::win::RegDeleteKeyA.replaceForTests(spying ? spyDeleteKey : nullptr);
  fw::win::RegCloseKey.replaceForTests(spying ? spyCloseKey : nullptr);
}

}  // namespace

RegistrySpy::RegistrySpy() {
  active = this;
  route(true);
}

RegistrySpy::~RegistrySpy() {
  route(false);
  openKeys.clear();
  active = nullptr;
}

std::vector<std::string> RegistrySpy::writtenPaths() const {
  std::vector<std::string> paths;
  for (const RegistryWrite& write : writes) paths.push_back(write.path);
  return paths;
}

}  // namespace system_test
