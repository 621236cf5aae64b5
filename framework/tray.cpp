#include "framework/tray.h"

#include <cstdint>
#include <cstring>
#include <map>

#include "framework/tray_internal.h"
#include "framework/window.h"
#include "framework/windows_routines.h"

namespace fw {

namespace {

constexpr UINT kTrayCallback = kTrayCallbackMessage;
constexpr UINT kTrayId = 1;

struct TrayIcon {
  HICON icon = nullptr;
  Text tip;
};

// Per window: kept for the whole process, like the windows' registry.
std::map<const Window*, TrayIcon>& icons() {
  static auto* instance = new std::map<const Window*, TrayIcon>;
  return *instance;
}

UINT taskbarCreatedMessage() {
  static UINT message = RegisterWindowMessageA("TaskbarCreated");
  return message;
}

bool notify(DWORD action, HWND hwnd, const TrayIcon& tray) {
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof data;
  data.hWnd = hwnd;
  data.uID = kTrayId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kTrayCallback;
  data.hIcon = tray.icon;
  std::strncpy(data.szTip, tray.tip.c_str(), sizeof data.szTip - 1);
  return win::Shell_NotifyIconA(action, &data) != FALSE;
}

uint32_t readU32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }
uint16_t readU16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

}  // namespace

HICON iconFromIcoFile(PictureBytes ico, int size) {
  if (ico.size() < 6 || readU16(&ico[0]) != 0 || readU16(&ico[2]) != 1) return nullptr;
  const std::size_t count = readU16(&ico[4]);
  if (ico.size() < 6 + count * 16) return nullptr;
  std::size_t best = count;
  int bestScore = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const unsigned char* entry = &ico[6 + i * 16];
    const int width = entry[0] == 0 ? 256 : entry[0];
    const uint32_t length = readU32(entry + 8);
    const uint32_t offset = readU32(entry + 12);
    if (offset > ico.size() || length > ico.size() - offset) continue;
    // The exact size first, then the smallest larger one, then the largest smaller.
    const int score = width == size ? 1 << 20 : width > size ? (1 << 19) - width : width;
    if (best == count || score > bestScore) {
      best = i;
      bestScore = score;
    }
  }
  if (best == count) return nullptr;
  const unsigned char* entry = &ico[6 + best * 16];
  const uint32_t length = readU32(entry + 8);
  const uint32_t offset = readU32(entry + 12);
  return CreateIconFromResourceEx(const_cast<PBYTE>(&ico[offset]), length, TRUE, 0x00030000, size, size,
                                  LR_DEFAULTCOLOR);
}

bool setTrayIcon(Window& window, PictureBytes icoFile, const Text& tip) {
  if (window.handle() == nullptr) return false;
  taskbarCreatedMessage();
  HICON icon = iconFromIcoFile(icoFile, GetSystemMetrics(SM_CXSMICON));
  auto& all = icons();
  auto it = all.find(&window);
  if (it == all.end()) {
    TrayIcon tray{icon, tip};
    if (!notify(NIM_ADD, window.handle(), tray)) {
      if (icon != nullptr) DestroyIcon(icon);
      return false;
    }
    all.emplace(&window, tray);
    return true;
  }
  HICON old = it->second.icon;
  it->second = TrayIcon{icon, tip};
  const bool done = notify(NIM_MODIFY, window.handle(), it->second);
  if (old != nullptr) DestroyIcon(old);
  return done;
}

void removeTrayIcon(Window& window) { forgetTrayIcon(window); }

bool hasTrayIcon(const Window& window) { return icons().count(&window) != 0; }

void forgetTrayIcon(Window& window) {
  auto& all = icons();
  auto it = all.find(&window);
  if (it == all.end()) return;
  if (window.handle() != nullptr) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = window.handle();
    data.uID = kTrayId;
    win::Shell_NotifyIconA(NIM_DELETE, &data);
  }
  if (it->second.icon != nullptr) DestroyIcon(it->second.icon);
  all.erase(it);
}

bool handleTrayMessage(Window& window, UINT message, WPARAM, LPARAM lParam) {
  if (message == kTrayCallback) {
    int type = 0;
    switch (static_cast<UINT>(lParam)) {
      case WM_LBUTTONUP: type = kTrayLeftUp; break;
      case WM_LBUTTONDBLCLK: type = kTrayLeftDoubleClick; break;
      case WM_RBUTTONUP:
      case WM_CONTEXTMENU: type = kTrayRightUp; break;
      default: break;
    }
    if (type != 0) window.description().onTrayEvent(type);
    return true;
  }
  if (message != 0 && message == taskbarCreatedMessage()) {
    auto it = icons().find(&window);
    if (it != icons().end()) notify(NIM_ADD, window.handle(), it->second);
    return true;
  }
  return false;
}

}  // namespace fw
