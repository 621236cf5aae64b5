#include "framework/picture.h"

#include <cstring>
#include <utility>

#include "framework/decode.h"

namespace fw {

PictureFormat pictureFormat(std::span<const unsigned char> b) {
  if (b.size() >= 8 && std::memcmp(b.data(), "\x89PNG\r\n\x1a\n", 8) == 0) return PictureFormat::Png;
  if (b.size() >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF) return PictureFormat::Jpeg;
  if (b.size() >= 6 && (std::memcmp(b.data(), "GIF87a", 6) == 0 || std::memcmp(b.data(), "GIF89a", 6) == 0)) {
    return PictureFormat::Gif;
  }
  if (b.size() >= 2 && b[0] == 'B' && b[1] == 'M') return PictureFormat::Bmp;
  return PictureFormat::Unknown;
}

Picture::Picture(Picture&& other) noexcept { *this = std::move(other); }

Picture& Picture::operator=(Picture&& other) noexcept {
  if (this != &other) {
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
    bitmap_ = other.bitmap_;
    pixels_ = other.pixels_;
    width_ = other.width_;
    height_ = other.height_;
    other.bitmap_ = nullptr;
    other.pixels_ = nullptr;
    other.width_ = other.height_ = 0;
  }
  return *this;
}

Picture::~Picture() {
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
}

Picture Picture::decode(std::span<const unsigned char> bytes) {
  Picture picture;
  Pixels pixels;
  bool ok = false;
  switch (pictureFormat(bytes)) {
    case PictureFormat::Png: ok = decodePng(bytes, pixels); break;
    case PictureFormat::Jpeg: ok = decodeJpeg(bytes, pixels); break;
    case PictureFormat::Gif: ok = decodeGif(bytes, pixels); break;
    default: break;
  }
  if (!ok) return picture;
  const int width = static_cast<int>(pixels.width);
  const int height = static_cast<int>(pixels.height);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr || bits == nullptr) return picture;
  auto* target = static_cast<uint8_t*>(bits);
  // Alpha blending takes premultiplied colours.
  const std::size_t count = std::size_t{pixels.width} * pixels.height;
  for (std::size_t i = 0; i < count; ++i) {
    const uint8_t* s = &pixels.bgra[i * 4];
    uint8_t* d = &target[i * 4];
    const unsigned a = s[3];
    d[0] = static_cast<uint8_t>((s[0] * a + 127) / 255);
    d[1] = static_cast<uint8_t>((s[1] * a + 127) / 255);
    d[2] = static_cast<uint8_t>((s[2] * a + 127) / 255);
    d[3] = static_cast<uint8_t>(a);
  }
  picture.bitmap_ = bitmap;
  picture.pixels_ = static_cast<uint32_t*>(bits);
  picture.width_ = width;
  picture.height_ = height;
  return picture;
}

void Picture::draw(HDC dc, int x, int y) const {
  drawPart(dc, x, y, width_, height_, 0, 0, width_, height_);
}

void Picture::drawPart(HDC dc, int x, int y, int dw, int dh, int sx, int sy, int w, int h) const {
  if (bitmap_ == nullptr || dw <= 0 || dh <= 0 || w <= 0 || h <= 0) return;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, bitmap_);
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  // gdi32's own blend, which msimg32's AlphaBlend only forwards to: drawing a
  // picture then loads no library of its own.
  GdiAlphaBlend(dc, x, y, dw, dh, source, sx, sy, w, h, blend);
  SelectObject(source, old);
  DeleteDC(source);
}

}  // namespace fw
