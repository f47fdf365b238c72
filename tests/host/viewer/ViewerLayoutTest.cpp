#include <gtest/gtest.h>

#include <cmath>

#include "viewer/ViewerLayout.h"

namespace {

using namespace viewer_layout;

TEST(FrameLayout, KeepsTheButtonRowAndTabStripMargins) {
  const struct { double width, height; } sizes[] = {{5280, 7300}, {9000, 12000}, {5281.5, 7307.5}};
  for (const auto& s : sizes) {
    const FramePlacement p = LayoutFrame(s.width, s.height);
    SCOPED_TRACE(s.width);
    EXPECT_EQ(p.buttonTop + kButtonHeight + kBottomMargin, std::round(s.height));
    EXPECT_EQ(p.buttonTop - (kTabTop + p.tabHeight), kAboveButtons);
    EXPECT_EQ(p.closeLeft + kCloseWidth + kRightMargin, s.width);
    EXPECT_EQ(kTabLeft + p.tabWidth + kRightMargin, s.width);
  }
}

TEST(FrameLayout, TinyWindowGivesNoNegativeSizes) {
  const FramePlacement p = LayoutFrame(100, 200);
  EXPECT_EQ(p.tabWidth, 0);
  EXPECT_EQ(p.tabHeight, 0);
  EXPECT_EQ(p.closeLeft, 0);
  EXPECT_EQ(p.buttonTop, 0);
}

TEST(Page1Layout, FollowsThePageFrame) {
  // A frame of 5310 x 5745 twips at 15 twips per pixel.
  const Page1Placement p = LayoutPage1(5310, 5745, 2265, 15);
  EXPECT_EQ(p.boxWidth, 5190);
  EXPECT_EQ(p.ruleRight, 5250);
  EXPECT_EQ(p.upperRuleLow, 855);
  EXPECT_EQ(p.lowerRuleLow, 1755);
  EXPECT_EQ(p.statusWidth, 5310 - 2265);
  EXPECT_EQ(p.scrollLeft, 5250 - 2745);  // right-aligned with the sample box
  EXPECT_EQ(p.rowTop, 5745 - 530);
  EXPECT_EQ(p.sampleHeight, 5745 - 530 - 4260 - 100);
}

TEST(Page1Layout, SmallFrameGivesNoNegativeHeight) {
  const Page1Placement p = LayoutPage1(50, 1000, 2010, 15);
  EXPECT_EQ(p.boxWidth, 0);
  EXPECT_EQ(p.sampleHeight, 0);
  EXPECT_EQ(p.statusWidth, 0);
}

TEST(SettingsValues, WindowSizeHasAFloorAndSlidersARange) {
  const struct { int stored, width, height, slider; } cases[] = {
      {0, 5400, 8000, 8},        {5399, 5400, 8000, 72},  {5400, 5400, 8000, 72},
      {8000, 8000, 8000, 72},    {12000, 12000, 12000, 72}, {-32768, 5400, 8000, 8},
      {18, 5400, 8000, 18},      {7, 5400, 8000, 8},      {73, 5400, 8000, 72},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    EXPECT_EQ(WindowWidthFromSetting(c.stored), c.width);
    EXPECT_EQ(WindowHeightFromSetting(c.stored), c.height);
    EXPECT_EQ(SliderValueFromSetting(c.stored), c.slider);
  }
}

TEST(TrackLimits, MinimumIsTheDesignMinimumInWholePixels) {
  EXPECT_EQ(TrackLimitsFor(15, 15, 1280, 1024).minWidth, 360);
  EXPECT_EQ(TrackLimitsFor(15, 15, 1280, 1024).minHeight, 533);
  // 120 DPI: 12 twips per pixel.
  EXPECT_EQ(TrackLimitsFor(12, 12, 1600, 1200).minWidth, 450);
  EXPECT_EQ(TrackLimitsFor(12, 12, 1600, 1200).minHeight, 666);
  // A ratio just off a whole number is rounded before the division.
  EXPECT_EQ(TrackLimitsFor(14.99, 14.99, 1280, 1024).minWidth, 360);
  const TrackLimits screen = TrackLimitsFor(15, 15, 1920, 1080);
  EXPECT_EQ(screen.maxWidth, 1920);
  EXPECT_EQ(screen.maxHeight, 1080);
}

TEST(PageLayoutFlags, ResizeLaysOutTheCurrentPageOnlyAndTabClicksKeepTheFlags) {
  PageLayoutFlags flags;
  for (int page = 1; page <= 6; ++page) EXPECT_TRUE(flags.Pending(page));
  flags.Resized(1);
  EXPECT_FALSE(flags.Pending(1));
  for (int page = 2; page <= 6; ++page) EXPECT_TRUE(flags.Pending(page));
  flags.Resized(3);  // the window resized while page 3 is on show
  EXPECT_TRUE(flags.Pending(1));
  EXPECT_FALSE(flags.Pending(3));
  EXPECT_FALSE(flags.Pending(0));
  EXPECT_FALSE(flags.Pending(7));
}

}  // namespace
