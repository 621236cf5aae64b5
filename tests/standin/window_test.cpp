// The stand-in's video window: where it sits, what it shows, and the mouse and
// key messages it hands to the host.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/standin/standin_test.h"
#include "tests/support/ui.h"

namespace {

using fixtures::events;
using Events = std::vector<std::string>;

TEST_F(StandInTest, VideoWindowIsAChildOfTheParentAtTheGivenPlace) {
  HWND video = engine::APlayer_GetWindow(handle);
  ASSERT_TRUE(IsWindow(video));
  EXPECT_EQ(GetParent(video), host);
  const RECT rect = support::rectInParent(video);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 40);
  EXPECT_EQ(rect.right - rect.left, 800);
  EXPECT_EQ(rect.bottom - rect.top, 450);
}

TEST_F(StandInTest, ZeroSizedWindowInAHiddenParentStillMakesAnEngine) {
  const EngineHandle hidden = engine::APlayer_Create(host, 0, 0, 0, 0, nullptr, fixtures::recordState, nullptr, 0, 0, 0, 0, 0);
  ASSERT_NE(hidden, 0);
  EXPECT_NE(hidden, handle);
  engine::APlayer_OpenA(hidden, fixture("a.wav", fixtures::wavOfMs(100)).c_str());
  EXPECT_TRUE(fixtures::waitForEvent("state 1 5"));
}

// Windows' own wParam and lParam reach the host; key-up keeps bit 31, so lParam
// is negative.
TEST_F(StandInTest, MouseAndKeyMessagesReachTheMessageCallback) {
  HWND video = engine::APlayer_GetWindow(handle);
  struct Case {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  const LPARAM keyUp = LPARAM(int32_t(0xC0000001u));
  const Case forwarded[] = {
      {WM_MOUSEMOVE, MK_LBUTTON | MK_CONTROL, MAKELPARAM(12, 34)},
      {WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6)},
      {WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 6)},
      {WM_RBUTTONUP, 0, MAKELPARAM(7, 8)},
      {WM_KEYDOWN, VK_RIGHT, 0x014D0001},
      {WM_KEYUP, VK_SPACE, keyUp},
      {WM_SYSKEYDOWN, VK_RIGHT, 0x214D0001},
  };
  Events expected;
  for (const Case& c : forwarded) {
    SendMessageA(video, c.message, c.wParam, c.lParam);
    expected.push_back("message " + std::to_string(c.message) + " " + std::to_string(int32_t(c.wParam)) +
                       " " + std::to_string(int32_t(c.lParam)));
  }
  SendMessageA(video, WM_RBUTTONDOWN, MK_RBUTTON, 0);
  SendMessageA(video, WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(events, expected);
  EXPECT_EQ(events[5], "message 257 32 -1073741823");
}

TEST_F(StandInTest, ClassTakesDoubleClicksAndAClickTakesTheFocus) {
  HWND video = engine::APlayer_GetWindow(handle);
  EXPECT_TRUE(GetClassLongPtrA(video, GCL_STYLE) & CS_DBLCLKS);
  ShowWindow(host, SW_SHOW);
  SetForegroundWindow(host);
  SetFocus(host);
  SendMessageA(video, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  EXPECT_EQ(GetFocus(), video);
}

// Fired reports come from the video window's message handling before the fire
// routine returns.
TEST_F(StandInTest, FiredReportsAreDeliveredAtOnce) {
  standin::setItem(handle, 7, "-3");
  standin::fireStateChange(handle, 1, 0);
  EXPECT_EQ(events, (Events{"state 1 0"}));
  EXPECT_EQ(item(7), "-3");
  standin::fireStateChange(handle, 0, 2);
  EXPECT_EQ(engine::APlayer_GetState(handle), 2);
  standin::fireOpened(handle);
  standin::fireMessage(handle, WM_KEYUP, VK_UP, -1);
  EXPECT_EQ(events, (Events{"state 1 0", "state 0 2", "opened", "message 257 38 -1"}));
}

// What the window paints, read back through WM_PRINTCLIENT.
class PictureTest : public StandInTest {
 protected:
  static constexpr int kWidth = 800, kHeight = 450;

  // The video window's picture, row by row from the top, as RGB colours.
  std::vector<COLORREF> snapshot() {
    HWND video = engine::APlayer_GetWindow(handle);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP canvas = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(dc, canvas);
    SendMessageA(video, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    std::vector<COLORREF> pixels(kWidth * kHeight);
    const auto* bgrx = static_cast<const uint8_t*>(bits);
    for (std::size_t i = 0; i < pixels.size(); ++i)
      pixels[i] = RGB(bgrx[4 * i + 2], bgrx[4 * i + 1], bgrx[4 * i]);
    SelectObject(dc, previous);
    DeleteObject(canvas);
    DeleteDC(dc);
    return pixels;
  }
  COLORREF pixelAt(int x, int y) { return snapshot()[y * kWidth + x]; }
  bool whiteIn(int left, int top, int width, int height) {
    const std::vector<COLORREF> pixels = snapshot();
    for (int y = top; y < top + height; ++y)
      for (int x = left; x < left + width; ++x)
        if (pixels[y * kWidth + x] == RGB(255, 255, 255)) return true;
    return false;
  }
};

TEST_F(PictureTest, LogoCentredWhileNothingPlaysAndAMovingPictureWhilePlaying) {
  const COLORREF background = pixelAt(400, 225);
  EXPECT_LT(GetRValue(background) + GetGValue(background) + GetBValue(background), 120) << "dark";

  HDC screen = GetDC(nullptr);
  HBITMAP logo = CreateCompatibleBitmap(screen, 40, 20);
  ReleaseDC(nullptr, screen);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, logo);
  RECT all{0, 0, 40, 20};
  HBRUSH navy = CreateSolidBrush(RGB(0, 0, 80));
  FillRect(dc, &all, navy);
  DeleteObject(navy);
  RECT middle{10, 5, 30, 15};
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  FillRect(dc, &middle, red);
  DeleteObject(red);
  SelectObject(dc, previous);
  DeleteDC(dc);
  engine::APlayer_SetCustomLogo(handle, logo);
  EXPECT_EQ(pixelAt(400, 225), RGB(255, 0, 0));
  EXPECT_EQ(pixelAt(400 - 25, 225), RGB(0, 0, 80))
      << "the logo keeps its size, and the area around it takes the logo's corner colour";

  openAndPlay(fixture("a.wav", fixtures::wavOfMs(5000)));
  EXPECT_NE(pixelAt(400, 225), RGB(255, 0, 0)) << "no logo while playing";
}

TEST_F(PictureTest, OnVideoTextIsWhiteAtItsPlace) {
  auto whiteNear = [&](int left, int top) { return whiteIn(left, top, 40, 30); };
  engine::APlayer_SetConfigA(handle, 606, "300");
  engine::APlayer_SetConfigA(handle, 607, "200");
  engine::APlayer_SetConfigA(handle, 612, "音量：80%");
  EXPECT_FALSE(whiteNear(300, 200)) << "602 is not yet 1";
  engine::APlayer_SetConfigA(handle, 602, "1");
  EXPECT_TRUE(whiteNear(300, 200));
  EXPECT_FALSE(whiteNear(10, 10));
  engine::APlayer_SetConfigA(handle, 602, "0");
  EXPECT_FALSE(whiteNear(300, 200));
}

}  // namespace
