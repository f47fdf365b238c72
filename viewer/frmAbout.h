// The about box: the program's name and version, the maker's addresses, and
// the distribution and warranty terms, one tab each.
#pragma once

#include <windows.h>

// Modal over `owner` (which may be null); returns when the box is closed.
void ShowAboutBox(HWND owner);

// Creates the box hidden and returns at once, for tests: the caller owns the
// window and closes it with its OK button or DestroyWindow. Null on failure.
HWND CreateAboutBox(HWND owner);
