#include "startup/Form.h"

bool RegisterFormClass() {
  static const bool registered = [] {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = Form::Procedure;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kFormClass;
    return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered;
}

Form::~Form() { Unload(); }

void Form::Unload() {
  if (hwnd_) DestroyWindow(hwnd_);  // WM_NCDESTROY clears hwnd_
}

bool Form::CreateForm(const char* caption, DWORD style, DWORD exStyle, int x, int y, int width,
                      int height, HWND owner) {
  if (hwnd_ || !RegisterFormClass()) return false;
  // Procedure attaches this object at WM_NCCREATE, so the form sees every
  // message from then on, WM_CREATE included.
  return CreateWindowExA(exStyle, kFormClass, caption, style, x, y, width, height, owner, nullptr,
                         GetModuleHandleA(nullptr), this) != nullptr;
}

LRESULT Form::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Form::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    if (created) {
      created->hwnd_ = hwnd;
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
  }
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!form) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    const LRESULT result = form->OnMessage(message, wParam, lParam);
    form->hwnd_ = nullptr;
    return result;
  }
  return form->OnMessage(message, wParam, lParam);
}

void DoEvents() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the message loop
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}
