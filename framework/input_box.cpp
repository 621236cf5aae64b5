#include "framework/input_box.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace fw {
namespace {

constexpr int kPromptId = 100;
constexpr int kEditId = 101;
constexpr int kMargin = 12;
constexpr int kGap = 8;
constexpr int kPromptWidth = 360;
constexpr int kButtonWidth = 80;

struct InputBoxState {
  const Text* prompt;
  const Text* caption;
  const Text* initial;
  Text typed;
  HFONT font = nullptr;
};


HFONT createMessageFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    return CreateFontIndirectA(&metrics.lfMessageFont);
  }
  return nullptr;
}

HWND addControl(HWND dialog, const char* windowClass, const Text& text, DWORD exStyle, DWORD style,
                int id, HFONT font) {
  HWND control = CreateWindowExA(exStyle, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style,
                                 0, 0, 0, 0, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleA(nullptr), nullptr);
  if (font != nullptr) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

void layOut(HWND dialog, InputBoxState& state) {
  HDC dc = GetDC(dialog);
  HGDIOBJ font = state.font != nullptr ? state.font : GetStockObject(DEFAULT_GUI_FONT);
  HGDIOBJ previous = SelectObject(dc, font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  RECT promptRect{0, 0, kPromptWidth, 0};
  DrawTextA(dc, state.prompt->c_str(), static_cast<int>(state.prompt->size()), &promptRect,
            DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
  SelectObject(dc, previous);
  ReleaseDC(dialog, dc);

  const int lineHeight = static_cast<int>(metrics.tmHeight);
  const int width = std::max<int>(kPromptWidth, promptRect.right);
  const int promptHeight = std::max<int>(lineHeight, promptRect.bottom);
  const int editTop = kMargin + promptHeight + kGap;
  const int editHeight = lineHeight + 10;
  const int buttonTop = editTop + editHeight + kGap + 4;
  const int buttonHeight = lineHeight + 12;
  const int clientWidth = kMargin + width + kMargin;
  const int clientHeight = buttonTop + buttonHeight + kMargin;

  MoveWindow(GetDlgItem(dialog, kPromptId), kMargin, kMargin, width, promptHeight, FALSE);
  MoveWindow(GetDlgItem(dialog, kEditId), kMargin, editTop, width, editHeight, FALSE);
  MoveWindow(GetDlgItem(dialog, IDCANCEL), clientWidth - kMargin - kButtonWidth, buttonTop,
             kButtonWidth, buttonHeight, FALSE);
  MoveWindow(GetDlgItem(dialog, IDOK), clientWidth - kMargin - 2 * kButtonWidth - kGap, buttonTop,
             kButtonWidth, buttonHeight, FALSE);

  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_EXSTYLE)));
  const int frameWidth = frame.right - frame.left;
  const int frameHeight = frame.bottom - frame.top;
  SetWindowPos(dialog, nullptr, (GetSystemMetrics(SM_CXSCREEN) - frameWidth) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - frameHeight) / 2, frameWidth, frameHeight,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

Text windowText(HWND window) {
  int length = GetWindowTextLengthA(window);
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  int got = GetWindowTextA(window, buffer.data(), length + 1);
  return Text(buffer.data(), static_cast<std::size_t>(std::max(got, 0)));
}

INT_PTR CALLBACK inputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrA(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      state = reinterpret_cast<InputBoxState*>(lParam);
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      SetWindowTextA(dialog, state->caption->c_str());
      state->font = createMessageFont();
      addControl(dialog, "STATIC", *state->prompt, 0, SS_LEFT | SS_NOPREFIX, kPromptId, state->font);
      HWND edit = addControl(dialog, "EDIT", *state->initial, WS_EX_CLIENTEDGE,
                             WS_TABSTOP | ES_AUTOHSCROLL, kEditId, state->font);
      SendMessageA(edit, EM_LIMITTEXT, 0, 0);
      addControl(dialog, "BUTTON", "确定", 0, WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK, state->font);
      addControl(dialog, "BUTTON", "取消", 0, WS_TABSTOP | BS_PUSHBUTTON, IDCANCEL, state->font);
      layOut(dialog, *state);
      SendMessageA(edit, EM_SETSEL, 0, -1);
      SetFocus(edit);
      return FALSE;   // the focus is set
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        state->typed = windowText(GetDlgItem(dialog, kEditId));
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    case WM_DESTROY:
      if (state != nullptr && state->font != nullptr) {
        DeleteObject(state->font);
        state->font = nullptr;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

bool showInputBox(const Text& prompt, const Text& caption, const Text& initial, Text& typed) {
  // The template carries nothing but the frame (DLGTEMPLATE, then no menu, the
  // standard class and an empty title, all zero words): the controls are laid out
  // in pixels from the measured prompt, which may run over several lines.
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFOREGROUND;
  alignas(DWORD) WORD form[12] = {LOWORD(style), HIWORD(style)};
  InputBoxState state{&prompt, &caption, &initial, Text()};
  INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(form), nullptr,
                                           inputBoxProc, reinterpret_cast<LPARAM>(&state));
  if (result != IDOK) return false;
  typed = std::move(state.typed);
  return true;
}

}  // namespace fw
