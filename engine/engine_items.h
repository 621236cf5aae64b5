#pragma once
// The engine's states and numbered configuration items, named once for every
// program that drives the engine and for our stand-in of it. Items are read and
// written as text through getConfig/setConfig.
#include <cstdint>

namespace engine {

// What the engine's state reads. 2 and 4 are states the engine may enter on its
// own; the play/pause toggle pauses in 1, 4 and 5 and plays in 2 and 3.
enum State : int32_t {
  kIdle = 0,      // nothing open
  kOpening = 1,
  kState2 = 2,
  kPaused = 3,
  kState4 = 4,
  kPlaying = 5,
  kClosing = 6,
};

enum Item : int32_t {
  kConversionMode = 6,          // set "2" by the conversion program
  kEndCode = 7,                 // below 0 after a failed open, 0 after a natural end
  kAudioDevices = 10,           // output device names joined by ";"
  kAudioDevice = 11,            // the output device: one name of kAudioDevices
  kFrameRate = 121,
  kOverlayAvailable = 601,      // "1" when on-video text can be shown
  kOverlayShown = 602,          // "1" shows, "0" hides the on-video text
  kOverlayX = 606,              // its place in the video window, decimal
  kOverlayY = 607,
  kOverlayText = 612,
  kConversionFormat = 803,      // such as "wav"
  kConversionFile = 804,        // the next open converts into this file
  kDlnaDiscover = 1801,         // "1" starts looking for renderers
  kDlnaRenderers = 1802,        // one line a renderer: name ";" id
  kDlnaRenderer = 1803,         // id of the renderer played to; "" plays here
  kDlnaRefresh = 1804,          // "1" looks for renderers again
};

// Values of kEndCode once a medium has gone.
inline constexpr int32_t kEndFailedOpen = -1;   // any value below 0 means a failed open
inline constexpr int32_t kEndNatural = 0;
inline constexpr int32_t kEndClosed = 1;        // what our stand-in reports after a close

}  // namespace engine
