#include "framework/registry.h"

namespace fw {

RegistryPath splitRegistryPath(const Text& fullPath) {
  // A trail byte may be 0x5C, which is no separator.
  const std::size_t last = findLastByte(fullPath, '\\');
  if (last == Text::npos) return {Text(), fullPath};
  return {fullPath.substr(0, last), fullPath.substr(last + 1)};
}

}  // namespace fw
