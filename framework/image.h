#pragma once
// The image-to-BMP conversion: a PNG, JPEG or TIFF file rewritten in place as a
// 24-bit Windows bitmap. A file it cannot read is left as it was.
#include "text.h"

namespace fw {

bool convertImageToBmp(const Text& path);

}  // namespace fw
