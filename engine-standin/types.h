#pragma once
// What every part of the stand-in engine shares: its texts, its handle, the
// callbacks a host hands to APlayer_Create, and the engine states.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/engine_items.h"

namespace standin {

// Code page 936 bytes, as the engine's routines take and give them.
using Text = std::string;

using Handle = int32_t;

using MessageCallback = void(WINAPI*)(int32_t message, int32_t wParam, int32_t lParam);
using StateCallback = void(WINAPI*)(int32_t oldState, int32_t newState);
using OpenedCallback = void(WINAPI*)();

struct Callbacks {
  MessageCallback onMessage = nullptr;
  StateCallback onState = nullptr;
  OpenedCallback onOpened = nullptr;
};

// The engine's states, items and end codes, as the programs name them
// (engine/engine_items.h). States 2 and 4 exist in the contract but this engine
// never enters them on its own; a test can fire them.
using namespace engine;

// Byte searches that never take the second byte of a double-byte character
// (which may be "\\" or "|") for the byte searched for.
std::size_t findByte(const Text& text, char byte, std::size_t from = 0);
// The offset just after the last "\\" or "/", 0 when there is none.
std::size_t lastSegmentStart(const Text& text);
// Pieces of `text` between separators; an empty text gives none.
std::vector<Text> splitAt(const Text& text, char separator);

}  // namespace standin
