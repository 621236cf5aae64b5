#include "tests/support/pictures.h"

#include <gtest/gtest.h>

namespace support {

void expectPicture(std::span<const unsigned char> bytes, fw::PictureFormat format, int width, int height) {
  EXPECT_EQ(fw::pictureFormat(bytes), format);
  const fw::Picture picture = fw::Picture::decode(bytes);
  ASSERT_FALSE(picture.empty());
  EXPECT_EQ(picture.width(), width);
  EXPECT_EQ(picture.height(), height);
  BITMAP info{};
  GetObjectA(picture.bitmap(), sizeof info, &info);
  EXPECT_EQ(info.bmBitsPixel, 32);
  EXPECT_EQ(info.bmWidth, width);
  EXPECT_EQ(info.bmHeight, height);
}

}  // namespace support
