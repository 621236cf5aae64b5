// The compiled-in artwork: each picture in the format and size its window
// description places it at, and the program icon with every size the system
// asks for.
#include <gtest/gtest.h>

#include <utility>

#include "assets/assets.h"
#include "framework/picture.h"
#include "framework/tray.h"
#include "tests/support/pictures.h"

namespace {

struct Case {
  const char* name;
  assets::Bytes bytes;
  fw::PictureFormat format;
  int width;
  int height;
};

}  // namespace

TEST(Artwork, EveryPictureDecodesInItsFormatToItsSize) {
  const Case cases[] = {
      {"top bar", assets::topBar, fw::PictureFormat::Jpeg, 800, 40},
      {"logo button", assets::logoButton, fw::PictureFormat::Png, 120, 46},
      {"logo hover", assets::logoButtonHover, fw::PictureFormat::Png, 120, 46},
      {"logo pressed", assets::logoButtonPressed, fw::PictureFormat::Png, 120, 46},
      {"minimise", assets::minimiseButton, fw::PictureFormat::Gif, 17, 16},
      {"maximise hover", assets::maximiseButtonHover, fw::PictureFormat::Gif, 17, 16},
      {"close pressed", assets::closeButtonPressed, fw::PictureFormat::Gif, 17, 16},
      {"video logo", assets::videoLogo, fw::PictureFormat::Png, 241, 148},
      {"stop", assets::stopButton, fw::PictureFormat::Jpeg, 38, 38},
      {"previous", assets::previousButton, fw::PictureFormat::Jpeg, 38, 38},
      {"next", assets::nextButton, fw::PictureFormat::Jpeg, 38, 38},
      {"play-pause", assets::playPauseButton, fw::PictureFormat::Jpeg, 49, 49},
      {"open", assets::openButton, fw::PictureFormat::Png, 38, 38},
      {"mute", assets::muteButton, fw::PictureFormat::Jpeg, 18, 18},
      {"full screen", assets::fullScreenButton, fw::PictureFormat::Jpeg, 30, 30},
      {"duration track", assets::durationTrack, fw::PictureFormat::Png, 800, 11},
      {"duration fill", assets::durationFill, fw::PictureFormat::Png, 800, 11},
      {"duration thumb", assets::durationThumb, fw::PictureFormat::Png, 11, 11},
      {"volume track", assets::volumeTrack, fw::PictureFormat::Png, 100, 10},
      {"volume fill", assets::volumeFill, fw::PictureFormat::Png, 100, 10},
      {"volume thumb", assets::volumeThumb, fw::PictureFormat::Png, 10, 10},
      {"small close", assets::smallCloseButton, fw::PictureFormat::Gif, 17, 16},
      {"save", assets::saveButton, fw::PictureFormat::Png, 32, 32},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    support::expectPicture(c.bytes, c.format, c.width, c.height);
  }
}

TEST(Artwork, TheSlidersTrackIsTransparentAroundItsOpaqueBar) {
  const fw::Picture track = fw::Picture::decode(assets::durationTrack);
  ASSERT_FALSE(track.empty());
  EXPECT_EQ(track.pixels()[400], 0u);                       // row 0
  EXPECT_EQ(track.pixels()[5 * 800 + 400] >> 24, 0xFFu);    // row 5, the bar
}

TEST(Artwork, TheProgramIconHoldsSixImagesOf32BitsLargestFirst) {
  const auto& ico = assets::programIcon;
  ASSERT_GE(ico.size(), 6u + 6 * 16);
  EXPECT_EQ(ico.size(), 56150u);
  EXPECT_EQ(ico[4] | ico[5] << 8, 6);
  const int sizes[] = {72, 64, 48, 32, 24, 16};
  for (int i = 0; i < 6; ++i) {
    const unsigned char* entry = &ico[6 + i * 16];
    EXPECT_EQ(entry[0], sizes[i]);
    EXPECT_EQ(entry[6] | entry[7] << 8, 32);
  }
  for (const auto& [asked, got] : {std::pair{16, 16}, {32, 32}, {20, 20}, {72, 72}}) {
    HICON icon = fw::iconFromIcoFile(ico, asked);
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap{};
    GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, got);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}
