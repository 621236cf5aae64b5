// Pictures of each format, the compiled-in artwork, and the tray icon.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <string>

#include "assets/assets.h"
#include "framework/window.h"
#include "tests/framework_windows/window_test_support.h"

using wintest::events;
using wintest::log;

namespace {

struct Case {
  const char* name;
  assets::Bytes bytes;
  fw::PictureFormat format;
  int width;
  int height;
};

struct TrayWindow : fw::Window {
  TrayWindow()
      : Window({.width = 200, .height = 100, .caption = "托盘",
                .onTrayEvent = [](int type) { log("tray " + std::to_string(type)); }}) {}
};

uint32_t pixel(const fw::Picture& picture, int x, int y) { return picture.pixels()[y * picture.width() + x]; }

int appendGif(GifFileType* gif, const GifByteType* bytes, int length) {
  static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
  return length;
}

// A 4 x 3 screen holding one 2 x 2 frame at (1, 1): red, the transparent
// colour; green, blue.
std::string transparentGif() {
  std::string bytes;
  int error = 0;
  GifFileType* gif = EGifOpen(&bytes, appendGif, &error);
  const GifColorType colours[] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
  ColorMapObject* map = GifMakeMapObject(4, colours);
  EGifSetGifVersion(gif, true);
  EGifPutScreenDesc(gif, 4, 3, 8, 0, map);
  GraphicsControlBlock control{};
  control.TransparentColor = 3;
  GifByteType extension[4];
  EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(EGifGCBToExtension(&control, extension)),
                   extension);
  EGifPutImageDesc(gif, 1, 1, 2, 2, false, nullptr);
  GifPixelType rows[2][2] = {{0, 3}, {1, 2}};
  for (GifPixelType* row : rows) EGifPutLine(gif, row, 2);
  EGifCloseFile(gif, &error);
  GifFreeMapObject(map);
  return bytes;
}

}  // namespace

TEST(Pictures, EveryFormatDecodesToItsSize) {
  const Case cases[] = {
      {"top bar", assets::topBar, fw::PictureFormat::Jpeg, 800, 40},
      {"logo button", assets::logoButton, fw::PictureFormat::Png, 120, 46},
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
      {"volume fill", assets::volumeFill, fw::PictureFormat::Png, 100, 10},
      {"small close", assets::smallCloseButton, fw::PictureFormat::Gif, 17, 16},
      {"save", assets::saveButton, fw::PictureFormat::Png, 32, 32},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(fw::pictureFormat(c.bytes), c.format);
    const fw::Picture picture = fw::Picture::decode(c.bytes);
    ASSERT_FALSE(picture.empty());
    EXPECT_EQ(picture.width(), c.width);
    EXPECT_EQ(picture.height(), c.height);
    BITMAP info{};
    GetObjectA(picture.bitmap(), sizeof info, &info);
    EXPECT_EQ(info.bmBitsPixel, 32);
    EXPECT_EQ(info.bmWidth, c.width);
  }
}

TEST(Pictures, AlphaIsPremultipliedAndJpegIsOpaque) {
  const fw::Picture track = fw::Picture::decode(assets::durationTrack);
  ASSERT_FALSE(track.empty());
  EXPECT_EQ(pixel(track, 400, 0), 0u);                 // transparent above the bar
  EXPECT_EQ(pixel(track, 400, 5) >> 24, 0xFFu);        // the bar itself
  const fw::Picture logo = fw::Picture::decode(assets::logoButton);
  for (int i = 0; i < logo.width() * logo.height(); ++i) {
    const uint32_t p = logo.pixels()[i];
    const uint32_t a = p >> 24;
    ASSERT_LE(p & 0xFF, a);
    ASSERT_LE((p >> 8) & 0xFF, a);
    ASSERT_LE((p >> 16) & 0xFF, a);
  }
  const fw::Picture bar = fw::Picture::decode(assets::topBar);
  EXPECT_EQ(pixel(bar, 10, 10) >> 24, 0xFFu);
}

TEST(Pictures, GifTransparencyAndTheScreenAroundTheFrameAreTransparent) {
  const std::string gif = transparentGif();
  const fw::Picture picture = fw::Picture::decode(
      std::span(reinterpret_cast<const unsigned char*>(gif.data()), gif.size()));
  ASSERT_FALSE(picture.empty());
  ASSERT_EQ(picture.width(), 4);
  ASSERT_EQ(picture.height(), 3);
  EXPECT_EQ(pixel(picture, 0, 0), 0u);             // outside the frame
  EXPECT_EQ(pixel(picture, 3, 2), 0u);
  EXPECT_EQ(pixel(picture, 1, 1), 0xFFFF0000u);    // red
  EXPECT_EQ(pixel(picture, 2, 1), 0u);             // the transparent colour
  EXPECT_EQ(pixel(picture, 1, 2), 0xFF00FF00u);    // green
  EXPECT_EQ(pixel(picture, 2, 2), 0xFF0000FFu);    // blue
}

TEST(Pictures, BytesThatAreNoPictureDecodeToNothing) {
  const unsigned char truncatedPng[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n', 0, 0, 0, 13};
  const unsigned char truncatedJpeg[] = {0xFF, 0xD8, 0xFF, 0xE0, 0, 16};
  const unsigned char text[] = {'h', 'e', 'l', 'l', 'o'};
  EXPECT_TRUE(fw::Picture::decode(truncatedPng).empty());
  EXPECT_TRUE(fw::Picture::decode(truncatedJpeg).empty());
  EXPECT_TRUE(fw::Picture::decode(text).empty());
  EXPECT_TRUE(fw::Picture::decode({}).empty());
  const auto half = assets::minimiseButton.first(assets::minimiseButton.size() / 2);
  EXPECT_TRUE(fw::Picture::decode(half).empty());
}

TEST(ProgramIcon, HoldsSixImagesOf32BitsAndGivesTheNearestSize) {
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
  EXPECT_EQ(fw::iconFromIcoFile(assets::topBar, 16), nullptr);
}

TEST(TrayIcon, IsAddedOnceReplacedAfterwardsAndReportsTheThreeEventTypes) {
  ASSERT_TRUE(fw::loadWindow<TrayWindow>());
  TrayWindow& w = *fw::openWindow<TrayWindow>();
  EXPECT_FALSE(fw::hasTrayIcon(w));
  EXPECT_TRUE(fw::setTrayIcon(w, assets::programIcon, "Quorle多媒体播放器"));
  EXPECT_TRUE(fw::setTrayIcon(w, assets::programIcon, "Quorle多媒体播放器"));
  EXPECT_TRUE(fw::hasTrayIcon(w));
  for (UINT mouse : {WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONUP, WM_CONTEXTMENU, WM_MOUSEMOVE, WM_LBUTTONDOWN}) {
    wintest::send(w.handle(), fw::kTrayCallbackMessage, 1, static_cast<LPARAM>(mouse));
  }
  EXPECT_EQ(events(), (std::vector<std::string>{"tray 1", "tray 2", "tray 3", "tray 3"}));
  // A new taskbar gets the icon again.
  wintest::send(w.handle(), RegisterWindowMessageA("TaskbarCreated"));
  EXPECT_TRUE(fw::hasTrayIcon(w));
  fw::removeTrayIcon(w);
  EXPECT_FALSE(fw::hasTrayIcon(w));
}
