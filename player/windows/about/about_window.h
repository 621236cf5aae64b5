#pragma once
// The about window: who made the player and how to reach them, in a plain
// framed window. Its description is in about_window.cpp, its handlers and
// texts in about_behaviour.cpp.
#include "framework/window.h"

namespace player {

class AboutWindow : public fw::Window {
 public:
  AboutWindow();

  fw::Label 标签1;   // the introduction
  fw::Label 标签2;   // the home page and the public account; a press opens the home page
  fw::Label 标签4;   // 联系方式
  fw::Label 标签3;   // the contacts
};

}  // namespace player
