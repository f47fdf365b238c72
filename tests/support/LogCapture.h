// Collects the session-log lines written while it lives.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "startup/LogLine.h"

class LogCapture {
 public:
  LogCapture() {
    SetLogSink([this](std::string_view line) { lines.emplace_back(line); });
  }
  ~LogCapture() { SetLogSink({}); }
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;

  std::vector<std::string> lines;
};
