// The viewer window's layout rules as arithmetic on twips, apart from any
// window, so that they can be checked on their own.
#pragma once

#include <array>
#include <cstdint>

namespace viewer_layout {

// Design places on the viewer window, in twips.
inline constexpr double kTabLeft = 60;
inline constexpr double kTabTop = 90;
inline constexpr double kButtonHeight = 380;
inline constexpr double kCloseWidth = 1200;
inline constexpr double kRightMargin = 60;    // cmdClose and the tab strip to the right edge
inline constexpr double kBottomMargin = 80;   // the button row to the bottom edge
inline constexpr double kAboveButtons = 150;  // the tab strip to the button row

// The window's smallest and default outer size, in twips.
inline constexpr int kMinWidth = 5400;
inline constexpr int kMinHeight = 8000;

// The point size sliders' range.
inline constexpr int kSliderMin = 8;
inline constexpr int kSliderMax = 72;

struct FramePlacement {
  double tabWidth;
  double tabHeight;
  double closeLeft;
  double buttonTop;  // cmdAbout, cmdHelp and cmdClose
};

// `clientWidth` and `clientHeight` are the window's inner size in twips,
// the height measured to the top of the status bar. Sizes never go below 0,
// so a window made very small (no size limit without the window procedure
// hook) lays out without negative sizes.
FramePlacement LayoutFrame(double clientWidth, double clientHeight);

// Page 1 (Font Sample) design places, in twips, relative to its frame.
inline constexpr double kSampleLeft = 60;
inline constexpr double kSampleTop = 4260;
inline constexpr double kPrintHeight = 380;
inline constexpr double kScrollWidth = 2745;
inline constexpr double kRuleLeft = 630;
inline constexpr double kUpperRuleTop = 840;  // lnBorder(4); lnBorder(5) a pixel below
inline constexpr double kLowerRuleTop = 1740;  // lnBorder(1); lnBorder(0) a pixel below

struct Page1Placement {
  double boxWidth;      // txtSample and txtCommon
  double ruleRight;     // right end of the four etched rules
  double upperRuleLow;  // lnBorder(5)
  double lowerRuleLow;  // lnBorder(0)
  double statusWidth;   // lblStatus and lblRegistry
  double scrollLeft;    // picScroll, right-aligned with the sample box
  double rowTop;        // cmdPrint, cmdInstall and picScroll
  double sampleHeight;  // txtSample
};

// `width` and `height` are the page frame's size, `statusLeft` the place
// lblStatus stands at (it moves with the install-state picture) and
// `twipsPerPixelY` the screen's.
Page1Placement LayoutPage1(double width, double height, double statusLeft,
                           double twipsPerPixelY);

// Window size and slider values as the settings file may hold them.
int WindowWidthFromSetting(int stored);
int WindowHeightFromSetting(int stored);
int SliderValueFromSetting(int stored);

struct TrackLimits {
  std::int32_t minWidth, minHeight, maxWidth, maxHeight;  // pixels
};

// The smallest size is the design minimum in whole pixels (twips per pixel
// rounded first, as integer division); the largest the screen.
TrackLimits TrackLimitsFor(double twipsPerPixelX, double twipsPerPixelY, int screenWidthPx,
                           int screenHeightPx);

// Which pages must be laid out when next shown. All start pending; a resize
// lays out the page on show and makes every other one pending; showing a
// page only reads the flag, so a page is laid out at each showing until the
// window is resized while it is on show.
class PageLayoutFlags {
 public:
  static constexpr int kPages = 6;
  PageLayoutFlags() { pending_.fill(true); }
  bool Pending(int page) const { return page >= 1 && page <= kPages && pending_[page - 1]; }
  void SetAll() { pending_.fill(true); }
  void Resized(int currentPage) {
    for (int i = 1; i <= kPages; ++i) pending_[i - 1] = (i != currentPage);
  }

 private:
  std::array<bool, kPages> pending_{};
};

}  // namespace viewer_layout
