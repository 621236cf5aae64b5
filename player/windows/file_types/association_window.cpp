// The file-type association window as described: every unit with its
// placement, content and bound event.
#include "player/windows/file_types/association_window.h"

#include "player/system/system.h"
#include "player/windows/skin.h"

namespace player {
namespace {

constexpr fw::Rgb kBlack{0, 0, 0};
constexpr fw::Rgb kTitleBarColour{60, 66, 69};

}  // namespace

AssociationWindow::AssociationWindow()
    : Window({.left = 50, .top = 50, .width = 242, .height = 377,
              .caption = "设置文件关联",
              .border = fw::Border::None,
              .opensCentred = true,
              .showInTaskbar = true,
              .dragToMove = true,
              .escCloses = true,
              .background = kBlack,
              .onCreated = onAssociationWindowCreated}),
      图片框1(this, {.left = 0, .top = 0, .width = 242, .height = 24,
                     .background = kTitleBarColour}),
      标签1(this, {.parent = &图片框1, .left = 80, .top = 0, .width = 80, .height = 24,
                   .caption = "设置文件关联", .textColour = skin::kWhite,
                   .background = kTitleBarColour}),
      关闭图形按钮(this, skin::smallCloseButton({.parent = &图片框1, .left = 224, .top = 0, .width = 17, .height = 16,
                                                   .onClick = closeAssociationWindow})),
      高级表格1(this, {.left = 0, .top = 24, .width = 241, .height = 320,
                       .columns = 3, .rows = 1, .fixedRows = 1, .fixedColumns = 1, .takesFocus = true,
                       .onCellClick = toggleAssociationCheck}),
      按钮1(this, {.left = 0, .top = 345, .width = 60, .height = 24, .caption = "全选", .takesFocus = true,
                   .onClick = onSelectAllButton}),
      按钮2(this, {.left = 61, .top = 345, .width = 60, .height = 24, .caption = "全不选", .takesFocus = true,
                   .onClick = onSelectNoneButton}),
      按钮3(this, {.left = 122, .top = 345, .width = 60, .height = 24, .caption = "注册关联", .takesFocus = true,
                   .onClick = onRegisterButton}),
      按钮4(this, {.left = 183, .top = 345, .width = 60, .height = 24, .caption = "默认程序", .takesFocus = true,
                   .onClick = registerDefaultProgram}) {}

}  // namespace player
