#include "config.h"

#include <cstdlib>
#include <map>
#include <mutex>

#include "environment.h"

namespace standin {
namespace {

std::mutex configLock;
bool loaded = false;
std::map<Text, Text> values;

Text trimmed(const Text& text) {
  std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == Text::npos) return Text();
  std::size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

// One "key = value" a line; blank lines and lines starting with "#" or ";" are
// skipped. Values keep inner blanks; both sides are trimmed.
void loadFile() {
  values.clear();
  loaded = true;
  const Text path = environmentValue(L"STANDIN_ENGINE_CONFIG");
  if (path.empty()) return;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  Text content;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) content.append(buffer, read);
  CloseHandle(file);
  for (const Text& rawLine : splitAt(content, '\n')) {
    Text line = trimmed(rawLine);
    if (line.empty() || line[0] == '#' || line[0] == ';') continue;
    std::size_t equals = line.find('=');
    if (equals == Text::npos) continue;
    Text key = trimmed(line.substr(0, equals));
    Text value = trimmed(line.substr(equals + 1));
    if (!key.empty()) values[key] = value;
  }
}

void ensureLoaded() {
  if (!loaded) loadFile();
}

}  // namespace

Text configValue(const Text& key, const Text& fallback) {
  std::lock_guard guard(configLock);
  ensureLoaded();
  auto found = values.find(key);
  return found == values.end() ? fallback : found->second;
}

bool isConfigured(const Text& key) {
  std::lock_guard guard(configLock);
  ensureLoaded();
  return values.count(key) != 0;
}

void setConfigValue(const Text& key, const Text& value) {
  std::lock_guard guard(configLock);
  ensureLoaded();
  values[key] = value;
}

void removeConfigValue(const Text& key) {
  std::lock_guard guard(configLock);
  ensureLoaded();
  values.erase(key);
}

void resetConfig() {
  std::lock_guard guard(configLock);
  loadFile();
}

int64_t configNumber(const Text& key, int64_t fallback) {
  Text value = configValue(key);
  if (value.empty()) return fallback;
  char* end = nullptr;
  long long number = std::strtoll(value.c_str(), &end, 10);
  return (end == value.c_str()) ? fallback : number;
}

bool manualClock() { return configValue("clock") == "manual"; }

}  // namespace standin
