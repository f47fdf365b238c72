// Helpers for the Windows-side tests, which run the program's real code
// under Wine (or Windows) in-process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "startup/MessageBox.h"

// Answers every message box with `answer` and keeps what was asked, for as
// long as it lives.
class MessageRecorder {
 public:
  explicit MessageRecorder(int answer = IDOK);
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;
  const std::vector<MessageRequest>& messages() const { return messages_; }

 private:
  std::vector<MessageRequest> messages_;
};

// Gives the program a fixed local time for as long as it lives.
class FixedClock {
 public:
  explicit FixedClock(const SYSTEMTIME& when);
  ~FixedClock();
  FixedClock(const FixedClock&) = delete;
  FixedClock& operator=(const FixedClock&) = delete;
};

// A local time to the second.
SYSTEMTIME MakeTime(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second,
                    WORD dayOfWeek = 0);

// 2026-12-11 14:05:09, a Friday.
SYSTEMTIME TestTime();

// The lines of a CR LF text file; an empty list when it does not exist.
std::vector<std::string> ReadLines(const std::string& path);

// True when the program runs under Wine.
bool RunningUnderWine();
