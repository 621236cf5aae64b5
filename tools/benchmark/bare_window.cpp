// The least a window program must do before its window shows: register a class,
// create an 800 x 560 window and show it. What it adds is chosen on its command
// line, one word each, so that each baseline carries exactly its own cost:
//   engine     load APlayerCaller.dll from the program's folder first
//   list FILE  read FILE by lines and keep those whose attributes can be read
//              and lack the folder bit: one attribute read per line
// Built twice: bare_window.exe imports nothing beyond kernel32 and user32;
// bare_window_imports.exe also imports the libraries a full GUI program links
// (dialogs, shell, COM, common controls, alpha blending), to show their price.
#include <windows.h>

#ifdef BARE_WITH_IMPORTS
#include <commctrl.h>
#include <commdlg.h>
#include <objbase.h>
#include <shellapi.h>
#endif

#include <string>
#include <vector>

namespace {

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

std::string programFolder() {
  char path[MAX_PATH * 2];
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  std::string folder(path, n);
  return folder.substr(0, folder.rfind('\\'));
}

// Keeps the lines naming an existing entry without the folder bit.
std::vector<std::string> readExistingFiles(const char* listPath) {
  std::vector<std::string> kept;
  HANDLE file = CreateFileA(listPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return kept;
  std::string data;
  char buffer[64 * 1024];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) data.append(buffer, got);
  CloseHandle(file);
  std::size_t start = 0;
  while (start < data.size()) {
    std::size_t end = data.find('\n', start);
    if (end == std::string::npos) end = data.size();
    std::string line = data.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    DWORD attributes = GetFileAttributesA(line.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      kept.push_back(std::move(line));
    }
    start = end + 1;
  }
  return kept;
}

#ifdef BARE_WITH_IMPORTS
// Referenced, never called: the loader still maps each library at start-up.
volatile const void* const importedRoutines[] = {
    reinterpret_cast<const void*>(&InitCommonControlsEx),
    reinterpret_cast<const void*>(&GetOpenFileNameA),
    reinterpret_cast<const void*>(&Shell_NotifyIconA),
    reinterpret_cast<const void*>(&CoInitializeEx),
    reinterpret_cast<const void*>(&AlphaBlend),
};
#endif

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
#ifdef BARE_WITH_IMPORTS
  if (importedRoutines[0] == nullptr) return 3;
#endif
  std::vector<std::string> words;
  for (const char* p = commandLine; *p;) {
    while (*p == ' ') ++p;
    const char* start = p;
    while (*p && *p != ' ') ++p;
    if (p > start) words.emplace_back(start, p);
  }
  std::vector<std::string> kept;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (words[i] == "engine") {
      if (!LoadLibraryA((programFolder() + "\\APlayerCaller.dll").c_str())) return 2;
    } else if (words[i] == "list" && i + 1 < words.size()) {
      kept = readExistingFiles(words[++i].c_str());
    }
  }

  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = "BareWindow";
  RegisterClassA(&windowClass);
  HWND hwnd = CreateWindowExA(0, "BareWindow", "bare", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                              800, 560, nullptr, nullptr, instance, nullptr);
  if (hwnd == nullptr) return 1;
  ShowWindow(hwnd, SW_SHOW);
  UpdateWindow(hwnd);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
