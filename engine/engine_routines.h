#pragma once
// The one list of outside routines the engine binding calls: the playback
// engine's 21 exported routines and the two Windows routines that place its
// video window and load its logo. Each is bound by name at its first call
// (framework/outside.h), so a program that never calls one never looks it up.
//
// The engine's contract is 32-bit: its handle and its integers are 32-bit on
// every build. Window handles, bitmaps and callbacks are pointer-sized so that
// the 64-bit build runs against a 64-bit engine.
#include <windows.h>

#include <cstdint>

#include "framework/outside.h"
#include "framework/windows_routines.h"

// The engine's handle for one instance; 0 means creation failed.
using EngineHandle = int32_t;

// Mouse and key messages of the video window as Windows delivers them; wParam
// and lParam are the message's own 32-bit values (lParam is negative on key
// release, bit 31 being the key-up flag).
using EngineMessageCallback = void(WINAPI*)(int32_t message, int32_t wParam, int32_t lParam);
// Every change of the engine state, old and new.
using EngineStateCallback = void(WINAPI*)(int32_t oldState, int32_t newState);
// The medium is open and its duration can be read.
using EngineOpenedCallback = void(WINAPI*)();

namespace engine {

template <typename Signature>
using Routine = fw::OutsideRoutine<Signature>;

// Shipped beside the program, not a library of the system.
inline constexpr fw::OutsideLibrary kEngineLibrary{"APlayerCaller.dll", fw::LibraryHome::kBesideProgram};

// parent, x, y, width, height, the three callbacks (any may be null), five
// reserved words passed as 0.
inline constinit Routine<EngineHandle WINAPI(HWND, int32_t, int32_t, int32_t, int32_t,
                                             EngineMessageCallback, EngineStateCallback,
                                             EngineOpenedCallback, INT_PTR, INT_PTR, INT_PTR,
                                             INT_PTR, INT_PTR)>
    APlayer_Create{kEngineLibrary, "APlayer_Create"};
inline constinit Routine<int32_t WINAPI(EngineHandle)> APlayer_Destroy{kEngineLibrary,
                                                                       "APlayer_Destroy"};
inline constinit Routine<int32_t WINAPI(EngineHandle, const char*)> APlayer_OpenA{
    kEngineLibrary, "APlayer_OpenA"};
inline constinit Routine<int32_t WINAPI(EngineHandle)> APlayer_Close{kEngineLibrary,
                                                                     "APlayer_Close"};
inline constinit Routine<int32_t WINAPI(EngineHandle)> APlayer_Play{kEngineLibrary,
                                                                    "APlayer_Play"};
inline constinit Routine<int32_t WINAPI(EngineHandle)> APlayer_Pause{kEngineLibrary,
                                                                     "APlayer_Pause"};
// The video window, a child of the parent given to APlayer_Create.
inline constinit Routine<HWND WINAPI(EngineHandle)> APlayer_GetWindow{kEngineLibrary,
                                                                      "APlayer_GetWindow"};
inline constinit Routine<int32_t WINAPI(EngineHandle)> APlayer_GetBufferProgress{
    kEngineLibrary, "APlayer_GetBufferProgress"};
// Engine-owned text, valid until the engine's next call; may be null.
inline constinit Routine<const char* WINAPI(EngineHandle, int32_t)> APlayer_GetConfigA{
    kEngineLibrary, "APlayer_GetConfigA"};
inline constinit Routine<int32_t WINAPI(EngineHandle, int32_t, const char*)> APlayer_SetConfigA{
    kEngineLibrary, "APlayer_SetConfigA"};
// Milliseconds, signed.
inline constinit Routine<int32_t WINAPI(EngineHandle)> APlayer_GetDuration{kEngineLibrary,
                                                                           "APlayer_GetDuration"};
inline constinit Routine<int32_t WINAPI(EngineHandle)> APlayer_GetPosition{kEngineLibrary,
                                                                           "APlayer_GetPosition"};
inline constinit Routine<int32_t WINAPI(EngineHandle, int32_t)> APlayer_SetPosition{
    kEngineLibrary, "APlayer_SetPosition"};
inline constinit Routine<int32_t WINAPI(EngineHandle)> APlayer_GetState{kEngineLibrary,
                                                                        "APlayer_GetState"};
// Engine-owned text; may be null.
inline constinit Routine<const char* WINAPI(EngineHandle)> APlayer_GetVersion{kEngineLibrary,
                                                                              "APlayer_GetVersion"};
// Pixels; 0 without video.
inline constinit Routine<int32_t WINAPI(EngineHandle)> APlayer_GetVideoWidth{
    kEngineLibrary, "APlayer_GetVideoWidth"};
inline constinit Routine<int32_t WINAPI(EngineHandle)> APlayer_GetVideoHeight{
    kEngineLibrary, "APlayer_GetVideoHeight"};
// 0 is silent.
inline constinit Routine<int32_t WINAPI(EngineHandle)> APlayer_GetVolume{kEngineLibrary,
                                                                         "APlayer_GetVolume"};
inline constinit Routine<int32_t WINAPI(EngineHandle, int32_t)> APlayer_SetVolume{
    kEngineLibrary, "APlayer_SetVolume"};
inline constinit Routine<int32_t WINAPI(EngineHandle)> APlayer_IsSeeking{kEngineLibrary,
                                                                         "APlayer_IsSeeking"};
// The bitmap shown while nothing plays; null shows none.
inline constinit Routine<int32_t WINAPI(EngineHandle, HBITMAP)> APlayer_SetCustomLogo{
    kEngineLibrary, "APlayer_SetCustomLogo"};

// The two Windows routines the binding calls, from the framework's one list of
// Windows routines called by name.
inline constexpr auto& SetWindowPos = fw::win::SetWindowPos;
inline constexpr auto& LoadImageA = fw::win::LoadImageA;

}  // namespace engine
