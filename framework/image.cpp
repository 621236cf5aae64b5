#include "framework/image.h"

#include <windows.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include <jpeglib.h>
#include <png.h>
#include <tiffio.h>

#include "framework/files.h"

namespace fw {
namespace {

// A decoded picture in the layout of a 24-bit Windows bitmap: blue, green, red,
// the bottom row first, each row padded to four bytes.
struct BmpPixels {
  uint32_t width = 0;
  uint32_t height = 0;
  std::vector<unsigned char> bytes;

  std::size_t stride() const { return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3}; }
  unsigned char* row(uint32_t topDownIndex) {
    return bytes.data() + (height - 1 - topDownIndex) * stride();
  }
};

// Pictures bigger than this are refused rather than risking the address space
// of a 32-bit process; the bitmap's size fields stay far below their 32-bit limit.
constexpr std::size_t kMaxPixelBytes = std::size_t{256} << 20;

bool allocate(BmpPixels& pixels, uint32_t width, uint32_t height) {
  if (width == 0 || height == 0 || width > 0x7FFFFFFFu / 4 || height > 0x7FFFFFFFu) return false;
  pixels.width = width;
  pixels.height = height;
  if (pixels.stride() > kMaxPixelBytes / height) return false;
  pixels.bytes.assign(pixels.stride() * height, 0);
  return true;
}

bool startsWith(const Bytes& data, const char* signature, std::size_t length) {
  return data.size() >= length && std::memcmp(data.data(), signature, length) == 0;
}

// PNG: libpng's simplified reader composites any transparency on black (the
// logo is shown where no video plays, on black) and writes the rows bottom-up
// when given a negative row stride.
bool decodePng(const Bytes& data, BmpPixels& pixels) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, data.data(), data.size())) return false;
  image.format = PNG_FORMAT_BGR;
  if (!allocate(pixels, image.width, image.height)) {
    png_image_free(&image);
    return false;
  }
  const png_color black{0, 0, 0};
  auto stride = static_cast<png_int_32>(pixels.stride());
  if (!png_image_finish_read(&image, &black, pixels.bytes.data(), -stride, nullptr)) {
    png_image_free(&image);
    return false;
  }
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

// libjpeg reports errors by a jump, so nothing with a destructor may be created
// in this function after setjmp: `pixels` belongs to the caller.
bool decodeJpeg(const Bytes& data, BmpPixels& pixels) {
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
  jpeg_mem_src(&decoder, reinterpret_cast<const unsigned char*>(data.data()),
               static_cast<unsigned long>(data.size()));
  if (jpeg_read_header(&decoder, TRUE) != JPEG_HEADER_OK) {
    jpeg_destroy_decompress(&decoder);
    return false;
  }
  const bool cmyk = decoder.jpeg_color_space == JCS_CMYK || decoder.jpeg_color_space == JCS_YCCK;
  decoder.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;
  jpeg_start_decompress(&decoder);
  if (!allocate(pixels, decoder.output_width, decoder.output_height)) {
    jpeg_destroy_decompress(&decoder);
    return false;
  }
  unsigned char* scratch = nullptr;
  if (cmyk) {
    scratch = static_cast<unsigned char*>((*decoder.mem->alloc_small)(
        reinterpret_cast<j_common_ptr>(&decoder), JPOOL_IMAGE, decoder.output_width * 4u));
  }
  while (decoder.output_scanline < decoder.output_height) {
    unsigned char* target = pixels.row(decoder.output_scanline);
    JSAMPROW row = cmyk ? scratch : target;
    jpeg_read_scanlines(&decoder, &row, 1);
    if (cmyk) {
      // Adobe's CMYK JPEGs store the inks inverted: each value is already
      // "how much light", so a channel is its ink times black.
      for (uint32_t x = 0; x < pixels.width; ++x) {
        const unsigned char* ink = scratch + x * 4;
        target[x * 3 + 0] = static_cast<unsigned char>(ink[2] * ink[3] / 255);
        target[x * 3 + 1] = static_cast<unsigned char>(ink[1] * ink[3] / 255);
        target[x * 3 + 2] = static_cast<unsigned char>(ink[0] * ink[3] / 255);
      }
    }
  }
  jpeg_finish_decompress(&decoder);
  jpeg_destroy_decompress(&decoder);
  return true;
}

// libtiff reads through these callbacks from the bytes already in memory.
struct TiffSource {
  const Bytes* data;
  toff_t position;
};

tmsize_t tiffRead(thandle_t handle, void* buffer, tmsize_t size) {
  auto* source = static_cast<TiffSource*>(handle);
  toff_t available = source->data->size() > source->position ? source->data->size() - source->position : 0;
  toff_t count = size < 0 ? 0 : std::min<toff_t>(static_cast<toff_t>(size), available);
  std::memcpy(buffer, source->data->data() + source->position, static_cast<std::size_t>(count));
  source->position += count;
  return static_cast<tmsize_t>(count);
}

tmsize_t tiffWrite(thandle_t, void*, tmsize_t) { return 0; }

toff_t tiffSeek(thandle_t handle, toff_t offset, int whence) {
  auto* source = static_cast<TiffSource*>(handle);
  toff_t base = whence == SEEK_CUR ? source->position : whence == SEEK_END ? source->data->size() : 0;
  source->position = base + offset;
  return source->position;
}

int tiffClose(thandle_t) { return 0; }

toff_t tiffSize(thandle_t handle) { return static_cast<TiffSource*>(handle)->data->size(); }

int tiffMap(thandle_t, void**, toff_t*) { return 0; }

void tiffUnmap(thandle_t, void*, toff_t) {}

// TIFF: libtiff's RGBA reader handles every photometric kind and hands back
// alpha already multiplied into the colours, which is the picture on black.
bool decodeTiff(const Bytes& data, BmpPixels& pixels) {
  TIFFSetErrorHandler(nullptr);
  TIFFSetWarningHandler(nullptr);
  TiffSource source{&data, 0};
  TIFF* tiff = TIFFClientOpen("picture", "rm", &source, tiffRead, tiffWrite, tiffSeek, tiffClose,
                              tiffSize, tiffMap, tiffUnmap);
  if (tiff == nullptr) return false;
  uint32_t width = 0;
  uint32_t height = 0;
  bool ok = TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width) &&
            TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height) && allocate(pixels, width, height);
  std::vector<uint32_t> raster;
  if (ok) {
    raster.resize(static_cast<std::size_t>(width) * height);
    ok = TIFFReadRGBAImageOriented(tiff, width, height, raster.data(), ORIENTATION_BOTLEFT, 0) != 0;
  }
  TIFFClose(tiff);
  if (!ok) return false;
  for (uint32_t y = 0; y < height; ++y) {
    const uint32_t* from = raster.data() + static_cast<std::size_t>(y) * width;
    unsigned char* to = pixels.bytes.data() + y * pixels.stride();   // both bottom-up
    for (uint32_t x = 0; x < width; ++x) {
      to[x * 3 + 0] = static_cast<unsigned char>(TIFFGetB(from[x]));
      to[x * 3 + 1] = static_cast<unsigned char>(TIFFGetG(from[x]));
      to[x * 3 + 2] = static_cast<unsigned char>(TIFFGetR(from[x]));
    }
  }
  return true;
}

Bytes bmpFile(const BmpPixels& pixels) {
  static_assert(sizeof(BITMAPFILEHEADER) == 14 && sizeof(BITMAPINFOHEADER) == 40);
  const auto headers = static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER));
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;   // "BM"
  file.bfSize = headers + static_cast<DWORD>(pixels.bytes.size());
  file.bfOffBits = headers;
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = static_cast<LONG>(pixels.width);
  info.biHeight = static_cast<LONG>(pixels.height);   // positive: bottom-up rows
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  info.biSizeImage = static_cast<DWORD>(pixels.bytes.size());
  Bytes out;
  out.reserve(file.bfSize);
  out.append(reinterpret_cast<const char*>(&file), sizeof file);
  out.append(reinterpret_cast<const char*>(&info), sizeof info);
  out.append(reinterpret_cast<const char*>(pixels.bytes.data()), pixels.bytes.size());
  return out;
}

}  // namespace

bool convertImageToBmp(const Text& path) {
  Bytes data;
  if (!readWholeFile(path, data)) return false;
  BmpPixels pixels;
  bool decoded = false;
  if (startsWith(data, "\x89PNG\r\n\x1A\n", 8)) {
    decoded = decodePng(data, pixels);
  } else if (startsWith(data, "\xFF\xD8\xFF", 3)) {
    decoded = decodeJpeg(data, pixels);
  } else if (startsWith(data, "II*\0", 4) || startsWith(data, "MM\0*", 4) ||
             startsWith(data, "II+\0", 4) || startsWith(data, "MM\0+", 4)) {
    decoded = decodeTiff(data, pixels);
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
