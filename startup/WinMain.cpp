// letloom.exe: the entry routine, then, in view mode, the message loop for as
// long as the viewer window lives.
#include <windows.h>

#include "startup/ext.h"
#include "startup/generic32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  if (LetterloomEntry(commandLine ? commandLine : "", ModuleFolder()) != EntryOutcome::ViewerOpen) {
    return 0;
  }
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
