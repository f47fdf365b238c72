// The local time as the program sees it; tests set a fixed clock so that
// dated log lines can be compared exactly.
#pragma once

#include <windows.h>

#include <functional>

SYSTEMTIME LocalNow();

// An empty function returns to the system clock.
void SetClock(std::function<SYSTEMTIME()> clock);
