#pragma once
// One instance of the outside playback engine behind a fixed table of 28
// operations, the only way the programs reach the engine. The operations are
// virtual functions declared in the order of their slots; the object holds no
// data. Every operation that calls the engine passes engineHandle first,
// unchecked, so a zero handle reaches the engine as it is.
//
// Texts cross the boundary as code page 936 bytes. Texts the engine returns are
// copied at once into a Text the caller owns; a null text becomes the empty one.
#include <windows.h>

#include <cstdint>

#include "engine/engine_routines.h"
#include "framework/text.h"

// The engine's handle, shared by every operation. Only create writes it (0 when
// creation failed); destroy leaves it unchanged.
extern EngineHandle engineHandle;

class PlayerEngine {
 public:
  // Slot 0: does nothing; called just before the object is freed.
  virtual void finalizeEngineObject();
  // Slot 1: a new object with the same table; the caller owns it.
  virtual PlayerEngine* cloneEngineObject();
  // Slot 2: APlayer_Create with the 13 words unchanged; the result goes to
  // engineHandle and is returned. Callers pass five zeros for the last words.
  virtual EngineHandle create(HWND parent, int32_t x, int32_t y, int32_t width, int32_t height,
                              EngineMessageCallback onMessage, EngineStateCallback onState,
                              EngineOpenedCallback onOpened, INT_PTR reserved1, INT_PTR reserved2,
                              INT_PTR reserved3, INT_PTR reserved4, INT_PTR reserved5);
  // Slot 3.
  virtual int32_t destroy();
  // Slot 4.
  virtual int32_t close();
  // Slot 5: the engine's video window.
  virtual HWND getWindow();
  // Slot 6.
  virtual int32_t getBufferProgress();
  // Slot 7: the item's value as an owned copy.
  virtual fw::Text getConfig(int32_t item);
  // Slot 8.
  virtual int32_t setConfig(int32_t item, const fw::Text& value);
  // Slot 9: Windows' SetWindowPos with the seven values unchanged; the one
  // operation that does not involve the engine.
  virtual int32_t setWindowPos(HWND window, HWND insertAfter, int32_t x, int32_t y, int32_t width,
                               int32_t height, uint32_t flags);
  // Slot 10: milliseconds.
  virtual int32_t getDuration();
  // Slot 11: milliseconds.
  virtual int32_t getPosition();
  // Slot 12: 0 nothing open, 1 opening, 3 paused, 5 playing, 6 closing.
  virtual int32_t getState();
  // Slot 13: an owned copy.
  virtual fw::Text getVersion();
  // Slot 14: pixels, 0 without video.
  virtual int32_t getVideoHeight();
  // Slot 15: pixels, 0 without video.
  virtual int32_t getVideoWidth();
  // Slot 16.
  virtual int32_t getVolume();
  // Slot 17: any integer is handed on unchanged.
  virtual int32_t setVolume(int32_t volume);
  // Slot 18.
  virtual int32_t isSeeking();
  // Slot 19: milliseconds, handed on unbounded.
  virtual int32_t setPosition(int32_t milliseconds);
  // Slot 20: a path or a network address.
  virtual int32_t open(const fw::Text& pathOrAddress);
  // Slot 21.
  virtual int32_t pause();
  // Slot 22.
  virtual int32_t play();
  // Slot 23: loads the file as a Windows bitmap and hands it to the engine as
  // its logo, a null bitmap when the file cannot be loaded as one. The bitmap
  // is never freed: the engine keeps showing it.
  virtual int32_t setCustomLogo(const fw::Text& bitmapPath);
  // Slot 24: the load of setCustomLogo alone; null when it fails.
  virtual HBITMAP loadBitmapFile(const fw::Text& bitmapPath);
  // Slot 25: shows the text at x, y on the video. Refuses, writing nothing,
  // unless the engine's item 601 reads exactly "1"; then writes 602 = "1",
  // 606 = x, 607 = y and 612 = text, in that order, and returns true.
  virtual bool showOverlayText(const fw::Text& text, int32_t x, int32_t y);
  // Slot 26: item 602 = "0".
  virtual void hideOverlayText();
  // Slot 27: does nothing.
  virtual void reservedMethod();

  // Outside the table: lets an owner delete the object through this type.
  virtual ~PlayerEngine() = default;
};
