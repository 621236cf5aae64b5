#include "framework/image.h"

#include <windows.h>

#include <cstring>
#include <span>

#include "framework/decode.h"
#include "framework/files.h"

namespace fw {
namespace {

bool startsWith(const Bytes& data, const char* signature, std::size_t length) {
  return data.size() >= length && std::memcmp(data.data(), signature, length) == 0;
}

// A 24-bit Windows bitmap: the bottom row first, each row padded to four bytes.
// Transparency is composited on black, where the engine shows its logo when no
// video plays, with the same rounded weights as the premultiplied pictures of
// picture boxes.
Bytes bmpFile(const Pixels& pixels) {
  static_assert(sizeof(BITMAPFILEHEADER) == 14 && sizeof(BITMAPINFOHEADER) == 40);
  const std::size_t stride = (std::size_t{pixels.width} * 3 + 3) & ~std::size_t{3};
  const std::size_t size = stride * pixels.height;
  const auto headers = static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER));
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;   // "BM"
  file.bfSize = headers + static_cast<DWORD>(size);
  file.bfOffBits = headers;
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = static_cast<LONG>(pixels.width);
  info.biHeight = static_cast<LONG>(pixels.height);   // positive: bottom-up rows
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  info.biSizeImage = static_cast<DWORD>(size);
  Bytes out(headers + size, '\0');
  std::memcpy(out.data(), &file, sizeof file);
  std::memcpy(out.data() + sizeof file, &info, sizeof info);
  auto* rows = reinterpret_cast<unsigned char*>(out.data() + headers);
  for (uint32_t y = 0; y < pixels.height; ++y) {
    const uint8_t* from = pixels.bgra.data() + std::size_t{y} * pixels.width * 4;
    unsigned char* to = rows + (pixels.height - 1 - y) * stride;
    for (uint32_t x = 0; x < pixels.width; ++x, from += 4, to += 3) {
      const unsigned alpha = from[3];
      to[0] = static_cast<unsigned char>((from[0] * alpha + 127) / 255);
      to[1] = static_cast<unsigned char>((from[1] * alpha + 127) / 255);
      to[2] = static_cast<unsigned char>((from[2] * alpha + 127) / 255);
    }
  }
  return out;
}

}  // namespace

bool convertImageToBmp(const Text& path) {
  Bytes data;
  if (!readWholeFile(path, data)) return false;
  const std::span bytes(reinterpret_cast<const unsigned char*>(data.data()), data.size());
  Pixels pixels;
  bool decoded = false;
  if (startsWith(data, "\x89PNG\r\n\x1A\n", 8)) {
    decoded = decodePng(bytes, pixels);
  } else if (startsWith(data, "\xFF\xD8\xFF", 3)) {
    decoded = decodeJpeg(bytes, pixels);
  } else if (startsWith(data, "II*\0", 4) || startsWith(data, "MM\0*", 4) ||
             startsWith(data, "II+\0", 4) || startsWith(data, "MM\0+", 4)) {
    decoded = decodeTiff(bytes, pixels);
  }
  if (!decoded) return false;

  // The picture is written beside the file and then moved over it, so a failed
  // write never leaves the original half replaced.
  const Text written = path + ".bmp~";
  if (!writeWholeFile(written, bmpFile(pixels))) {
    DeleteFileA(written.c_str());
    return false;
  }
  if (!MoveFileExA(written.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    DeleteFileA(written.c_str());
    return false;
  }
  return true;
}

}  // namespace fw
