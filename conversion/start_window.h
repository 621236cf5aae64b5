#pragma once
// The conversion program's start window: never shown, no units; the engine's
// video window lives in it and its created event does the program's work.
#include "conversion/conversion_program.h"
#include "framework/window.h"

namespace conversion {

struct StartWindow : fw::Window {
  StartWindow()
      : Window({.left = 50, .top = 50, .width = 380, .height = 250, .visible = false,
                .onCreated = runConversionFromCommandLine}) {}
};

}  // namespace conversion
