#pragma once
// What the video window shows at one moment, as the engine describes it.
#include "types.h"

namespace standin {

struct Picture {
  int32_t state = kIdle;
  HBITMAP logo = nullptr;        // shown centred while nothing plays
  bool hasMedium = false;        // a medium is open (playing or paused)
  Text mediumName;               // its file name
  int64_t positionMs = 0;
  int64_t durationMs = 0;
  bool live = false;             // no end: the duration is not shown
  bool hasVideo = false;
  int64_t animationMs = 0;       // playing time that drives the moving picture
  bool overlayShown = false;     // item 602 is "1"
  int32_t overlayX = 0;          // items 606 and 607
  int32_t overlayY = 0;
  Text overlayText;              // item 612
};

// Draws the picture into `dc` over `area`.
void paintPicture(HDC dc, const RECT& area, const Picture& picture);

}  // namespace standin
