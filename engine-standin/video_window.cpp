#include "video_window.h"

#include <algorithm>

#include "engine.h"

namespace standin {
namespace {

constexpr char kClassName[] = "StandInEngineVideo";
constexpr UINT kDeliverMessage = WM_APP + 0x5A1;
constexpr UINT kRunMessage = WM_APP + 0x5A2;

HINSTANCE thisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&thisModule), &module);
  return module;
}

Engine* engineOf(HWND window) {
  return reinterpret_cast<Engine*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void paintInto(HDC screen, HWND window, Engine& engine) {
  RECT area;
  GetClientRect(window, &area);
  // Drawn off screen first, so the moving picture does not flicker.
  HDC buffer = CreateCompatibleDC(screen);
  HBITMAP canvas = CreateCompatibleBitmap(screen, std::max<LONG>(area.right, 1), std::max<LONG>(area.bottom, 1));
  HGDIOBJ previous = SelectObject(buffer, canvas);
  paintPicture(buffer, area, engine.picture());
  BitBlt(screen, 0, 0, area.right, area.bottom, buffer, 0, 0, SRCCOPY);
  SelectObject(buffer, previous);
  DeleteObject(canvas);
  DeleteDC(buffer);
}

void paintWindow(HWND window, Engine& engine) {
  PAINTSTRUCT paint;
  HDC screen = BeginPaint(window, &paint);
  paintInto(screen, window, engine);
  EndPaint(window, &paint);
}

LRESULT CALLBACK videoWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  Engine* engine = engineOf(window);
  if (!engine) return DefWindowProcA(window, message, wParam, lParam);

  switch (message) {
    case kDeliverMessage:
      engine->onDeliverMessage();
      return 0;
    case kRunMessage:
      (*reinterpret_cast<const std::function<void()>*>(lParam))();
      return 0;
    case WM_TIMER:
      if (wParam == kClockTimer) engine->onClockTick();
      if (wParam == kDiscoveryTimer) engine->onDiscoveryDone();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      paintWindow(window, *engine);
      return 0;
    case WM_PRINTCLIENT:
      paintInto(reinterpret_cast<HDC>(wParam), window, *engine);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS;
    case WM_LBUTTONDOWN:
      SetFocus(window);
      engine->forwardInput(message, wParam, lParam);
      return 0;
    case WM_RBUTTONDOWN:
      SetFocus(window);
      return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONUP:
    case WM_KEYDOWN:
    case WM_KEYUP:
      engine->forwardInput(message, wParam, lParam);
      return 0;
    case WM_SYSKEYDOWN:
      // Handed on as well, so Alt+F4 and the menu keys still reach the host.
      engine->forwardInput(message, wParam, lParam);
      break;
    case WM_NCDESTROY:
      engine->onWindowDestroyed();
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool registerClass() {
  static const bool registered = [] {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = videoWindowProc;
    windowClass.hInstance = thisModule();
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered;
}

}  // namespace

HWND createVideoWindow(Engine& engine, HWND parent, int x, int y, int width, int height) {
  if (!IsWindow(parent) || !registerClass()) return nullptr;
  return CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, x, y, width,
                         height, parent, nullptr, thisModule(), &engine);
}

void postDeliver(HWND window) {
  if (window) PostMessageA(window, kDeliverMessage, 0, 0);
}

void runInWindow(HWND window, const std::function<void()>& work) {
  if (window && IsWindow(window)) {
    SendMessageA(window, kRunMessage, 0, reinterpret_cast<LPARAM>(&work));
  } else {
    work();
  }
}

void repaint(HWND window) {
  if (window) InvalidateRect(window, nullptr, FALSE);
}

}  // namespace standin
