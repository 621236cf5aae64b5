#pragma once
// The framework's own picture decoding, shared by the pictures of window
// descriptions and the image-to-BMP conversion; not for use outside framework/.
#include <cstdint>
#include <span>
#include <vector>

namespace fw {

// A decoded picture: rows top first, B, G, R, A bytes a pixel, straight (not
// premultiplied) alpha. Width and height are at least 1.
struct Pixels {
  uint32_t width = 0;
  uint32_t height = 0;
  std::vector<uint8_t> bgra;   // width × height × 4 bytes
};

// Each decodes bytes of its own format into `out` and returns false when they
// cannot be read or the decoded picture would exceed 256 MiB, leaving `out`
// of no use. The caller tells the format from the first bytes.

// Transparency, from an alpha channel or a transparent colour, becomes alpha.
bool decodePng(std::span<const unsigned char> bytes, Pixels& out);
// Opaque; CMYK and YCCK pictures as well as colour and grey.
bool decodeJpeg(std::span<const unsigned char> bytes, Pixels& out);
// The first frame placed on the logical screen; its transparent colour and the
// screen outside the frame are transparent.
bool decodeGif(std::span<const unsigned char> bytes, Pixels& out);
// Every kind of TIFF libtiff's RGBA reader accepts; the first page.
bool decodeTiff(std::span<const unsigned char> bytes, Pixels& out);

}  // namespace fw
