// Pictures drawn with one colour left see-through, and the bitmaps of the
// program's resources.
#pragma once

#include <windows.h>

// Draws the bitmap at (x, y) of the target in pixels; its pixels of the key
// colour leave the target's pixels showing. The bitmap must not be selected
// into another DC, and it is unchanged afterwards. Nothing is drawn when a
// GDI object cannot be made.
void DrawTransparentBitmap(HDC target, HBITMAP bitmap, int x, int y, COLORREF keyColour);

// A bitmap of the program's resources, by id or by name; null when missing.
// The caller owns it (ScopedBitmap). It is a DIB section, so its colours,
// the key colour among them, stay exact whatever the screen's depth.
HBITMAP LoadBitmapResource(int id);
HBITMAP LoadBitmapResource(const char* name);
