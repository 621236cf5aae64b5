#pragma once
// The program's artwork, compiled in: the bytes of each file in assets/art/.
// One dark skin on the control bar's colour (13, 13, 13) with one accent colour.
// Picture buttons have a normal, a hover and a pressed picture.
#include <span>

namespace assets {

using Bytes = std::span<const unsigned char>;

// Main window, top bar.
extern const Bytes topBar;                  // JPEG 800 × 40
extern const Bytes logoButton;              // PNG 120 × 46, the player's name
extern const Bytes logoButtonHover;
extern const Bytes logoButtonPressed;
extern const Bytes minimiseButton;          // GIF 17 × 16
extern const Bytes minimiseButtonHover;
extern const Bytes minimiseButtonPressed;
extern const Bytes maximiseButton;          // GIF 17 × 16
extern const Bytes maximiseButtonHover;
extern const Bytes maximiseButtonPressed;
extern const Bytes closeButton;             // GIF 17 × 16
extern const Bytes closeButtonHover;
extern const Bytes closeButtonPressed;

// Main window, video area.
extern const Bytes videoLogo;               // PNG 241 × 148

// Main window, control bar.
extern const Bytes stopButton;              // JPEG 38 × 38
extern const Bytes stopButtonHover;
extern const Bytes stopButtonPressed;
extern const Bytes previousButton;          // JPEG 38 × 38
extern const Bytes previousButtonHover;
extern const Bytes previousButtonPressed;
extern const Bytes nextButton;              // JPEG 38 × 38
extern const Bytes nextButtonHover;
extern const Bytes nextButtonPressed;
extern const Bytes playPauseButton;         // JPEG 49 × 49
extern const Bytes playPauseButtonHover;
extern const Bytes playPauseButtonPressed;
extern const Bytes openButton;              // PNG 38 × 38
extern const Bytes openButtonHover;
extern const Bytes openButtonPressed;
extern const Bytes muteButton;              // JPEG 18 × 18
extern const Bytes muteButtonHover;
extern const Bytes muteButtonPressed;
extern const Bytes fullScreenButton;        // JPEG 30 × 30
extern const Bytes fullScreenButtonHover;
extern const Bytes fullScreenButtonPressed;

// Slider skins: track, filled track, thumb.
extern const Bytes durationTrack;           // PNG 800 × 11
extern const Bytes durationFill;            // PNG 800 × 11
extern const Bytes durationThumb;           // PNG 11 × 11
extern const Bytes volumeTrack;             // PNG 100 × 10
extern const Bytes volumeFill;              // PNG 100 × 10
extern const Bytes volumeThumb;             // PNG 10 × 10

// The other windows.
extern const Bytes smallCloseButton;        // GIF 17 × 16
extern const Bytes smallCloseButtonHover;
extern const Bytes smallCloseButtonPressed;
extern const Bytes saveButton;              // PNG 32 × 32
extern const Bytes saveButtonHover;
extern const Bytes saveButtonPressed;

// The program icon: an ICO file of 72, 64, 48, 32, 24 and 16 px images, 32 bpp.
extern const Bytes programIcon;

}  // namespace assets
