#pragma once
// The file-type association window: the extensions of the list "[格式列表]"
// with a tick each, registered for the current user or as the player's
// default-program capabilities.
namespace player {

// Menu 关联文件类型(&R): loads the window, or brings an open one to the front.
void showAssociationWindow();

}  // namespace player
