#include "startup/LogLine.h"

#include <utility>

namespace {
LogSink& Sink() {
  static LogSink sink;
  return sink;
}
}  // namespace

void WriteLog(std::string_view line) {
  if (auto& sink = Sink()) sink(line);
}

void SetLogSink(LogSink sink) { Sink() = std::move(sink); }
