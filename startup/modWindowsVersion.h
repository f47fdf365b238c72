// Windows version tests against what the running system reports. Each test
// asks the system afresh; nothing is cached.
#pragma once

#include <string>

#include "startup/TextRules.h"

// GetVersionExA; `known` is false when the call fails.
WindowsVersionInfo QueryWindowsVersion();

bool IsWin95();
bool IsWin98();
bool IsNT4();
bool IsWin2000();
bool IsNTFamily();
// "Windows 2000", "Windows NT 4.0", "Windows 98", "Windows 95" or "".
std::string WindowsVersionText();
