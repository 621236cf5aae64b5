// The image-to-BMP conversion for each input format, with fixtures made by the
// libraries themselves, and for files it cannot read.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <jpeglib.h>
#include <png.h>
#include <tiffio.h>

#include "framework/image.h"
#include "tests/support/temp_folder.h"

namespace {

using Pixel = std::vector<int>;   // red, green, blue[, alpha]

struct Picture {
  int width, height, channels;
  std::vector<unsigned char> samples;   // top row first
};

std::string pngFile(const Picture& picture) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = picture.width;
  image.height = picture.height;
  image.format = picture.channels == 4 ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
  png_alloc_size_t size = 0;
  EXPECT_TRUE(png_image_write_to_memory(&image, nullptr, &size, 0, picture.samples.data(), 0, nullptr));
  std::string bytes(size, '\0');
  EXPECT_TRUE(png_image_write_to_memory(&image, bytes.data(), &size, 0, picture.samples.data(), 0,
                                        nullptr));
  bytes.resize(size);
  return bytes;
}

std::string jpegFile(const Picture& picture) {
  jpeg_compress_struct encoder{};
  jpeg_error_mgr errors;
  encoder.err = jpeg_std_error(&errors);
  jpeg_create_compress(&encoder);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&encoder, &buffer, &size);
  encoder.image_width = picture.width;
  encoder.image_height = picture.height;
  encoder.input_components = picture.channels;
  encoder.in_color_space = picture.channels == 1 ? JCS_GRAYSCALE : picture.channels == 4 ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&encoder);
  jpeg_set_quality(&encoder, 98, TRUE);
  jpeg_start_compress(&encoder, TRUE);
  while (encoder.next_scanline < encoder.image_height) {
    JSAMPROW row = const_cast<unsigned char*>(picture.samples.data()) +
                   encoder.next_scanline * picture.width * picture.channels;
    jpeg_write_scanlines(&encoder, &row, 1);
  }
  jpeg_finish_compress(&encoder);
  jpeg_destroy_compress(&encoder);
  std::string bytes(reinterpret_cast<char*>(buffer), size);
  free(buffer);
  return bytes;
}

void writeTiff(const std::string& path, const Picture& picture) {
  TIFF* tiff = TIFFOpen(path.c_str(), "w");
  ASSERT_NE(tiff, nullptr);
  TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, picture.width);
  TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, picture.height);
  TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, picture.channels);
  TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8);
  TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
  TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
  TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_LZW);
  if (picture.channels == 4) {
    uint16_t extra[] = {EXTRASAMPLE_UNASSALPHA};
    TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, 1, extra);
  }
  TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, picture.height);
  for (int y = 0; y < picture.height; ++y) {
    std::vector<unsigned char> row(picture.samples.begin() + y * picture.width * picture.channels,
                                   picture.samples.begin() + (y + 1) * picture.width * picture.channels);
    ASSERT_EQ(TIFFWriteScanline(tiff, row.data(), y, 0), 1);
  }
  TIFFClose(tiff);
}

// What the converted file must hold: a 24-bit bitmap with the two headers,
// bottom row first, rows padded to four bytes.
class Bitmap {
 public:
  explicit Bitmap(std::string bytes) : bytes_(std::move(bytes)) {}

  void expectHeaders(int width, int height) const {
    ASSERT_GE(bytes_.size(), 54u);
    EXPECT_EQ(bytes_.substr(0, 2), "BM");
    const std::size_t stride = (width * 3 + 3) & ~3;
    EXPECT_EQ(u32(2), bytes_.size());             // file size
    EXPECT_EQ(u32(10), 54u);                      // pixels after both headers
    EXPECT_EQ(u32(14), 40u);                      // BITMAPINFOHEADER
    EXPECT_EQ(static_cast<int32_t>(u32(18)), width);
    EXPECT_EQ(static_cast<int32_t>(u32(22)), height);   // positive: bottom-up
    EXPECT_EQ(u16(26), 1u);
    EXPECT_EQ(u16(28), 24u);
    EXPECT_EQ(u32(30), 0u);                       // BI_RGB
    EXPECT_EQ(bytes_.size(), 54 + stride * height);
  }

  // Red, green and blue of the pixel at x, y counted from the top row.
  Pixel at(int x, int y, int width, int height) const {
    const std::size_t stride = (width * 3 + 3) & ~3;
    const std::size_t offset = 54 + (height - 1 - y) * stride + x * 3;
    auto byte = [&](std::size_t i) { return static_cast<int>(static_cast<unsigned char>(bytes_[i])); };
    return {byte(offset + 2), byte(offset + 1), byte(offset)};
  }

 private:
  uint32_t u32(std::size_t at) const {
    uint32_t v;
    std::memcpy(&v, bytes_.data() + at, 4);
    return v;
  }
  uint32_t u16(std::size_t at) const {
    uint16_t v;
    std::memcpy(&v, bytes_.data() + at, 2);
    return v;
  }
  std::string bytes_;
};

void expectNear(const Pixel& actual, const Pixel& expected, int tolerance) {
  ASSERT_EQ(actual.size(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(actual[i], expected[i], tolerance) << "channel " << i;
}

// 3 x 2 with transparency: red, half-transparent green, transparent blue; white,
// black, grey. Width 3 makes every bitmap row carry three bytes of padding.
const Picture kTransparent{3, 2, 4, {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 0,
                                     255, 255, 255, 255, 0, 0, 0, 255, 100, 100, 100, 255}};

using ImageToBmpTest = support::TempFolderTest;

TEST_F(ImageToBmpTest, PngBecomesA24BitBitmapOnBlack) {
  const std::string path = temp.file("标志图.BMP");   // PNG bytes under a BMP name
  ASSERT_TRUE(support::writeFile(path, pngFile(kTransparent)));
  ASSERT_TRUE(fw::convertImageToBmp(path));
  Bitmap bitmap(support::readFile(path));
  bitmap.expectHeaders(3, 2);
  expectNear(bitmap.at(0, 0, 3, 2), {255, 0, 0}, 0);
  // Composited on black, as the TIFF alpha is: half the green.
  expectNear(bitmap.at(1, 0, 3, 2), {0, 128, 0}, 1);
  expectNear(bitmap.at(2, 0, 3, 2), {0, 0, 0}, 0);
  expectNear(bitmap.at(0, 1, 3, 2), {255, 255, 255}, 0);
  expectNear(bitmap.at(1, 1, 3, 2), {0, 0, 0}, 0);
  expectNear(bitmap.at(2, 1, 3, 2), {100, 100, 100}, 0);

  // The system's own bitmap loader reads it.
  HANDLE loaded = LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
  ASSERT_NE(loaded, nullptr);
  BITMAP info{};
  GetObjectA(loaded, sizeof info, &info);
  EXPECT_EQ(info.bmWidth, 3);
  EXPECT_EQ(info.bmHeight, 2);
  DeleteObject(loaded);
}

TEST_F(ImageToBmpTest, JpegInColourAndGreyBecomesABitmap) {
  // 5 x 16: the top half red, the bottom half blue.
  Picture colour{5, 16, 3, {}};
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 5; ++x)
      for (int v : y < 8 ? Pixel{220, 30, 20} : Pixel{20, 40, 200}) colour.samples.push_back(v);
  const std::string path = temp.file("photo.jpg");
  ASSERT_TRUE(support::writeFile(path, jpegFile(colour)));
  ASSERT_TRUE(fw::convertImageToBmp(path));
  Bitmap bitmap(support::readFile(path));
  bitmap.expectHeaders(5, 16);
  expectNear(bitmap.at(0, 0, 5, 16), {220, 30, 20}, 12);
  expectNear(bitmap.at(4, 15, 5, 16), {20, 40, 200}, 12);

  Picture grey{4, 4, 1, std::vector<unsigned char>(16, 90)};
  const std::string greyPath = temp.file("grey.jpeg");
  ASSERT_TRUE(support::writeFile(greyPath, jpegFile(grey)));
  ASSERT_TRUE(fw::convertImageToBmp(greyPath));
  Bitmap greyBitmap(support::readFile(greyPath));
  greyBitmap.expectHeaders(4, 4);
  expectNear(greyBitmap.at(2, 2, 4, 4), {90, 90, 90}, 3);

  // CMYK as Adobe writes it, each ink inverted: a channel is its value times
  // the fourth one. 8 x 8 of one colour keeps the JPEG close to it.
  Picture cmyk{8, 8, 4, {}};
  for (int i = 0; i < 64; ++i)
    for (int v : {255, 128, 0, 200}) cmyk.samples.push_back(v);
  const std::string cmykPath = temp.file("print.jpg");
  ASSERT_TRUE(support::writeFile(cmykPath, jpegFile(cmyk)));
  ASSERT_TRUE(fw::convertImageToBmp(cmykPath));
  Bitmap cmykBitmap(support::readFile(cmykPath));
  cmykBitmap.expectHeaders(8, 8);
  expectNear(cmykBitmap.at(3, 3, 8, 8), {200, 100, 0}, 4);
}

TEST_F(ImageToBmpTest, TiffWithAndWithoutAlphaBecomesABitmap) {
  const std::string rgbPath = temp.file("scan.tif");
  Picture rgb{3, 2, 3, {255, 0, 0, 0, 255, 0, 0, 0, 255, 10, 20, 30, 40, 50, 60, 70, 80, 90}};
  writeTiff(rgbPath, rgb);
  ASSERT_TRUE(fw::convertImageToBmp(rgbPath));
  Bitmap bitmap(support::readFile(rgbPath));
  bitmap.expectHeaders(3, 2);
  expectNear(bitmap.at(0, 0, 3, 2), {255, 0, 0}, 0);
  expectNear(bitmap.at(2, 0, 3, 2), {0, 0, 255}, 0);
  expectNear(bitmap.at(0, 1, 3, 2), {10, 20, 30}, 0);
  expectNear(bitmap.at(2, 1, 3, 2), {70, 80, 90}, 0);

  const std::string alphaPath = temp.file("alpha.tiff");
  writeTiff(alphaPath, kTransparent);
  ASSERT_TRUE(fw::convertImageToBmp(alphaPath));
  Bitmap alpha(support::readFile(alphaPath));
  alpha.expectHeaders(3, 2);
  expectNear(alpha.at(0, 0, 3, 2), {255, 0, 0}, 0);
  expectNear(alpha.at(1, 0, 3, 2), {0, 128, 0}, 1);
  expectNear(alpha.at(2, 0, 3, 2), {0, 0, 0}, 0);
  expectNear(alpha.at(2, 1, 3, 2), {100, 100, 100}, 0);
}

TEST_F(ImageToBmpTest, AFileItCannotReadIsLeftAsItWas) {
  const std::string png = pngFile(kTransparent);
  const std::vector<std::pair<std::string, std::string>> broken = {
      {"cut.png", png.substr(0, png.size() / 2)},
      {"garbage.png", std::string("\x89PNG\r\n\x1A\n", 8) + std::string(200, '\x07')},
      {"garbage.jpg", std::string("\xFF\xD8\xFF\xE0", 4) + std::string(100, 'j')},
      {"garbage.tif", std::string("II*\0\x08\0\0\0", 8) + std::string(50, '\xFF')},
      {"text.png", "not a picture"},
      {"empty.png", ""},
      {"already.bmp", std::string("BM") + std::string(60, '\0')},
  };
  for (const auto& [name, bytes] : broken) {
    SCOPED_TRACE(name);
    const std::string path = temp.file(name);
    ASSERT_TRUE(support::writeFile(path, bytes));
    EXPECT_FALSE(fw::convertImageToBmp(path));
    EXPECT_EQ(support::readFile(path), bytes);
    EXPECT_EQ(GetFileAttributesA((path + ".bmp~").c_str()), INVALID_FILE_ATTRIBUTES);
  }
  EXPECT_FALSE(fw::convertImageToBmp(temp.file("missing.png")));
  EXPECT_EQ(GetFileAttributesA(temp.file("missing.png").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
