// Small helpers shared by the font-file tests.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "startup/LogLine.h"

// Collects the session-log lines written while it lives.
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

// A fresh folder for one test's files, removed with everything in it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string Path(std::string_view name) const { return (path_ / name).string(); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};
