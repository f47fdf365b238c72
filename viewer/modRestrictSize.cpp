#include "viewer/modRestrictSize.h"

#include <shellapi.h>

#include "viewer/modDragDrop.h"

std::int32_t gMinTrackWidth = 0;
std::int32_t gMinTrackHeight = 0;
std::int32_t gMaxTrackWidth = 0;
std::int32_t gMaxTrackHeight = 0;
WNDPROC gOldWndProc = nullptr;

namespace {
HWND gHookedWindow = nullptr;
}

void HookViewerWindow(HWND viewer) {
  if (gOldWndProc || !viewer) return;
  SetLastError(0);
  const LONG_PTR old = SetWindowLongPtrA(viewer, GWLP_WNDPROC,
                                         reinterpret_cast<LONG_PTR>(&ViewerWindowProc));
  if (old == 0 && GetLastError() != 0) return;  // not hooked: drops and limits go unhandled
  gOldWndProc = reinterpret_cast<WNDPROC>(old);
  gHookedWindow = viewer;
}

void UnhookViewerWindow() {
  if (!gOldWndProc) return;
  SetWindowLongPtrA(gHookedWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gOldWndProc));
  gOldWndProc = nullptr;
  gHookedWindow = nullptr;
}

LRESULT CALLBACK ViewerWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (hWnd != gHookedWindow || !gOldWndProc) return DefWindowProcA(hWnd, message, wParam, lParam);
  switch (message) {
    case WM_DROPFILES:
      HandleDroppedFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_GETMINMAXINFO: {
      // The maximised size and place stay as the system put them.
      auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
      limits->ptMinTrackSize = {gMinTrackWidth, gMinTrackHeight};
      limits->ptMaxTrackSize = {gMaxTrackWidth, gMaxTrackHeight};
      return 0;
    }
    default:
      return CallWindowProcA(gOldWndProc, hWnd, message, wParam, lParam);
  }
}
