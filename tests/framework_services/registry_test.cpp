// Registry items: the key/value split of a full path and the round trip under
// HKEY_CURRENT_USER, in keys of this process's own.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/registry.h"

namespace {

using fw::RegistryRoot;
using fw::Text;

TEST(RegistryPath, SplitsAtTheLastBackslashThatIsNoTrailByte) {
  struct Case {
    Text path, key, valueName;
  };
  const Text trail = "\x81\x5C";   // a GBK character whose trail byte is "\"
  const std::vector<Case> cases = {
      {"Software\\Classes\\.mp4\\OpenWithProgids", "Software\\Classes\\.mp4", "OpenWithProgids"},
      {"Software\\Classes\\Example.Document\\DefaultIcon\\", "Software\\Classes\\Example.Document\\DefaultIcon", ""},
      {"Software\\" + trail, "Software", trail},
      {"Software\\" + trail + "\\", "Software\\" + trail, ""},
      {trail + trail, "", trail + trail},
      {"Name", "", "Name"},
      {"\\", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    fw::RegistryPath split = fw::splitRegistryPath(c.path);
    EXPECT_EQ(split.key, c.key);
    EXPECT_EQ(split.valueName, c.valueName);
  }
}

// A key of this process's own under HKCU\Software, removed at the end.
class RegistryTest : public testing::Test {
 protected:
  Text base = "Software\\FrameworkServicesTest" + std::to_string(GetCurrentProcessId());
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, base.c_str()); }

  DWORD valueType(const Text& key, const Text& name, DWORD& size) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
      return REG_NONE;
    }
    DWORD type = REG_NONE;
    size = 0;
    RegQueryValueExA(opened, name.c_str(), nullptr, &type, nullptr, &size);
    RegCloseKey(opened);
    return type;
  }
};

TEST_F(RegistryTest, WriteCreatesMissingKeysAndStoresTextWithItsZero) {
  const Text path = base + "\\Classes\\.mp4\\OpenWithProgids\\示例.文档";
  ASSERT_TRUE(fw::registryWrite(RegistryRoot::CurrentUser, path, "文件 值"));
  EXPECT_EQ(fw::registryRead(RegistryRoot::CurrentUser, path), "文件 值");
  DWORD size = 0;
  EXPECT_EQ(valueType(base + "\\Classes\\.mp4\\OpenWithProgids", "示例.文档", size),
            static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(size, Text("文件 值").size() + 1);

  // A trailing backslash names the key's default value.
  const Text icon = base + "\\Classes\\Example.Document\\DefaultIcon\\";
  ASSERT_TRUE(fw::registryWrite(RegistryRoot::CurrentUser, icon, "C:\\q\\example.exe,0"));
  EXPECT_EQ(fw::registryRead(RegistryRoot::CurrentUser, icon), "C:\\q\\example.exe,0");
  EXPECT_EQ(valueType(base + "\\Classes\\Example.Document\\DefaultIcon", "", size),
            static_cast<DWORD>(REG_SZ));
  ASSERT_TRUE(fw::registryWrite(RegistryRoot::CurrentUser, icon, ""));
  EXPECT_EQ(fw::registryRead(RegistryRoot::CurrentUser, icon), "");
}

TEST_F(RegistryTest, ReadGivesTheEmptyTextWhenKeyOrValueIsMissing) {
  EXPECT_EQ(fw::registryRead(RegistryRoot::CurrentUser, base + "\\Missing\\Value"), "");
  ASSERT_TRUE(fw::registryWrite(RegistryRoot::CurrentUser, base + "\\Key\\Present", "1"));
  EXPECT_EQ(fw::registryRead(RegistryRoot::CurrentUser, base + "\\Key\\Absent"), "");
  EXPECT_EQ(fw::registryRead(RegistryRoot::CurrentUser, base + "\\Key\\"), "");
}

TEST_F(RegistryTest, DeleteRemovesTheValueElseTheKeyOfTheWholePath) {
  const Text key = base + "\\Classes\\.flac";
  ASSERT_TRUE(fw::registryWrite(RegistryRoot::CurrentUser, key + "\\", "Example.flac"));
  ASSERT_TRUE(fw::registryWrite(RegistryRoot::CurrentUser, key + "\\OpenWithProgids\\Q", ""));

  // The value first.
  EXPECT_TRUE(fw::registryDelete(RegistryRoot::CurrentUser, key + "\\"));
  EXPECT_EQ(fw::registryRead(RegistryRoot::CurrentUser, key + "\\"), "");
  // No such value: the key named by the whole path, which the registry refuses
  // while it has subkeys.
  EXPECT_FALSE(fw::registryDelete(RegistryRoot::CurrentUser, key));
  EXPECT_TRUE(fw::registryDelete(RegistryRoot::CurrentUser, key + "\\OpenWithProgids\\Q"));
  EXPECT_TRUE(fw::registryDelete(RegistryRoot::CurrentUser, key + "\\OpenWithProgids"));
  HKEY opened = nullptr;
  EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, (key + "\\OpenWithProgids").c_str(), 0, KEY_READ, &opened),
            ERROR_SUCCESS);
  EXPECT_TRUE(fw::registryDelete(RegistryRoot::CurrentUser, key));
  EXPECT_FALSE(fw::registryDelete(RegistryRoot::CurrentUser, key));
}

}  // namespace
