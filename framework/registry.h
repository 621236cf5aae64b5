#pragma once
// Registry items. A full path is split at its last backslash that is not the
// trail byte of a double-byte character into key and value name; a path ending
// in "\" names the key's default value.
#include "text.h"

namespace fw {

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine };

// Creates missing keys; stores REG_SZ including its zero. Succeeds or fails whole.
bool registryWrite(RegistryRoot root, const Text& fullPath, const Text& value);
// Deletes the value; if that fails, the key named by the whole path.
bool registryDelete(RegistryRoot root, const Text& fullPath);
// The empty text when the key or value is missing.
Text registryRead(RegistryRoot root, const Text& fullPath);

// The key/value split itself, with no system behind it (registry_path.cpp).
struct RegistryPath {
  Text key;
  Text valueName;   // empty: the default value
};
RegistryPath splitRegistryPath(const Text& fullPath);

}  // namespace fw
