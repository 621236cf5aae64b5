// An engine library that lacks routines: it has APlayer_Close and nothing else,
// so a program can load it and then fail to bind the next routine it calls.
#include <windows.h>

#include <cstdint>

extern "C" int32_t WINAPI APlayer_Close(int32_t) { return 0; }
