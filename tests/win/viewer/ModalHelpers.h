// Driving a window that runs its own modal loop: a thread timer fires inside
// that loop, finds the window and acts as the user would.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// The top-level window of this thread with exactly this caption; null if none.
inline HWND ThreadWindowCaptioned(const std::string& caption) {
  struct Search {
    const std::string* caption;
    HWND found;
  } search{&caption, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM param) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(param);
        char text[128] = {};
        GetWindowTextA(w, text, sizeof text);
        if (*s.caption != text) return TRUE;
        s.found = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Once `run` starts its loop, calls `act` with the window captioned `caption`
// (once). Returns the window acted on, or null when it never appeared.
inline HWND ActInModalLoop(const std::string& caption, const std::function<void(HWND)>& act,
                           const std::function<void()>& run) {
  static const std::string* wanted = nullptr;
  static const std::function<void(HWND)>* action = nullptr;
  static HWND actedOn = nullptr;
  wanted = &caption;
  action = &act;
  actedOn = nullptr;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
    HWND window = ThreadWindowCaptioned(*wanted);
    if (!window || actedOn) return;
    KillTimer(nullptr, id);
    actedOn = window;
    (*action)(window);
  });
  if (!timer) return nullptr;
  run();
  KillTimer(nullptr, timer);
  return actedOn;
}

// A key pressed in the window, at its focused control as the keyboard would.
inline void PressKey(HWND window, WPARAM key) {
  HWND focus = GetFocus();
  PostMessageA(focus ? focus : window, WM_KEYDOWN, key, 0);
}
