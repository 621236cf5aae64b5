#pragma once
// The file-type association window: a skinned frame without border, a title
// bar with its close button, the grid of extensions and four buttons. The
// description is in association_window.cpp, the behaviour in
// association_behaviour.cpp.
#include "framework/window.h"

namespace player {

class AssociationWindow : public fw::Window {
 public:
  AssociationWindow();

  fw::PictureBox 图片框1;        // the title bar
  fw::Label 标签1;               // the title
  fw::PictureButton 关闭图形按钮;
  fw::Grid 高级表格1;            // ID, extension, tick
  fw::Button 按钮1;              // 全选
  fw::Button 按钮2;              // 全不选
  fw::Button 按钮3;              // 注册关联
  fw::Button 按钮4;              // 默认程序
};

// The grid's columns once it is filled.
inline constexpr int kIdColumn = 0;
inline constexpr int kExtensionColumn = 1;
inline constexpr int kTickColumn = 2;

// Handlers bound by the description.
void onAssociationWindowCreated();
void toggleAssociationCheck();
void onSelectAllButton();
void onSelectNoneButton();
void onRegisterButton();
void closeAssociationWindow();

}  // namespace player
