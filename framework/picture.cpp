#include "framework/picture.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include <gif_lib.h>
#include <png.h>
#include <jpeglib.h>

namespace fw {

namespace {

// Decoded pixels, rows top first, B G R A bytes, straight (not premultiplied) alpha.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> bgra;
};

bool decodePng(std::span<const unsigned char> bytes, Pixels& out) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return false;
  image.format = PNG_FORMAT_BGRA;
  out.width = static_cast<int>(image.width);
  out.height = static_cast<int>(image.height);
  out.bgra.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, out.bgra.data(), 0, nullptr)) {
    png_image_free(&image);
    return false;
  }
  return true;
}

struct JpegError {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

void onJpegError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

void quietJpeg(j_common_ptr, int) {}

bool decodeJpeg(std::span<const unsigned char> bytes, Pixels& out) {
  jpeg_decompress_struct info{};
  JpegError error{};
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = onJpegError;
  error.manager.emit_message = quietJpeg;
  if (setjmp(error.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = JCS_EXT_BGRA;
  jpeg_start_decompress(&info);
  out.width = static_cast<int>(info.output_width);
  out.height = static_cast<int>(info.output_height);
  out.bgra.assign(static_cast<std::size_t>(out.width) * out.height * 4, 0);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = out.bgra.data() + static_cast<std::size_t>(info.output_scanline) * out.width * 4;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  // JCS_EXT_BGRA leaves the fourth byte at 0xFF: JPEG is opaque.
  return true;
}

struct GifSource {
  std::span<const unsigned char> bytes;
  std::size_t at = 0;
};

int readGif(GifFileType* gif, GifByteType* buffer, int length) {
  auto* source = static_cast<GifSource*>(gif->UserData);
  const std::size_t left = source->bytes.size() - source->at;
  const std::size_t n = std::min<std::size_t>(left, static_cast<std::size_t>(std::max(0, length)));
  std::memcpy(buffer, source->bytes.data() + source->at, n);
  source->at += n;
  return static_cast<int>(n);
}

// The first frame, placed on the logical screen; pixels outside it and the
// transparent colour are transparent.
bool decodeGif(std::span<const unsigned char> bytes, Pixels& out) {
  GifSource source{bytes};
  int error = 0;
  GifFileType* gif = DGifOpen(&source, readGif, &error);
  if (gif == nullptr) return false;
  bool ok = DGifSlurp(gif) == GIF_OK && gif->ImageCount > 0 && gif->SWidth > 0 && gif->SHeight > 0;
  if (ok) {
    const SavedImage& frame = gif->SavedImages[0];
    const ColorMapObject* colours = frame.ImageDesc.ColorMap != nullptr ? frame.ImageDesc.ColorMap : gif->SColorMap;
    GraphicsControlBlock control{};
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    DGifSavedExtensionToGCB(gif, 0, &control);
    out.width = gif->SWidth;
    out.height = gif->SHeight;
    out.bgra.assign(static_cast<std::size_t>(out.width) * out.height * 4, 0);
    const GifImageDesc& d = frame.ImageDesc;
    ok = colours != nullptr && frame.RasterBits != nullptr;
    for (int y = 0; ok && y < d.Height; ++y) {
      const int sy = d.Top + y;
      if (sy < 0 || sy >= out.height) continue;
      for (int x = 0; x < d.Width; ++x) {
        const int sx = d.Left + x;
        if (sx < 0 || sx >= out.width) continue;
        const int index = frame.RasterBits[static_cast<std::size_t>(y) * d.Width + x];
        if (index == control.TransparentColor || index >= colours->ColorCount) continue;
        const GifColorType& c = colours->Colors[index];
        uint8_t* p = &out.bgra[(static_cast<std::size_t>(sy) * out.width + sx) * 4];
        p[0] = c.Blue;
        p[1] = c.Green;
        p[2] = c.Red;
        p[3] = 0xFF;
      }
    }
  }
  DGifCloseFile(gif, &error);
  return ok;
}

}  // namespace

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
  if (!ok || pixels.width <= 0 || pixels.height <= 0) return picture;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = pixels.width;
  info.bmiHeader.biHeight = -pixels.height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr || bits == nullptr) return picture;
  auto* target = static_cast<uint8_t*>(bits);
  const std::size_t count = static_cast<std::size_t>(pixels.width) * pixels.height;
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
  picture.width_ = pixels.width;
  picture.height_ = pixels.height;
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
  AlphaBlend(dc, x, y, dw, dh, source, sx, sy, w, h, blend);
  SelectObject(source, old);
  DeleteDC(source);
}

}  // namespace fw
