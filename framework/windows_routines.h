#pragma once
// The one list of Windows routines that the programs call by name, one group a
// library: each is bound from its library at its first call (see outside.h), so
// a program that never calls one never looks it up, and a library none of whose
// routines has been called is not even loaded. That is why the dialogs, the
// shell, COM and the common controls are reached only through here: a program
// pays for them when it first shows such a thing, not at every start.
// Call them as fw::win::GetSystemMetrics(...).
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include "outside.h"

namespace fw::win {

template <typename Signature>
using Routine = OutsideRoutine<Signature>;

inline constexpr OutsideLibrary kKernel32{"kernel32.dll", LibraryHome::kSystem};
inline constexpr OutsideLibrary kUser32{"user32.dll", LibraryHome::kSystem};
inline constexpr OutsideLibrary kAdvapi32{"advapi32.dll", LibraryHome::kSystem};
inline constexpr OutsideLibrary kShell32{"shell32.dll", LibraryHome::kSystem};
inline constexpr OutsideLibrary kComdlg32{"comdlg32.dll", LibraryHome::kSystem};
inline constexpr OutsideLibrary kOle32{"ole32.dll", LibraryHome::kSystem};
inline constexpr OutsideLibrary kComctl32{"comctl32.dll", LibraryHome::kSystem};

// ---- kernel32: processes, events, handles, the command line, power requests, file identity,
// the library search ----
inline constinit Routine<BOOL WINAPI(LPCSTR, LPSTR, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES, BOOL,
                                     DWORD, LPVOID, LPCSTR, LPSTARTUPINFOA, LPPROCESS_INFORMATION)>
    CreateProcessA{kKernel32, "CreateProcessA"};
inline constinit Routine<DWORD WINAPI()> GetCurrentProcessId{kKernel32, "GetCurrentProcessId"};
inline constinit Routine<HANDLE WINAPI(LPSECURITY_ATTRIBUTES, BOOL, BOOL, LPCSTR)> CreateEventA{
    kKernel32, "CreateEventA"};
// The error the thread's last call left: ERROR_ALREADY_EXISTS after a named
// object that existed was opened by its create routine. Bind it (address())
// before the call it is to read: a first-call binding may change the value.
inline constinit Routine<DWORD WINAPI()> GetLastError{kKernel32, "GetLastError"};
inline constinit Routine<HANDLE WINAPI(DWORD, BOOL, DWORD)> OpenProcess{kKernel32, "OpenProcess"};
inline constinit Routine<BOOL WINAPI(HANDLE, LPFILETIME, LPFILETIME, LPFILETIME, LPFILETIME)>
    GetProcessTimes{kKernel32, "GetProcessTimes"};
inline constinit Routine<BOOL WINAPI(HANDLE)> CloseHandle{kKernel32, "CloseHandle"};
// Which program a process runs: its image's full path.
inline constinit Routine<BOOL WINAPI(HANDLE, DWORD, LPSTR, PDWORD)> QueryFullProcessImageNameA{
    kKernel32, "QueryFullProcessImageNameA"};
// A handle to a file or folder, asked what makes it the same one whatever
// path or link names it (fileIdentity in files.h).
inline constinit Routine<HANDLE WINAPI(LPCSTR, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD, HANDLE)>
    CreateFileA{kKernel32, "CreateFileA"};
inline constinit Routine<BOOL WINAPI(HANDLE, LPBY_HANDLE_FILE_INFORMATION)> GetFileInformationByHandle{
    kKernel32, "GetFileInformationByHandle"};
inline constinit Routine<LPSTR WINAPI()> GetCommandLineA{kKernel32, "GetCommandLineA"};
inline constinit Routine<EXECUTION_STATE WINAPI(EXECUTION_STATE)> SetThreadExecutionState{
    kKernel32, "SetThreadExecutionState"};
// Where libraries loaded by name are looked for. SetDefaultDllDirectories
// exists only on systems since Windows 8 and Windows 7 with its update: take
// it with addressIfPresent.
inline constinit Routine<BOOL WINAPI(LPCSTR)> SetDllDirectoryA{kKernel32, "SetDllDirectoryA"};
inline constinit Routine<BOOL WINAPI(DWORD)> SetDefaultDllDirectories{kKernel32,
                                                                      "SetDefaultDllDirectories"};

// ---- user32: monitors, windows, messages, images, the cursor ----
inline constinit Routine<int WINAPI(int)> GetSystemMetrics{kUser32, "GetSystemMetrics"};
inline constinit Routine<BOOL WINAPI(LPCSTR, DWORD, PDISPLAY_DEVICEA, DWORD)> EnumDisplayDevicesA{
    kUser32, "EnumDisplayDevicesA"};
inline constinit Routine<BOOL WINAPI(LPCSTR, DWORD, DEVMODEA*)> EnumDisplaySettingsA{
    kUser32, "EnumDisplaySettingsA"};
inline constinit Routine<LRESULT WINAPI(HWND, UINT, WPARAM, LPARAM)> SendMessageA{kUser32,
                                                                                  "SendMessageA"};
inline constinit Routine<BOOL WINAPI(HWND, HWND, int, int, int, int, UINT)> SetWindowPos{
    kUser32, "SetWindowPos"};
inline constinit Routine<HANDLE WINAPI(HINSTANCE, LPCSTR, UINT, int, int, UINT)> LoadImageA{
    kUser32, "LoadImageA"};
// On 64-bit Windows a window's procedure slot is pointer-sized, which only
// SetWindowLongPtrA writes whole; on 32-bit Windows that name is SetWindowLongA
// itself.
#ifdef _WIN64
inline constinit Routine<LONG_PTR WINAPI(HWND, int, LONG_PTR)> SetWindowLongA{kUser32,
                                                                              "SetWindowLongPtrA"};
#else
inline constinit Routine<LONG_PTR WINAPI(HWND, int, LONG_PTR)> SetWindowLongA{kUser32,
                                                                              "SetWindowLongA"};
#endif
inline constinit Routine<LRESULT WINAPI(WNDPROC, HWND, UINT, WPARAM, LPARAM)> CallWindowProcA{
    kUser32, "CallWindowProcA"};
inline constinit Routine<BOOL WINAPI(LPPOINT)> GetCursorPos{kUser32, "GetCursorPos"};
// Whose window a handle names, and of what kind: a handle read from a file
// that any program of the user can write is checked before anything is sent.
inline constinit Routine<DWORD WINAPI(HWND, LPDWORD)> GetWindowThreadProcessId{
    kUser32, "GetWindowThreadProcessId"};
inline constinit Routine<int WINAPI(HWND, LPSTR, int)> GetClassNameA{kUser32, "GetClassNameA"};
inline constinit Routine<HWND WINAPI(HWND, UINT)> GetAncestor{kUser32, "GetAncestor"};
// A message to another program's window that waits only so long for its answer.
inline constinit Routine<LRESULT WINAPI(HWND, UINT, WPARAM, LPARAM, UINT, UINT, PDWORD_PTR)>
    SendMessageTimeoutA{kUser32, "SendMessageTimeoutA"};

// ---- advapi32: registry items (registry.h); listed so that a test can stand
// in for a write the registry refuses, as Wine enforces no access control ----
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

// ---- shell32: opening documents, dropped files, the notification area, the
// folder browser ----
inline constinit Routine<HINSTANCE WINAPI(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT)> ShellExecuteA{
    kShell32, "ShellExecuteA"};
inline constinit Routine<void WINAPI(HWND, BOOL)> DragAcceptFiles{kShell32, "DragAcceptFiles"};
inline constinit Routine<UINT WINAPI(HDROP, UINT, LPSTR, UINT)> DragQueryFileA{kShell32,
                                                                               "DragQueryFileA"};
inline constinit Routine<void WINAPI(HDROP)> DragFinish{kShell32, "DragFinish"};
inline constinit Routine<BOOL WINAPI(DWORD, PNOTIFYICONDATAA)> Shell_NotifyIconA{kShell32,
                                                                                 "Shell_NotifyIconA"};
inline constinit Routine<LPITEMIDLIST WINAPI(LPBROWSEINFOA)> SHBrowseForFolderA{kShell32,
                                                                                "SHBrowseForFolderA"};
inline constinit Routine<BOOL WINAPI(LPCITEMIDLIST, LPSTR)> SHGetPathFromIDListA{
    kShell32, "SHGetPathFromIDListA"};

// ---- comdlg32: the open and save dialogs ----
inline constinit Routine<BOOL WINAPI(LPOPENFILENAMEA)> GetOpenFileNameA{kComdlg32, "GetOpenFileNameA"};
inline constinit Routine<BOOL WINAPI(LPOPENFILENAMEA)> GetSaveFileNameA{kComdlg32, "GetSaveFileNameA"};

// ---- ole32: COM for the thread, the shell's memory ----
inline constinit Routine<HRESULT WINAPI(LPVOID, DWORD)> CoInitializeEx{kOle32, "CoInitializeEx"};
inline constinit Routine<void WINAPI()> CoUninitialize{kOle32, "CoUninitialize"};
inline constinit Routine<void WINAPI(LPVOID)> CoTaskMemFree{kOle32, "CoTaskMemFree"};

// ---- comctl32: the common controls' window classes ----
inline constinit Routine<BOOL WINAPI(const INITCOMMONCONTROLSEX*)> InitCommonControlsEx{
    kComctl32, "InitCommonControlsEx"};

}  // namespace fw::win
