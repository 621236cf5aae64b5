#include "picture.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace standin {
namespace {

constexpr COLORREF kBackground = RGB(14, 16, 20);
constexpr COLORREF kCaption = RGB(226, 230, 236);
constexpr COLORREF kDim = RGB(150, 158, 170);
constexpr int kBars = 28;

HFONT font(int pixels, int weight) {
  return CreateFontA(-pixels, 0, 0, 0, weight, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS,
                     "Microsoft YaHei");
}

HFONT captionFont() {
  static HFONT made = font(20, FW_SEMIBOLD);
  return made;
}

HFONT smallFont() {
  static HFONT made = font(15, FW_NORMAL);
  return made;
}

HFONT overlayFont() {
  static HFONT made = font(20, FW_BOLD);
  return made;
}

COLORREF blend(COLORREF from, COLORREF to, double t) {
  t = std::clamp(t, 0.0, 1.0);
  auto mix = [t](int a, int b) { return static_cast<int>(a + (b - a) * t + 0.5); };
  return RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
             mix(GetBValue(from), GetBValue(to)));
}

void fill(HDC dc, const RECT& rect, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

Text clockText(int64_t milliseconds) {
  const int64_t seconds = std::max<int64_t>(milliseconds, 0) / 1000;
  char text[32];
  std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
  return text;
}

void drawText(HDC dc, const Text& text, RECT rect, HFONT textFont, COLORREF colour, UINT format) {
  HGDIOBJ previous = SelectObject(dc, textFont);
  SetTextColor(dc, colour);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, format | DT_NOPREFIX);
  SelectObject(dc, previous);
}

void paintLogo(HDC dc, const RECT& area, HBITMAP logo) {
  BITMAP info{};
  if (!logo || !GetObjectA(logo, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(source, logo);
  // A logo is an opaque bitmap: the area around it takes the colour of its
  // corner, so the picture sits in the video area without a visible box.
  const COLORREF corner = GetPixel(source, 0, 0);
  if (corner != CLR_INVALID) fill(dc, area, corner);
  const int areaWidth = area.right - area.left, areaHeight = area.bottom - area.top;
  // Centred at its own size; shrunk to fit a smaller window, never enlarged.
  const double scale = std::min({1.0, double(areaWidth) / info.bmWidth, double(areaHeight) / info.bmHeight});
  const int width = std::max(1, int(info.bmWidth * scale)), height = std::max(1, int(info.bmHeight * scale));
  SetStretchBltMode(dc, HALFTONE);
  StretchBlt(dc, area.left + (areaWidth - width) / 2, area.top + (areaHeight - height) / 2, width, height,
             source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
  SelectObject(source, previous);
  DeleteDC(source);
}

// The lower band holds the medium's name, its time and a thin progress line;
// on-video text goes at the top, where the host places it.
constexpr int kCaptionBand = 76;

// A slowly drifting vertical gradient with bars that rise and fall, greener
// for media with video.
void paintMovingPicture(HDC dc, const RECT& area, const Picture& picture) {
  const double t = picture.animationMs / 1000.0;
  const int width = area.right - area.left, height = area.bottom - area.top;
  const COLORREF top = blend(RGB(18, 26, 46), RGB(40, 18, 52), 0.5 + 0.5 * std::sin(t * 0.35));
  const COLORREF bottom = picture.hasVideo ? RGB(10, 52, 64) : RGB(8, 20, 28);
  for (int y = 0; y < height; y += 4) {
    RECT band{area.left, area.top + y, area.right, area.top + std::min(height, y + 4)};
    fill(dc, band, blend(top, bottom, double(y) / std::max(height, 1)));
  }
  const int gap = std::max(2, width / (kBars * 6));
  const int barWidth = std::max(2, (width - gap * (kBars + 1)) / kBars);
  const int baseline = area.bottom - kCaptionBand - 8;
  const int tallest = std::max<int>(0, baseline - area.top - height / 5);
  for (int i = 0; i < kBars; ++i) {
    const double level = (0.55 + 0.45 * std::sin(t * 2.3 + i * 0.62)) *
                         (0.65 + 0.35 * std::sin(t * 0.9 + i * 1.37));
    const int barHeight = std::max(3, int(level * tallest));
    const int left = area.left + gap + i * (barWidth + gap);
    RECT bar{left, baseline - barHeight, left + barWidth, baseline};
    fill(dc, bar, blend(RGB(0, 178, 196), RGB(150, 96, 230), double(i) / (kBars - 1)));
  }
}

void paintCaption(HDC dc, const RECT& area, const Picture& picture) {
  RECT name{area.left + 16, area.bottom - kCaptionBand + 6, area.right - 16, area.bottom - kCaptionBand + 34};
  drawText(dc, picture.mediumName, name, captionFont(), kCaption, DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS);
  Text time = clockText(picture.positionMs) + " / " + (picture.live ? Text("直播") : clockText(picture.durationMs));
  if (picture.state == kPaused) time += "    已暂停";
  RECT line{area.left + 16, area.bottom - kCaptionBand + 36, area.right - 16, area.bottom - 8};
  drawText(dc, time, line, smallFont(), kDim, DT_LEFT | DT_SINGLELINE);
  if (picture.durationMs > 0 && !picture.live) {
    const double done = std::clamp(double(picture.positionMs) / picture.durationMs, 0.0, 1.0);
    RECT track{area.left, area.bottom - 3, area.right, area.bottom};
    fill(dc, track, RGB(40, 44, 52));
    track.right = area.left + int((area.right - area.left) * done);
    fill(dc, track, RGB(0, 178, 196));
  }
}

// White on a dark outline and shadow, so it reads on any picture.
void paintOverlay(HDC dc, const RECT& area, const Picture& picture) {
  RECT at{area.left + picture.overlayX, area.top + picture.overlayY, area.right, area.bottom};
  auto shadowAt = [&](int dx, int dy, COLORREF colour) {
    RECT shadow = at;
    OffsetRect(&shadow, dx, dy);
    drawText(dc, picture.overlayText, shadow, overlayFont(), colour, DT_LEFT | DT_NOCLIP);
  };
  shadowAt(2, 2, RGB(0, 0, 0));
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy)
      if (dx != 0 || dy != 0) shadowAt(dx, dy, RGB(16, 16, 16));
  drawText(dc, picture.overlayText, at, overlayFont(), RGB(255, 255, 255), DT_LEFT | DT_NOCLIP);
}

}  // namespace

void paintPicture(HDC dc, const RECT& area, const Picture& picture) {
  SetBkMode(dc, TRANSPARENT);
  fill(dc, area, kBackground);
  const bool playing = (picture.state == kPlaying || picture.state == kPaused) && picture.hasMedium;
  if (playing) {
    paintMovingPicture(dc, area, picture);
    paintCaption(dc, area, picture);
  } else {
    paintLogo(dc, area, picture.logo);
  }
  if (picture.overlayShown && !picture.overlayText.empty()) paintOverlay(dc, area, picture);
}

}  // namespace standin
