// The top bar as the user sees it at every width the window takes: read from
// the window's own pixels, and pressed through the system's input, which
// decides which unit a press reaches. These tests move the one shared cursor.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "tests/player_spine/player_fixture.h"
#include "tests/support/wait.h"

namespace spine {
namespace {

constexpr int kBarHeight = 40;
constexpr int kDescribedWidth = 800;

using Strip = support::Pixels;

Strip readTopBar(player::MainWindow& w) { return support::readPixels(w.handle(), 0, 0, w.width(), kBarHeight); }

uint32_t faceColour() {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  return (uint32_t{GetRValue(face)} << 16) | (uint32_t{GetGValue(face)} << 8) | GetBValue(face);
}

bool bright(uint32_t pixel) {
  return ((pixel >> 16) & 0xFF) > 200 && ((pixel >> 8) & 0xFF) > 200 && (pixel & 0xFF) > 200;
}

int channelDistance(uint32_t a, uint32_t b) {
  int most = 0;
  for (int shift : {0, 8, 16}) most = std::max(most, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
  return most;
}

// The bar at `width` as it must look, made from the bar at the described width:
// the bar's own column everywhere (read between the logo and the title), the
// title's box where the layout centres it, the logo at the left and the three
// caption buttons at the right end over it, each exactly as it showed at 800.
Strip expectedBar(const Strip& at800, int width, int titleLeft800, int titleWidth, int titleTop, int titleHeight) {
  Strip bar{width, kBarHeight, std::vector<uint32_t>(static_cast<std::size_t>(width) * kBarHeight)};
  auto& px = bar.values;
  const int titleLeft = static_cast<int>(width / 2.0 - titleWidth / 2.0);
  constexpr int kOpenColumn = 150;   // right of the logo, left of the title at 800
  constexpr int kLogoWidth = 120;
  constexpr int kCaptionButtonsFromRight = 71;
  for (int y = 0; y < kBarHeight; ++y) {
    for (int x = 0; x < width; ++x) {
      uint32_t p = at800.at(kOpenColumn, y);
      if (x >= titleLeft && x < titleLeft + titleWidth && y >= titleTop && y < titleTop + titleHeight) {
        p = at800.at(titleLeft800 + x - titleLeft, y);
      }
      if (x < kLogoWidth) p = at800.at(x, y);
      if (x >= width - kCaptionButtonsFromRight) p = at800.at(x - width + kDescribedWidth, y);
      px[static_cast<std::size_t>(y) * width + x] = p;
    }
  }
  return bar;
}

// Differences past a JPEG's rounding, with the first one named.
std::string compareBars(const Strip& seen, const Strip& expected) {
  int differing = 0;
  std::string first;
  for (int y = 0; y < seen.height; ++y) {
    for (int x = 0; x < seen.width; ++x) {
      if (channelDistance(seen.at(x, y), expected.at(x, y)) <= 2) continue;
      if (differing++ == 0) {
        char text[96];
        snprintf(text, sizeof text, "first at %d,%d: %06X where %06X belongs", x, y,
                 static_cast<unsigned>(seen.at(x, y)), static_cast<unsigned>(expected.at(x, y)));
        first = text;
      }
    }
  }
  return differing == 0 ? std::string() : std::to_string(differing) + " pixels differ, " + first;
}

// Pixels of the face colour where the bar or a unit shows another colour (the
// edges of white text may come out in that grey).
int faceWhereNoneBelongs(const Strip& seen, const Strip& expected, uint32_t face) {
  int count = 0;
  for (std::size_t i = 0; i < seen.values.size(); ++i) count += seen.values[i] == face && expected.values[i] != face;
  return count;
}

int countBright(const Strip& strip, int left, int right) {
  int count = 0;
  for (int y = 0; y < strip.height; ++y) {
    for (int x = std::max(0, left); x < std::min(strip.width, right); ++x) count += bright(strip.at(x, y));
  }
  return count;
}

POINT onScreen(HWND hwnd, int x, int y) {
  POINT point{x, y};
  ClientToScreen(hwnd, &point);
  return point;
}

// The mouse as the user moves and presses it, through the system's input.
INPUT mouseTo(POINT p) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = p.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = p.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  return input;
}

INPUT mouseButton(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}

void pointerClick(POINT p) {
  INPUT inputs[] = {mouseTo(p), mouseButton(MOUSEEVENTF_LEFTDOWN), mouseButton(MOUSEEVENTF_LEFTUP)};
  ASSERT_EQ(SendInput(3, inputs, sizeof(INPUT)), 3u);
  support::pumpMessages(300);
}

// Away from every unit of the top bar, so that no picture button shows its
// hover picture.
void parkPointer(player::MainWindow& w) {
  INPUT input = mouseTo(onScreen(w.handle(), w.width() / 2, w.height() / 2));
  SendInput(1, &input, sizeof(INPUT));
  support::pumpMessages(100);
}

// A width the window takes, and how it comes to it.
struct Width {
  const char* name;
  std::function<void(player::MainWindow&)> reach;
};

const std::vector<Width>& widths() {
  static const std::vector<Width> all = {
      {"404", [](player::MainWindow& w) { widen(w, 404); }},
      {"650", [](player::MainWindow& w) { widen(w, 650); }},
      {"800", [](player::MainWindow& w) { widen(w, 800); }},
      {"1304", [](player::MainWindow& w) { widen(w, 1304); }},
      {"maximised", [](player::MainWindow& w) { w.setStartState(fw::kStateMaximised); }},
      {"grip from 1304 to 854", [](player::MainWindow& w) { gripResize(w, 1304, 854); }},
      {"grip from the screen's width to 700",
       [](player::MainWindow& w) { gripResize(w, GetSystemMetrics(SM_CXSCREEN), 700); }},
  };
  return all;
}

class TopBar : public PlayerTest {
 protected:
  void SetUp() override {
    setPlayerArguments(makeFile("示例影片.mp4"));
    startPlayer();
    player::MainWindow& w = window();
    ASSERT_TRUE(w.电影名标签.visible());
    ASSERT_EQ(w.width(), kDescribedWidth);
    SetForegroundWindow(w.handle());
    parkPointer(w);
  }
};

// Every pixel of the bar is the bar's picture, or a unit on it as at 800
// pixels: no face colour beside the picture, the title with the bar behind it
// and its whole text, the logo whole at the left, the caption buttons at the
// right; and nothing left over from a larger size.
TEST_F(TopBar, LooksAsAtTheDescribedWidthAtEveryWidth) {
  player::MainWindow& w = window();
  const Strip at800 = readTopBar(w);
  const uint32_t face = faceColour();
  ASSERT_EQ(face, 0xF5F5F5u) << "the face colour the bar must not show";
  const int titleLeft800 = w.电影名标签.left();
  const int titleWidth = w.电影名标签.width();
  const int titleTop = w.电影名标签.top();
  const int titleHeight = w.电影名标签.height();
  for (int y = 0; y < kBarHeight; ++y) ASSERT_LT(channelDistance(at800.at(150, y), 0), 64) << "the bar is dark";
  const int titleInk = countBright(at800, titleLeft800, titleLeft800 + titleWidth);
  ASSERT_GT(titleInk, 40) << "the title's text shows at 800";

  for (const Width& c : widths()) {
    SCOPED_TRACE(c.name);
    c.reach(w);
    support::pumpMessages(200);
    parkPointer(w);
    const Strip seen = readTopBar(w);
    const Strip expected = expectedBar(at800, w.width(), titleLeft800, titleWidth, titleTop, titleHeight);
    EXPECT_EQ(faceWhereNoneBelongs(seen, expected, face), 0) << "face-coloured pixels";
    EXPECT_EQ(compareBars(seen, expected), "");
    // All of its text shows between the logo and the caption buttons.
    const int titleLeft = std::max(w.电影名标签.left(), w.图形按钮1.width());
    const int titleRight = std::min(w.电影名标签.left() + titleWidth, w.最小化图形按钮.left());
    EXPECT_EQ(countBright(seen, titleLeft, titleRight), titleInk) << "the title reads as at 800";
  }
  if (w.startState() != fw::kStateNormal) w.setStartState(fw::kStateNormal);
}

// A real click on the logo pops up the menu 文件 at every width; the title
// takes a real press over the rest of its box, and the caption buttons lie
// over it.
TEST_F(TopBar, ALogoClickOpensTheFileMenuAndTheTitleTakesItsPressAtEveryWidth) {
  player::MainWindow& w = window();
  HWND bar = w.顶部背景.handle();
  for (const Width& c : widths()) {
    SCOPED_TRACE(c.name);
    c.reach(w);
    support::pumpMessages(200);
    SetForegroundWindow(w.handle());
    support::pumpMessages(100);

    const POINT logo = onScreen(bar, 60, 20);
    EXPECT_EQ(WindowFromPoint(logo), w.图形按钮1.handle()) << "what lies at the logo's middle";
    const int titleMiddle = w.电影名标签.left() + w.电影名标签.width() / 2;
    const POINT title = onScreen(bar, titleMiddle, 20);
    EXPECT_EQ(WindowFromPoint(title), w.电影名标签.handle());
    for (fw::PictureButton* button : {&w.最小化图形按钮, &w.最大化图形按钮, &w.关闭图形按钮}) {
      const POINT middle = onScreen(bar, button->left() + button->width() / 2, button->height() / 2);
      EXPECT_EQ(WindowFromPoint(middle), button->handle()) << button->left();
    }

    std::vector<std::string> items;
    support::after(300, [&items] {
      HWND menu = support::findThreadWindow("#32768");
      if (menu == nullptr) return;
      HMENU shown = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
      for (int i = 0; i < GetMenuItemCount(shown); ++i) {
        char text[64] = {};
        GetMenuStringA(shown, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        items.push_back(text);
      }
      PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    pointerClick(logo);
    support::waitUntil([] { return !support::pendingAfter() && !support::findThreadWindow("#32768"); }, 2000);
    ASSERT_FALSE(items.empty()) << "no menu popped up";
    EXPECT_EQ(items.front(), "打开");
    EXPECT_EQ(items.back(), "退出程序(&X)");

    // Past the double-click time, so that the next case's press on the logo
    // is a click of its own.
    w.setDragToMove(false);
    pointerClick(title);
    EXPECT_TRUE(w.dragToMove()) << "the title's press switches moving back on";
    support::pumpMessages(GetDoubleClickTime() + 100);
  }
  if (w.startState() != fw::kStateNormal) w.setStartState(fw::kStateNormal);
}

}  // namespace
}  // namespace spine
