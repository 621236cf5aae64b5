// The playlist window as described: its settings and every unit with its
// placement, artwork and bound events. The layout moves the bars and the list
// as soon as the window is shown; units inside the bars keep their places.
#include "player/windows/playlist/playlist_window.h"

#include "player/windows/playlist/playlist_window_behaviour.h"
#include "player/windows/skin.h"

namespace player {
namespace {

constexpr fw::Rgb kListColour{236, 236, 236};

}  // namespace

PlaylistWindow::PlaylistWindow()
    : Window({.left = 50, .top = 50, .width = 400, .height = 450,
              .caption = "",
              .border = fw::Border::None,
              .opensCentred = true,
              .dragToMove = true,
              .onCreated = onPlaylistWindowCreated,
              .onDestroying = onPlaylistWindowDestroyed,
              .onSizeChanged = layoutPlaylistWindow}),

      // ---- top bar ----
      顶部图片框(this, {.left = 5, .top = 2, .width = 387, .height = 24, .background = skin::kPanel}),
      标签2(this, {.parent = &顶部图片框, .left = 0, .top = 0, .width = 80, .height = 24,
                   .caption = "总共", .textColour = skin::kWhite,
                   .onMouseMove = onPlaylistLabelMouseMove}),
      关闭图形按钮(this, skin::smallCloseButton({.parent = &顶部图片框, .left = 367, .top = 1, .width = 17, .height = 16,
                                                   .onClick = closePlaylistWindow})),

      // ---- the list ----
      列表框1(this, {.left = 16, .top = 74, .width = 352, .height = 232,
                     .selection = fw::Selection::Extended, .background = kListColour,
                     .extraLineHeight = 1, .takesFocus = true,
                     .onItemDoubleClick = onPlaylistDoubleClick, .onKeyDown = onPlaylistKeyDown}),

      // ---- bottom bar ----
      底部图片框(this, {.left = 3, .top = 417, .width = 384, .height = 32, .background = skin::kPanel,
                        .onMouseMove = updatePlaylistMoveMode, .onLeftDown = startPlaylistResize}),
      标签1(this, {.parent = &底部图片框, .left = 97, .top = 6, .width = 35, .height = 24,
                   .caption = "搜索：", .textColour = skin::kWhite}),
      编辑框1(this, {.parent = &底部图片框, .left = 136, .top = 8, .width = 150, .height = 20, .takesFocus = true,
                     .onTextChanged = filterPlaylistView}),
      图形按钮1(this, {.parent = &底部图片框, .left = 351, .top = 0, .width = 32, .height = 32,
                       .picture = assets::saveButton, .hoverPicture = assets::saveButtonHover,
                       .pressedPicture = assets::saveButtonPressed,
                       .onClick = savePlaylistFile}),
      时钟1(this, {.parent = &底部图片框, .left = -2, .top = 4, .width = 26, .height = 26,
                   .onTick = onPlaylistWindowTimer}),
      通用对话框1(this, {.parent = &底部图片框, .left = 23, .top = 4, .width = 26, .height = 26,
                         .kind = fw::FileDialogKind::Save}) {}

}  // namespace player
