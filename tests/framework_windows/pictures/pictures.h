#pragma once
// The window-layer tests' pictures, compiled in: the bytes of each picture file
// in this folder, drawn by draw.py.
#include <span>

namespace pictures {

using Bytes = std::span<const unsigned char>;

extern const Bytes band;          // JPEG 640 × 40; no two neighbours alike
extern const Bytes badge;         // PNG 120 × 46 with smooth edges and a half-transparent top stripe
extern const Bytes badgeHover;    // PNG 120 × 46, the same in a lighter colour
extern const Bytes track;         // PNG 200 × 11, rows 3 to 7 opaque, the others transparent
extern const Bytes fill;          // PNG 200 × 11, the same bar in another colour
extern const Bytes thumb;         // PNG 11 × 11, round
extern const Bytes cross;         // GIF 17 × 16 with a transparent ground
// ICO of 32-bit images of 48 (red), 32 (green) and 16 px (blue), each one colour.
extern const Bytes icons;

}  // namespace pictures
