#pragma once
// The one list of Windows routines that the programs call by name: each is bound
// from its library at its first call (see outside.h), so a program that never
// calls one never looks it up. Call them as fw::win::GetSystemMetrics(...).
#include <windows.h>
#include <shellapi.h>

#include "outside.h"

namespace fw::win {

template <typename Signature>
using Routine = OutsideRoutine<Signature>;

inline constexpr char kUser32[] = "user32.dll";
inline constexpr char kKernel32[] = "kernel32.dll";
inline constexpr char kShell32[] = "shell32.dll";
inline constexpr char kAdvapi32[] = "advapi32.dll";

// Monitors for full screen.
inline constinit Routine<int WINAPI(int)> GetSystemMetrics{kUser32, "GetSystemMetrics"};
inline constinit Routine<BOOL WINAPI(LPCSTR, DWORD, PDISPLAY_DEVICEA, DWORD)> EnumDisplayDevicesA{
    kUser32, "EnumDisplayDevicesA"};
inline constinit Routine<BOOL WINAPI(LPCSTR, DWORD, DEVMODEA*)> EnumDisplaySettingsA{
    kUser32, "EnumDisplaySettingsA"};

// Single-instance hand-over.
inline constinit Routine<DWORD WINAPI()> GetCurrentProcessId{kKernel32, "GetCurrentProcessId"};
inline constinit Routine<HANDLE WINAPI(DWORD, BOOL, LPCSTR)> OpenEventA{kKernel32, "OpenEventA"};
inline constinit Routine<HANDLE WINAPI(LPSECURITY_ATTRIBUTES, BOOL, BOOL, LPCSTR)> CreateEventA{
    kKernel32, "CreateEventA"};
inline constinit Routine<HANDLE WINAPI(DWORD, BOOL, DWORD)> OpenProcess{kKernel32, "OpenProcess"};
inline constinit Routine<BOOL WINAPI(HANDLE, LPFILETIME, LPFILETIME, LPFILETIME, LPFILETIME)>
    GetProcessTimes{kKernel32, "GetProcessTimes"};
inline constinit Routine<BOOL WINAPI(HANDLE)> CloseHandle{kKernel32, "CloseHandle"};
inline constinit Routine<LRESULT WINAPI(HWND, UINT, WPARAM, LPARAM)> SendMessageA{kUser32,
                                                                                  "SendMessageA"};
// Whose window a handle names, and of what kind: a handle read from a file
// that any program of the user can write is checked before anything is sent.
inline constinit Routine<DWORD WINAPI(HWND, LPDWORD)> GetWindowThreadProcessId{
    kUser32, "GetWindowThreadProcessId"};
inline constinit Routine<int WINAPI(HWND, LPSTR, int)> GetClassNameA{kUser32, "GetClassNameA"};

// Keeping the display on.
inline constinit Routine<EXECUTION_STATE WINAPI(EXECUTION_STATE)> SetThreadExecutionState{
    kKernel32, "SetThreadExecutionState"};

// The about window's web page.
inline constinit Routine<HINSTANCE WINAPI(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT)> ShellExecuteA{
    kShell32, "ShellExecuteA"};

// The engine's video window and logo.
inline constinit Routine<BOOL WINAPI(HWND, HWND, int, int, int, int, UINT)> SetWindowPos{
    kUser32, "SetWindowPos"};
inline constinit Routine<HANDLE WINAPI(HINSTANCE, LPCSTR, UINT, int, int, UINT)> LoadImageA{
    kUser32, "LoadImageA"};

// Drag and drop onto the engine's video window. On 64-bit Windows the window
// procedure slot is pointer-sized, which only SetWindowLongPtrA writes whole;
// on 32-bit Windows that name is SetWindowLongA itself.
inline constinit Routine<void WINAPI(HWND, BOOL)> DragAcceptFiles{kShell32, "DragAcceptFiles"};
#ifdef _WIN64
inline constinit Routine<LONG_PTR WINAPI(HWND, int, LONG_PTR)> SetWindowLongA{kUser32,
                                                                              "SetWindowLongPtrA"};
#else
inline constinit Routine<LONG_PTR WINAPI(HWND, int, LONG_PTR)> SetWindowLongA{kUser32,
                                                                              "SetWindowLongA"};
#endif
inline constinit Routine<LRESULT WINAPI(WNDPROC, HWND, UINT, WPARAM, LPARAM)> CallWindowProcA{
    kUser32, "CallWindowProcA"};
inline constinit Routine<UINT WINAPI(HDROP, UINT, LPSTR, UINT)> DragQueryFileA{kShell32,
                                                                               "DragQueryFileA"};
inline constinit Routine<void WINAPI(HDROP)> DragFinish{kShell32, "DragFinish"};

// The process's own command line.
inline constinit Routine<LPSTR WINAPI()> GetCommandLineA{kKernel32, "GetCommandLineA"};

// Running another program and waiting for it.
inline constinit Routine<BOOL WINAPI(LPCSTR, LPSTR, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES, BOOL,
                                     DWORD, LPVOID, LPCSTR, LPSTARTUPINFOA, LPPROCESS_INFORMATION)>
    CreateProcessA{kKernel32, "CreateProcessA"};

// Registry items (registry.h). Listed so that a test can stand in for a write
// the registry refuses: Wine enforces no access control.
inline constinit Routine<LONG WINAPI(HKEY, LPCSTR, DWORD, LPSTR, DWORD, REGSAM,
                                        LPSECURITY_ATTRIBUTES, PHKEY, LPDWORD)>
    RegCreateKeyExA{kAdvapi32, "RegCreateKeyExA"};
inline constinit Routine<LONG WINAPI(HKEY, LPCSTR, DWORD, REGSAM, PHKEY)> RegOpenKeyExA{
    kAdvapi32, "RegOpenKeyExA"};
inline constinit Routine<LONG WINAPI(HKEY, LPCSTR, DWORD, DWORD, const BYTE*, DWORD)>
    RegSetValueExA{kAdvapi32, "RegSetValueExA"};
inline constinit Routine<LONG WINAPI(HKEY, LPCSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD)>
    RegQueryValueExA{kAdvapi32, "RegQueryValueExA"};
inline constinit Routine<LONG WINAPI(HKEY, LPCSTR)> RegDeleteValueA{kAdvapi32,
                                                                      "RegDeleteValueA"};
inline constinit Routine<LONG WINAPI(HKEY, LPCSTR)> RegDeleteKeyA{kAdvapi32, "RegDeleteKeyA"};
inline constinit Routine<LONG WINAPI(HKEY)> RegCloseKey{kAdvapi32, "RegCloseKey"};

// Pop-up menus at the cursor.
inline constinit Routine<BOOL WINAPI(LPPOINT)> GetCursorPos{kUser32, "GetCursorPos"};

}  // namespace fw::win
