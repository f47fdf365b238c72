#include "viewer/ViewerLayout.h"

#include <algorithm>
#include <cmath>

namespace viewer_layout {

namespace {
double NotNegative(double value) { return std::max(0.0, value); }
}  // namespace

FramePlacement LayoutFrame(double clientWidth, double clientHeight) {
  FramePlacement p{};
  p.tabWidth = NotNegative(clientWidth - (kTabLeft + kRightMargin));
  p.closeLeft = NotNegative(clientWidth - (kCloseWidth + kRightMargin));
  p.buttonTop = NotNegative(std::round(clientHeight - kButtonHeight - kBottomMargin));
  p.tabHeight = NotNegative(p.buttonTop - (kAboveButtons + kTabTop));
  return p;
}

Page1Placement LayoutPage1(double width, double height, double statusLeft,
                           double twipsPerPixelY) {
  Page1Placement p{};
  p.boxWidth = NotNegative(std::round(width - 2 * kSampleLeft));
  p.ruleRight = kSampleLeft + p.boxWidth;
  p.upperRuleLow = kUpperRuleTop + twipsPerPixelY;
  p.lowerRuleLow = kLowerRuleTop + twipsPerPixelY;
  p.statusWidth = NotNegative(std::round(width - statusLeft));
  p.scrollLeft = kSampleLeft + p.boxWidth - kScrollWidth;
  p.rowTop = NotNegative(std::round(height - (kPrintHeight + 150)));
  p.sampleHeight = NotNegative(p.rowTop - kSampleTop - 100);
  return p;
}

int WindowWidthFromSetting(int stored) { return std::max(stored, kMinWidth); }
int WindowHeightFromSetting(int stored) { return std::max(stored, kMinHeight); }
int SliderValueFromSetting(int stored) { return std::clamp(stored, kSliderMin, kSliderMax); }

TrackLimits TrackLimitsFor(double twipsPerPixelX, double twipsPerPixelY, int screenWidthPx,
                           int screenHeightPx) {
  const auto perPixelX = std::max<long>(1, std::lround(twipsPerPixelX));
  const auto perPixelY = std::max<long>(1, std::lround(twipsPerPixelY));
  TrackLimits t{};
  t.minWidth = static_cast<std::int32_t>(kMinWidth / perPixelX);
  t.minHeight = static_cast<std::int32_t>(kMinHeight / perPixelY);
  // The screen in twips divided by twips per pixel: the screen in pixels.
  t.maxWidth = screenWidthPx;
  t.maxHeight = screenHeightPx;
  return t;
}

}  // namespace viewer_layout
