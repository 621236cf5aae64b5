// The DLNA device window as described: its settings and every unit with its
// placement, content and bound events.
#include "player/windows/dlna/dlna_window.h"

#include "player/windows/skin.h"

namespace player {
namespace {

constexpr fw::Rgb kWarningColour{255, 196, 64};

}  // namespace

DlnaWindow::DlnaWindow()
    : Window({.left = 50, .top = 50, .width = 500, .height = 255,
              .caption = "",
              .border = fw::Border::None,
              .opensCentred = true,
              .background = skin::kPanel,
              .onCreated = startDlnaDiscovery}),

      图片框1(this, {.left = 0, .top = 0, .width = 500, .height = 32, .background = skin::kPanel}),
      标签1(this, {.parent = &图片框1, .left = 150, .top = 1, .width = 200, .height = 16,
                   .caption = "选择DLNA设备", .textColour = skin::kWhite,
                   .align = fw::TextAlign::Centre}),
      标签2(this, {.parent = &图片框1, .left = 55, .top = 17, .width = 390, .height = 16,
                   .caption = "注意：某些类型的音乐，DLNA设备可能并不支持！播放可能导致其卡死！",
                   .textColour = kWarningColour, .align = fw::TextAlign::Centre}),
      关闭图形按钮(this, skin::smallCloseButton({.left = 483, .top = 0, .width = 17, .height = 16,
                                                   .onClick = closeDlnaWindow})),
      列表框1(this, {.left = -1, .top = 31, .width = 502, .height = 184,
                     .selection = fw::Selection::Single, .takesFocus = true,
                     .onItemDoubleClick = onDlnaListDoubleClick}),
      按钮1(this, {.left = 121, .top = 218, .width = 80, .height = 32, .caption = "确定", .takesFocus = true,
                   .onClick = onDlnaOkButton}),
      按钮2(this, {.left = 210, .top = 218, .width = 80, .height = 32, .caption = "强制刷新", .takesFocus = true,
                   .onClick = refreshDlnaDevices}),
      按钮3(this, {.left = 299, .top = 218, .width = 80, .height = 32, .caption = "取消DLNA播放", .takesFocus = true,
                   .onClick = cancelDlnaCasting}),
      时钟1(this, {.left = 448, .top = 224, .width = 26, .height = 26, .onTick = pollDlnaDevices}) {}

DlnaWindow::~DlnaWindow() = default;

}  // namespace player
