#include <gtest/gtest.h>

#include <windows.h>

#include "startup/Win32Handles.h"
#include "viewer/Twips.h"

namespace {

TEST(Twips, RoundToTheNearestPixel) {
  struct Case { double twips, ratio; int pixels; };
  const Case cases[] = {
      {0, 15, 0},      {4950, 15, 330}, {7, 15, 0},  {8, 15, 1},
      {22, 15, 1},     {23, 15, 2},     {4950, 12, 413},  // 120 DPI
      {-30, 15, -2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TwipsToPixels(c.twips, c.ratio), c.pixels) << c.twips << " at " << c.ratio;
  }
  EXPECT_DOUBLE_EQ(PixelsToTwips(330, 15), 4950);
}

TEST(Twips, ScreenRatioComesFromItsResolution) {
  ScopedGetDC screen(nullptr);
  const int dpiX = GetDeviceCaps(screen.get(), LOGPIXELSX);
  EXPECT_DOUBLE_EQ(TwipsPerPixelX(), 1440.0 / dpiX);
  EXPECT_EQ(TwipsToPixelsX(1440), dpiX);
  EXPECT_EQ(PointsToFontHeight(72), -TwipsToPixelsY(1440));
}

}  // namespace
