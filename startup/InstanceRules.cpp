#include "startup/InstanceRules.h"

namespace {
bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}
}  // namespace

WindowMarks MarksOf(std::string_view className, std::string_view caption,
                    std::string_view markerClass) {
  WindowMarks marks;
  marks.marker = Contains(caption, kMarkerCaption) && className == markerClass &&
                 !Contains(caption, "Microsoft");
  marks.printWindow = Contains(caption, "Letterloom") && Contains(caption, "Print");
  marks.installWindow = Contains(caption, "Letterloom") && Contains(caption, "Install");
  marks.limitNotice = Contains(caption, kLimitNoticeTitle);
  return marks;
}

std::string LimitNoticeText(int instanceCount) {
  return "No more than 20 copies of Letterloom can be loaded at once.\r\rPlease shut down other "
         "copies. - " +
         std::to_string(instanceCount);
}
