#include "tests/win/support/WinTestSupport.h"

#include <fstream>
#include <sstream>

#include "startup/Clock.h"

MessageRecorder::MessageRecorder(int answer) {
  SetMessageHandler([this, answer](const MessageRequest& request) {
    messages_.push_back(request);
    return answer;
  });
}

MessageRecorder::~MessageRecorder() { SetMessageHandler({}); }

FixedClock::FixedClock(const SYSTEMTIME& when) {
  SetClock([when] { return when; });
}

FixedClock::~FixedClock() { SetClock({}); }

SYSTEMTIME MakeTime(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second,
                    WORD dayOfWeek) {
  SYSTEMTIME t{};
  t.wYear = year;
  t.wMonth = month;
  t.wDay = day;
  t.wDayOfWeek = dayOfWeek;
  t.wHour = hour;
  t.wMinute = minute;
  t.wSecond = second;
  return t;
}

SYSTEMTIME TestTime() { return MakeTime(2026, 12, 11, 14, 5, 9, 5); }

std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  std::vector<std::string> lines;
  std::string all = text.str();
  std::size_t start = 0;
  while (start < all.size()) {
    const auto end = all.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(all.substr(start));  // a last line without CR LF
      break;
    }
    lines.push_back(all.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

bool RunningUnderWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}
