// Form layouts are kept in twips, as they were designed; windows are placed
// in pixels. Every conversion between the two goes through here so that all
// forms agree on the screen's resolution.
#pragma once

#include <cmath>

// Pure forms, given the twips-per-pixel ratio, so layouts can be checked
// at any resolution without a screen. Results are rounded to the nearest.
inline int TwipsToPixels(double twips, double twipsPerPixel) {
  return static_cast<int>(std::lround(twips / twipsPerPixel));
}
inline double PixelsToTwips(int px, double twipsPerPixel) { return px * twipsPerPixel; }

// 1440 divided by the screen's logical pixels per inch (15 at 96 DPI).
double TwipsPerPixelX();
double TwipsPerPixelY();

int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);
double PixelsToTwipsX(int px);
double PixelsToTwipsY(int px);

// The logical font height (negative: character height) of a point size on
// the screen, as CreateFont wants it; `points` may have a fraction (8.25).
int PointsToFontHeight(double points);
