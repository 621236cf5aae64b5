// Pictures of each format, icons from icon files, and the tray icon.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <string>

#include "framework/window.h"
#include "tests/framework_windows/pictures/pictures.h"
#include "tests/framework_windows/window_test_support.h"
#include "tests/support/pictures.h"

using wintest::events;
using wintest::log;

namespace {

struct Case {
  const char* name;
  pictures::Bytes bytes;
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

TEST(Pictures, EveryFormatDecodesToItsSizeAs32BitBitmaps) {
  const Case cases[] = {
      {"jpeg", pictures::band, fw::PictureFormat::Jpeg, 640, 40},
      {"png with alpha", pictures::badge, fw::PictureFormat::Png, 120, 46},
      {"png, one row of bar", pictures::track, fw::PictureFormat::Png, 200, 11},
      {"png, odd square", pictures::thumb, fw::PictureFormat::Png, 11, 11},
      {"gif", pictures::cross, fw::PictureFormat::Gif, 17, 16},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    support::expectPicture(c.bytes, c.format, c.width, c.height);
  }
}

TEST(Pictures, AlphaIsPremultipliedAndJpegIsOpaque) {
  const fw::Picture track = fw::Picture::decode(pictures::track);
  ASSERT_FALSE(track.empty());
  EXPECT_EQ(pixel(track, 100, 0), 0u);                 // transparent above the bar
  EXPECT_EQ(pixel(track, 100, 5), 0xFF5A5A5Au);        // the bar itself, opaque grey
  EXPECT_EQ(pixel(track, 100, 10), 0u);                // and below it
  const fw::Picture badge = fw::Picture::decode(pictures::badge);
  ASSERT_FALSE(badge.empty());
  int halfTransparent = 0;
  for (int i = 0; i < badge.width() * badge.height(); ++i) {
    const uint32_t p = badge.pixels()[i];
    const uint32_t a = p >> 24;
    ASSERT_LE(p & 0xFF, a);
    ASSERT_LE((p >> 8) & 0xFF, a);
    ASSERT_LE((p >> 16) & 0xFF, a);
    halfTransparent += a > 0 && a < 0xFF;
  }
  // The stripe (250, 220, 120) at alpha 128 over nothing, premultiplied.
  EXPECT_GT(halfTransparent, 120 * 4 - 1);
  const uint32_t stripe = pixel(badge, 1, 1);
  EXPECT_EQ(stripe >> 24, 128u);
  EXPECT_NEAR(static_cast<int>((stripe >> 16) & 0xFF), 250 * 128 / 255, 1);
  EXPECT_NEAR(static_cast<int>((stripe >> 8) & 0xFF), 220 * 128 / 255, 1);
  EXPECT_NEAR(static_cast<int>(stripe & 0xFF), 120 * 128 / 255, 1);
  const fw::Picture band = fw::Picture::decode(pictures::band);
  for (const auto& [x, y] : {std::pair{0, 0}, {639, 39}, {320, 20}}) EXPECT_EQ(pixel(band, x, y) >> 24, 0xFFu);
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
  const auto half = pictures::cross.first(pictures::cross.size() / 2);
  EXPECT_TRUE(fw::Picture::decode(half).empty());
}

TEST(IconFiles, TheExactSizeIsChosenElseTheSmallestLargerElseTheLargestAndMadeTheAskedSize) {
  struct Choice {
    int asked;
    COLORREF colourOfTheImageChosen;
  } choices[] = {
      {48, RGB(200, 40, 40)},  {32, RGB(40, 160, 60)}, {16, RGB(40, 80, 200)},
      {20, RGB(40, 160, 60)},  // the 32 px image, not the nearer 16 px one
      {33, RGB(200, 40, 40)},  {12, RGB(40, 80, 200)},
      {64, RGB(200, 40, 40)},  // none larger: the largest
  };
  for (const Choice& c : choices) {
    SCOPED_TRACE(c.asked);
    HICON icon = fw::iconFromIcoFile(pictures::icons, c.asked);
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap{};
    GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, c.asked);
    EXPECT_EQ(bitmap.bmHeight, c.asked);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, info.hbmColor);
    EXPECT_EQ(GetPixel(dc, c.asked / 2, c.asked / 2) & 0xFFFFFF, c.colourOfTheImageChosen);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

TEST(IconFiles, BytesThatAreNoIconFileOrPointOutsideItGiveNoIcon) {
  EXPECT_EQ(fw::iconFromIcoFile(pictures::band, 16), nullptr);
  EXPECT_EQ(fw::iconFromIcoFile({}, 16), nullptr);
  // The directory is whole but the images it points to are cut off.
  EXPECT_EQ(fw::iconFromIcoFile(pictures::icons.first(6 + 3 * 16 + 40), 16), nullptr);
}

TEST(TrayIcon, IsAddedOnceReplacedAfterwardsAndReportsTheThreeEventTypes) {
  ASSERT_TRUE(fw::loadWindow<TrayWindow>());
  TrayWindow& w = *fw::openWindow<TrayWindow>();
  EXPECT_FALSE(fw::hasTrayIcon(w));
  EXPECT_TRUE(fw::setTrayIcon(w, pictures::icons, "示例托盘图标"));
  EXPECT_TRUE(fw::setTrayIcon(w, pictures::icons, "示例托盘图标"));
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
