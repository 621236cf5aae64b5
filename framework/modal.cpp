#include "framework/modal.h"

#include <windows.h>

#include <vector>

#include "framework/input_box.h"
#include "framework/window.h"
#include "framework/windows_routines.h"

namespace fw {
namespace {

// Room for the longest ANSI path the dialogs hand back.
constexpr DWORD kFileNameBuffer = 4096;

// The top-level window whose handler shows a box, while it is on screen; a
// window not shown yet (its created event runs) gives way to the window whose
// handler is opening it.
HWND boxOwner() {
  const std::vector<Window*>& handling = detail::windowsHandling();
  for (auto it = handling.rbegin(); it != handling.rend(); ++it) {
    HWND hwnd = (*it)->destroyed() ? nullptr : (*it)->handle();
    if (hwnd != nullptr) hwnd = GetAncestor(hwnd, GA_ROOT);
    if (hwnd != nullptr && IsWindowVisible(hwnd)) return hwnd;
  }
  return nullptr;
}

struct OtherWindows {
  HWND owner;
  std::vector<HWND> disabled;
};

BOOL CALLBACK disableOther(HWND hwnd, LPARAM lParam) {
  auto& others = *reinterpret_cast<OtherWindows*>(lParam);
  if (hwnd != others.owner && !EnableWindow(hwnd, FALSE)) others.disabled.push_back(hwnd);
  return TRUE;
}

class SystemSeam final : public ModalSeam {
 public:
  int messageBox(const Text& text, const Text& caption, unsigned flags) override {
    HWND owner = boxOwner();
    if (owner == nullptr) return MessageBoxA(nullptr, text.c_str(), caption.c_str(), flags | MB_TASKMODAL);
    // Owned, the box hands the activation back to its window when it closes
    // (a box without owner leaves no window active). The system disables only
    // the owner then: the thread's other windows wait as for a task-modal box.
    OtherWindows others{owner, {}};
    EnumThreadWindows(GetCurrentThreadId(), disableOther, reinterpret_cast<LPARAM>(&others));
    const int answer = MessageBoxA(owner, text.c_str(), caption.c_str(), flags | MB_TASKMODAL);
    for (HWND hwnd : others.disabled) EnableWindow(hwnd, TRUE);
    return answer;
  }

  bool inputBox(const Text& prompt, const Text& caption, const Text& initial, Text& typed) override {
    return showInputBox(prompt, caption, initial, typed);
  }

  bool fileDialog(FileDialogRequest& request) override {
    std::vector<char> file(kFileNameBuffer, '\0');
    request.fileName.copy(file.data(), file.size() - 1);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = kFileNameBuffer;
    dialog.lpstrInitialDir = request.initialFolder.empty() ? nullptr : request.initialFolder.c_str();
    // No OFN_NOCHANGEDIR: the folder of an accepted file becomes the current
    // directory, which later relative paths rely on.
    bool accepted;
    if (request.kind == FileDialogRequest::Open) {
      dialog.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
      accepted = win::GetOpenFileNameA(&dialog) != 0;
    } else {
      dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
      accepted = win::GetSaveFileNameA(&dialog) != 0;
    }
    if (accepted) request.fileName = file.data();
    return accepted;
  }

  Text browseFolder(const Text& title) override {
    HRESULT com = win::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    char display[MAX_PATH] = {};
    BROWSEINFOA browse{};
    browse.hwndOwner = GetActiveWindow();
    browse.pidlRoot = nullptr;   // the desktop
    browse.pszDisplayName = display;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX;
    Text folder;
    if (LPITEMIDLIST item = win::SHBrowseForFolderA(&browse)) {
      char path[MAX_PATH] = {};
      if (win::SHGetPathFromIDListA(item, path)) folder = path;
      win::CoTaskMemFree(item);
    }
    if (SUCCEEDED(com)) win::CoUninitialize();
    return folder;
  }

  void endProcess(int exitCode) override { ExitProcess(static_cast<UINT>(exitCode)); }
};

ModalSeam* installedSeam = nullptr;

}  // namespace

ModalSeam& modalSeam() {
  static SystemSeam system;
  return installedSeam != nullptr ? *installedSeam : system;
}

void setModalSeam(ModalSeam* seam) { installedSeam = seam; }

int messageBox(const Text& text, const Text& caption, unsigned flags) {
  return modalSeam().messageBox(text, caption.empty() ? kDefaultCaption : caption, flags);
}

bool inputBox(const Text& prompt, const Text& caption, const Text& initial, Text& typed) {
  return modalSeam().inputBox(prompt, caption, initial, typed);
}

Text browseFolder(const Text& title) { return modalSeam().browseFolder(title); }

}  // namespace fw
