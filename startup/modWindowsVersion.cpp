#include "startup/modWindowsVersion.h"

#include <windows.h>

WindowsVersionInfo QueryWindowsVersion() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#endif
  if (!GetVersionExA(&info)) return {};
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
  return {true, info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}

bool IsWin95() { return IsWin95(QueryWindowsVersion()); }
bool IsWin98() { return IsWin98(QueryWindowsVersion()); }
bool IsNT4() { return IsNT4(QueryWindowsVersion()); }
bool IsWin2000() { return IsWin2000(QueryWindowsVersion()); }
bool IsNTFamily() { return IsNTFamily(QueryWindowsVersion()); }

std::string WindowsVersionText() { return WindowsVersionText(QueryWindowsVersion()); }
