// How one top-level window counts when instances look at each other: they
// see one another only through window class names and captions.
#pragma once

#include <string>
#include <string_view>

struct WindowMarks {
  bool marker = false;         // another (or this) instance's marker window
  bool printWindow = false;    // caption holds "Letterloom" and "Print"
  bool installWindow = false;  // caption holds "Letterloom" and "Install"
  bool limitNotice = false;    // a refused instance's notice is on screen
};

inline constexpr char kMarkerCaption[] = "Letterloom Thingy";
inline constexpr char kLimitNoticeTitle[] = "Letterloom Loader X";
inline constexpr int kInstanceLimit = 20;

// All tests are case-sensitive substring searches.
WindowMarks MarksOf(std::string_view className, std::string_view caption,
                    std::string_view markerClass);

std::string LimitNoticeText(int instanceCount);
