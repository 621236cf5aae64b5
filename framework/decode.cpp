#include "framework/decode.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <gif_lib.h>
#include <jpeglib.h>
#include <png.h>
#include <tiffio.h>

namespace fw {
namespace {

// Pictures bigger than this are refused rather than risking the address space
// of a 32-bit process; a bitmap made from one keeps its size fields far below
// their 32-bit limit.
constexpr uint64_t kMaxPixelBytes = uint64_t{256} << 20;

bool allocate(Pixels& pixels, uint32_t width, uint32_t height) {
  if (width == 0 || height == 0 || uint64_t{width} * height * 4 > kMaxPixelBytes) return false;
  pixels.width = width;
  pixels.height = height;
  pixels.bgra.assign(std::size_t{width} * height * 4, 0);
  return true;
}

struct JpegErrors {
  jpeg_error_mgr manager;
  std::jmp_buf escape;
};

[[noreturn]] void onJpegError(j_common_ptr decoder) {
  std::longjmp(reinterpret_cast<JpegErrors*>(decoder->err)->escape, 1);
}

void onJpegMessage(j_common_ptr) {}

// libtiff reads through these callbacks from the bytes already in memory.
struct TiffSource {
  std::span<const unsigned char> bytes;
  toff_t position;
};

tmsize_t tiffRead(thandle_t handle, void* buffer, tmsize_t size) {
  auto* source = static_cast<TiffSource*>(handle);
  toff_t available = source->bytes.size() > source->position ? source->bytes.size() - source->position : 0;
  toff_t count = size < 0 ? 0 : std::min<toff_t>(static_cast<toff_t>(size), available);
  std::memcpy(buffer, source->bytes.data() + source->position, static_cast<std::size_t>(count));
  source->position += count;
  return static_cast<tmsize_t>(count);
}

tmsize_t tiffWrite(thandle_t, void*, tmsize_t) { return 0; }

toff_t tiffSeek(thandle_t handle, toff_t offset, int whence) {
  auto* source = static_cast<TiffSource*>(handle);
  toff_t base = whence == SEEK_CUR ? source->position : whence == SEEK_END ? source->bytes.size() : 0;
  source->position = base + offset;
  return source->position;
}

int tiffClose(thandle_t) { return 0; }

toff_t tiffSize(thandle_t handle) { return static_cast<TiffSource*>(handle)->bytes.size(); }

int tiffMap(thandle_t, void**, toff_t*) { return 0; }

void tiffUnmap(thandle_t, void*, toff_t) {}

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

}  // namespace

bool decodePng(std::span<const unsigned char> bytes, Pixels& out) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return false;
  image.format = PNG_FORMAT_BGRA;
  if (!allocate(out, image.width, image.height) ||
      !png_image_finish_read(&image, nullptr, out.bgra.data(), 0, nullptr)) {
    png_image_free(&image);
    return false;
  }
  return true;
}

// libjpeg reports errors by a jump, so nothing with a destructor may be created
// in this function after setjmp: `out` belongs to the caller.
bool decodeJpeg(std::span<const unsigned char> bytes, Pixels& out) {
  jpeg_decompress_struct decoder{};
  JpegErrors errors;
  decoder.err = jpeg_std_error(&errors.manager);
  errors.manager.error_exit = onJpegError;
  errors.manager.output_message = onJpegMessage;
  if (setjmp(errors.escape)) {
    jpeg_destroy_decompress(&decoder);
    return false;
  }
  jpeg_create_decompress(&decoder);
  jpeg_mem_src(&decoder, bytes.data(), static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(&decoder, TRUE) != JPEG_HEADER_OK) {
    jpeg_destroy_decompress(&decoder);
    return false;
  }
  // libjpeg converts CMYK to no other colour space, so those rows arrive as
  // inks and become colours here; BGRA output sets the fourth byte to 0xFF.
  const bool cmyk = decoder.jpeg_color_space == JCS_CMYK || decoder.jpeg_color_space == JCS_YCCK;
  decoder.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
  jpeg_start_decompress(&decoder);
  if (!allocate(out, decoder.output_width, decoder.output_height)) {
    jpeg_destroy_decompress(&decoder);
    return false;
  }
  while (decoder.output_scanline < decoder.output_height) {
    JSAMPROW row = out.bgra.data() + std::size_t{decoder.output_scanline} * out.width * 4;
    jpeg_read_scanlines(&decoder, &row, 1);
    if (cmyk) {
      // Adobe's CMYK JPEGs store the inks inverted: each value is already
      // "how much light", so a channel is its ink times black.
      for (uint32_t x = 0; x < out.width; ++x) {
        unsigned char* pixel = row + x * 4;
        const unsigned c = pixel[0], m = pixel[1], y = pixel[2], k = pixel[3];
        pixel[0] = static_cast<unsigned char>(y * k / 255);
        pixel[1] = static_cast<unsigned char>(m * k / 255);
        pixel[2] = static_cast<unsigned char>(c * k / 255);
        pixel[3] = 0xFF;
      }
    }
  }
  jpeg_finish_decompress(&decoder);
  jpeg_destroy_decompress(&decoder);
  return true;
}

bool decodeGif(std::span<const unsigned char> bytes, Pixels& out) {
  GifSource source{bytes};
  int error = 0;
  GifFileType* gif = DGifOpen(&source, readGif, &error);
  if (gif == nullptr) return false;
  bool ok = DGifSlurp(gif) == GIF_OK && gif->ImageCount > 0 && gif->SWidth > 0 && gif->SHeight > 0 &&
            allocate(out, static_cast<uint32_t>(gif->SWidth), static_cast<uint32_t>(gif->SHeight));
  if (ok) {
    const SavedImage& frame = gif->SavedImages[0];
    const ColorMapObject* colours = frame.ImageDesc.ColorMap != nullptr ? frame.ImageDesc.ColorMap : gif->SColorMap;
    GraphicsControlBlock control{};
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    DGifSavedExtensionToGCB(gif, 0, &control);
    const int width = gif->SWidth;
    const int height = gif->SHeight;
    const GifImageDesc& d = frame.ImageDesc;
    ok = colours != nullptr && frame.RasterBits != nullptr;
    for (int y = 0; ok && y < d.Height; ++y) {
      const int sy = d.Top + y;
      if (sy < 0 || sy >= height) continue;
      for (int x = 0; x < d.Width; ++x) {
        const int sx = d.Left + x;
        if (sx < 0 || sx >= width) continue;
        const int index = frame.RasterBits[static_cast<std::size_t>(y) * d.Width + x];
        if (index == control.TransparentColor || index >= colours->ColorCount) continue;
        const GifColorType& c = colours->Colors[index];
        uint8_t* p = &out.bgra[(static_cast<std::size_t>(sy) * width + sx) * 4];
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

bool decodeTiff(std::span<const unsigned char> bytes, Pixels& out) {
  TIFFSetErrorHandler(nullptr);
  TIFFSetWarningHandler(nullptr);
  TiffSource source{bytes, 0};
  TIFF* tiff = TIFFClientOpen("picture", "rm", &source, tiffRead, tiffWrite, tiffSeek, tiffClose,
                              tiffSize, tiffMap, tiffUnmap);
  if (tiff == nullptr) return false;
  uint32_t width = 0;
  uint32_t height = 0;
  bool ok = TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width) &&
            TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height) && allocate(out, width, height);
  // The RGBA reader fills the buffer with one packed value a pixel, which is
  // then rewritten in place, pixel by pixel, as B, G, R, A bytes.
  if (ok) {
    ok = TIFFReadRGBAImageOriented(tiff, width, height, reinterpret_cast<uint32_t*>(out.bgra.data()),
                                   ORIENTATION_TOPLEFT, 0) != 0;
  }
  TIFFClose(tiff);
  if (!ok) return false;
  for (uint8_t* pixel = out.bgra.data(); pixel != out.bgra.data() + out.bgra.size(); pixel += 4) {
    uint32_t packed;
    std::memcpy(&packed, pixel, sizeof packed);
    const unsigned alpha = TIFFGetA(packed);
    unsigned colour[3] = {TIFFGetB(packed), TIFFGetG(packed), TIFFGetR(packed)};
    // The reader hands back colours already multiplied by alpha; dividing it
    // out again is exact enough that multiplying it back in, rounded, gives
    // the reader's own values.
    if (alpha != 0 && alpha != 255) {
      for (unsigned& c : colour) c = std::min(255u, (c * 255 + alpha / 2) / alpha);
    }
    pixel[0] = static_cast<uint8_t>(colour[0]);
    pixel[1] = static_cast<uint8_t>(colour[1]);
    pixel[2] = static_cast<uint8_t>(colour[2]);
    pixel[3] = static_cast<uint8_t>(alpha);
  }
  return true;
}

}  // namespace fw
