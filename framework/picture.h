#pragma once
// Pictures carried in window descriptions, decoded with libpng, libjpeg and
// giflib into 32-bit top-down bitmaps with premultiplied alpha, ready for
// alpha blending. GIF transparency and PNG alpha become alpha; JPEG is opaque.
#include <windows.h>

#include <cstdint>
#include <span>

namespace fw {

enum class PictureFormat { Unknown, Png, Jpeg, Gif, Bmp };

// The format told by the first bytes.
PictureFormat pictureFormat(std::span<const unsigned char> bytes);

// A decoded picture; owns its bitmap.
class Picture {
 public:
  Picture() = default;
  Picture(Picture&& other) noexcept;
  Picture& operator=(Picture&& other) noexcept;
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;
  ~Picture();

  // Decodes the bytes; an empty picture when they are not PNG, JPEG or GIF (the
  // first frame of a GIF), cannot be read or would take more than 256 MiB.
  static Picture decode(std::span<const unsigned char> bytes);

  bool empty() const { return bitmap_ == nullptr; }
  int width() const { return width_; }
  int height() const { return height_; }
  // A 32-bit top-down DIB section, premultiplied alpha.
  HBITMAP bitmap() const { return bitmap_; }
  // Its pixels (B, G, R, A bytes, rows top first), width × height of them.
  const uint32_t* pixels() const { return pixels_; }

  // Draws the whole picture with its alpha at (x, y); drawPart draws the part
  // (sx, sy, w, h) of it stretched to (dw, dh), and nothing when a size is 0.
  void draw(HDC dc, int x, int y) const;
  void drawPart(HDC dc, int x, int y, int dw, int dh, int sx, int sy, int w, int h) const;

 private:
  HBITMAP bitmap_ = nullptr;
  uint32_t* pixels_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace fw
