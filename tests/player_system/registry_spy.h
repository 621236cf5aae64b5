#pragma once
// Watches the registry items through the routine list for the rest of a test:
// every value written and every key or value deleted, in order, each named by
// its full path ("HKCR\key\value", a trailing "\" for a default value), and
// refuses the writes a test names, as a registry that denies access would.
// The real registry still gets every write that is not refused.
#include <functional>
#include <string>
#include <vector>

namespace system_test {

struct RegistryWrite {
  std::string path;   // root, key and value name
  std::string data;   // the text stored, without its zero
  bool operator==(const RegistryWrite&) const = default;
};

class RegistrySpy {
 public:
  RegistrySpy();
  ~RegistrySpy();
  RegistrySpy(const RegistrySpy&) = delete;
  RegistrySpy& operator=(const RegistrySpy&) = delete;

  // Writes whose full path this gives true for fail with access denied.
  std::function<bool(const std::string& path)> refuses;

  std::vector<RegistryWrite> writes;     // attempted, refused ones included
  std::vector<std::string> deletions;    // keys and values asked to go

  // The attempted writes' paths alone, in order.
  std::vector<std::string> writtenPaths() const;
};

// The root's short name as the spy writes it.
inline const std::string kClassesRoot = "HKCR\\";
inline const std::string kCurrentUser = "HKCU\\";
inline const std::string kLocalMachine = "HKLM\\";

}  // namespace system_test
