#pragma once
// What the player's skinned windows share of their look: the panel colour of
// the small windows, the white of texts on dark bars, and the small close
// button with its three pictures.
#include "assets/assets.h"
#include "framework/window.h"

namespace player::skin {

inline constexpr fw::Rgb kPanel{60, 65, 68};
inline constexpr fw::Rgb kWhite{255, 255, 255};

// The small close button at the place and with the handler given.
inline fw::PictureButtonDescription smallCloseButton(fw::PictureButtonDescription button) {
  button.picture = assets::smallCloseButton;
  button.hoverPicture = assets::smallCloseButtonHover;
  button.pressedPicture = assets::smallCloseButtonPressed;
  return button;
}

}  // namespace player::skin
