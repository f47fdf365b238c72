// The viewer window's own window procedure, put in front of the one it was
// made with: it takes files dropped from the shell and keeps the window
// between its smallest size and the screen.
#pragma once

#include <windows.h>

#include <cstdint>

// Size limits in pixels, set by the viewer's load.
extern std::int32_t gMinTrackWidth;
extern std::int32_t gMinTrackHeight;
extern std::int32_t gMaxTrackWidth;
extern std::int32_t gMaxTrackHeight;

// The procedure that was in place before the hook; null while not hooked.
extern WNDPROC gOldWndProc;

void HookViewerWindow(HWND viewer);
// Puts the old procedure back; does nothing when not hooked.
void UnhookViewerWindow();

LRESULT CALLBACK ViewerWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
