#include "wav.h"

#include <algorithm>
#include <cstring>

namespace standin {
namespace {

uint32_t le32(const unsigned char* bytes) {
  return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
         uint32_t(bytes[3]) << 24;
}

uint16_t le16(const unsigned char* bytes) { return uint16_t(bytes[0] | bytes[1] << 8); }

void putLe32(unsigned char* bytes, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<unsigned char>(value >> (8 * i));
}

void putLe16(unsigned char* bytes, uint16_t value) {
  bytes[0] = static_cast<unsigned char>(value);
  bytes[1] = static_cast<unsigned char>(value >> 8);
}

class ReadOnlyFile {
 public:
  explicit ReadOnlyFile(const Text& path)
      : handle_(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~ReadOnlyFile() {
    if (isOpen()) CloseHandle(handle_);
  }
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
  int64_t size() const {
    LARGE_INTEGER size{};
    return GetFileSizeEx(handle_, &size) ? size.QuadPart : 0;
  }
  // Exactly `count` bytes at `offset`, or false.
  bool readAt(int64_t offset, void* buffer, DWORD count) const {
    LARGE_INTEGER at{};
    at.QuadPart = offset;
    DWORD read = 0;
    return SetFilePointerEx(handle_, at, nullptr, FILE_BEGIN) &&
           ReadFile(handle_, buffer, count, &read, nullptr) && read == count;
  }

 private:
  HANDLE handle_;
};

constexpr uint32_t kSilentRate = 8000;
constexpr uint16_t kSilentBlock = 2;  // mono, 16-bit

}  // namespace

std::optional<int64_t> wavDurationMs(const Text& path) {
  ReadOnlyFile file(path);
  if (!file.isOpen()) return std::nullopt;
  const int64_t fileSize = file.size();
  unsigned char riff[12];
  if (!file.readAt(0, riff, sizeof riff) || std::memcmp(riff, "RIFF", 4) != 0 ||
      std::memcmp(riff + 8, "WAVE", 4) != 0) {
    return std::nullopt;
  }
  uint32_t byteRate = 0;
  std::optional<int64_t> dataBytes;
  int64_t offset = 12;
  while (offset + 8 <= fileSize && !(byteRate != 0 && dataBytes)) {
    unsigned char chunk[8];
    if (!file.readAt(offset, chunk, sizeof chunk)) break;
    const int64_t chunkSize = le32(chunk + 4);
    const int64_t body = offset + 8;
    if (std::memcmp(chunk, "fmt ", 4) == 0 && chunkSize >= 16) {
      unsigned char format[16];
      if (!file.readAt(body, format, sizeof format)) break;
      byteRate = le32(format + 8);
      if (byteRate == 0) byteRate = le32(format + 4) * le16(format + 12);
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      dataBytes = std::min(chunkSize, fileSize - body);
    }
    offset = body + chunkSize + (chunkSize & 1);
  }
  if (byteRate == 0 || !dataBytes) return std::nullopt;
  return *dataBytes * 1000 / byteRate;
}

bool writeSilentWav(const Text& path, int64_t durationMs) {
  const int64_t samples = std::max<int64_t>(durationMs, 0) * kSilentRate / 1000;
  const uint32_t dataBytes = static_cast<uint32_t>(
      std::min<int64_t>(samples * kSilentBlock, 0x7FFFFFF0));
  unsigned char header[44];
  std::memcpy(header, "RIFF", 4);
  putLe32(header + 4, 36 + dataBytes);
  std::memcpy(header + 8, "WAVEfmt ", 8);
  putLe32(header + 16, 16);
  putLe16(header + 20, 1);  // PCM
  putLe16(header + 22, 1);  // channels
  putLe32(header + 24, kSilentRate);
  putLe32(header + 28, kSilentRate * kSilentBlock);
  putLe16(header + 32, kSilentBlock);
  putLe16(header + 34, 16);
  std::memcpy(header + 36, "data", 4);
  putLe32(header + 40, dataBytes);

  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(file, header, sizeof header, &written, nullptr) && written == sizeof header;
  static const char silence[64 * 1024] = {};
  for (uint32_t left = dataBytes; ok && left > 0;) {
    DWORD count = std::min<uint32_t>(left, sizeof silence);
    ok = WriteFile(file, silence, count, &written, nullptr) && written == count;
    left -= count;
  }
  CloseHandle(file);
  if (!ok) DeleteFileA(path.c_str());
  return ok;
}

}  // namespace standin
