#include "startup/Clock.h"

#include <utility>

namespace {
std::function<SYSTEMTIME()>& Clock() {
  static std::function<SYSTEMTIME()> clock;
  return clock;
}
}  // namespace

SYSTEMTIME LocalNow() {
  if (auto& clock = Clock()) return clock();
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return now;
}

void SetClock(std::function<SYSTEMTIME()> clock) { Clock() = std::move(clock); }
