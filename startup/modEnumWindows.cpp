#include "startup/modEnumWindows.h"

#include <windows.h>

#include <string>

#include "startup/Form.h"
#include "startup/InstanceRules.h"
#include "startup/MessageBox.h"
#include "startup/Session.h"

bool gPrintWindowFound = false;
bool gInstallWindowFound = false;
bool gLimitNoticeFound = false;

namespace {
WindowMarks MarksOfWindow(HWND hwnd) {
  char className[260] = {};
  char caption[260] = {};
  GetClassNameA(hwnd, className, sizeof className);
  GetWindowTextA(hwnd, caption, sizeof caption);
  return MarksOf(className, caption, kFormClass);
}

BOOL CALLBACK CountInstances(HWND hwnd, LPARAM) {
  const WindowMarks marks = MarksOfWindow(hwnd);
  if (marks.marker) ++gInstanceCount;
  gPrintWindowFound = gPrintWindowFound || marks.printWindow;
  gInstallWindowFound = gInstallWindowFound || marks.installWindow;
  gLimitNoticeFound = gLimitNoticeFound || marks.limitNotice;
  return TRUE;
}

BOOL CALLBACK FindLimitNotice(HWND hwnd, LPARAM) {
  gLimitNoticeFound = gLimitNoticeFound || MarksOfWindow(hwnd).limitNotice;
  return gLimitNoticeFound ? FALSE : TRUE;
}
}  // namespace

void CountRunningInstances() {
  gInstanceCount = 0;
  gPrintWindowFound = gInstallWindowFound = gLimitNoticeFound = false;
  EnumWindows(CountInstances, 0);
}

bool EnforceInstanceLimit() {
  if (gInstanceCount <= kInstanceLimit) return false;
  // Another refused instance may be about to show its notice; one is enough.
  for (int i = 0; i < 10 && !gLimitNoticeFound; ++i) {
    EnumWindows(FindLimitNotice, 0);
    DoEvents();
  }
  if (!gLimitNoticeFound) {
    ShowMessage(LimitNoticeText(gInstanceCount), MB_OK | MB_ICONWARNING, kLimitNoticeTitle);
  }
  return true;
}
