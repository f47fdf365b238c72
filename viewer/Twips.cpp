#include "viewer/Twips.h"

#include <windows.h>

#include "startup/Win32Handles.h"

namespace {

// Without a screen DC the usual 96 DPI is the least surprising answer.
double ScreenTwipsPerPixel(int index) {
  ScopedGetDC screen(nullptr);
  int perInch = screen ? GetDeviceCaps(screen.get(), index) : 0;
  if (perInch <= 0) perInch = 96;
  return 1440.0 / perInch;
}

}  // namespace

double TwipsPerPixelX() {
  static const double ratio = ScreenTwipsPerPixel(LOGPIXELSX);
  return ratio;
}

double TwipsPerPixelY() {
  static const double ratio = ScreenTwipsPerPixel(LOGPIXELSY);
  return ratio;
}

int TwipsToPixelsX(double twips) { return TwipsToPixels(twips, TwipsPerPixelX()); }
int TwipsToPixelsY(double twips) { return TwipsToPixels(twips, TwipsPerPixelY()); }
double PixelsToTwipsX(int px) { return PixelsToTwips(px, TwipsPerPixelX()); }
double PixelsToTwipsY(int px) { return PixelsToTwips(px, TwipsPerPixelY()); }

int PointsToFontHeight(double points) {
  // A point is 20 twips.
  return -TwipsToPixelsY(points * 20.0);
}
