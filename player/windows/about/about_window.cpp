// The about window as described: one entry per unit.
#include "player/windows/about/about_window.h"

#include "player/windows/about/about_behaviour.h"

namespace player {
namespace {

constexpr fw::Rgb kBlack{0, 0, 0};
constexpr fw::Rgb kLinkBlue{0, 0, 255};

}  // namespace

AboutWindow::AboutWindow()
    : Window({.left = 50, .top = 50, .width = 380, .height = 245,
              .caption = "BrisvaneQuorle科技",
              .border = fw::Border::FixedSingle,
              .minimizeBox = true,
              .maximizeBox = false,
              .closeBox = true,
              .opensCentred = true,
              .showInTaskbar = true,
              .dragToMove = false,
              .escCloses = true,
              .onCreated = fillAboutText}),
      标签1(this, {.left = 3, .top = 8, .width = 368, .height = 100, .caption = "简介",
                   .textColour = kBlack}),
      标签2(this, {.left = 3, .top = 113, .width = 368, .height = 32, .caption = "主页",
                   .textColour = kLinkBlue, .onLeftDown = onHomePageLabelClick}),
      标签4(this, {.left = 147, .top = 145, .width = 80, .height = 24, .caption = "联系方式",
                   .textColour = kBlack}),
      标签3(this, {.left = 3, .top = 170, .width = 368, .height = 40, .caption = "",
                   .textColour = kBlack}) {}

}  // namespace player
