#pragma once
// Checking decoded pictures in tests (links quorle_framework).
#include <span>

#include "framework/picture.h"

namespace support {

// Expects the bytes to be told as `format` and to decode into a 32-bit bitmap
// of width × height; the failures name the caller's SCOPED_TRACE.
void expectPicture(std::span<const unsigned char> bytes, fw::PictureFormat format, int width, int height);

}  // namespace support
