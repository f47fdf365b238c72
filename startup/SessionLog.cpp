#include "startup/SessionLog.h"

#include "startup/Clock.h"
#include "startup/Session.h"
#include "startup/Win32Handles.h"
#include "startup/generic32.h"

bool gLogging = false;
std::string gLogFile;

std::string DateTimeText(const SYSTEMTIME& when) {
  char date[128] = {};
  char time[128] = {};
  if (!GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &when, nullptr, date, sizeof date)) date[0] = 0;
  if (!GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &when, nullptr, time, sizeof time)) time[0] = 0;
  return std::string(date) + " " + time;
}

namespace {
// The open log file, written by WriteLog while the log is open.
ScopedHandle& LogFile() {
  static ScopedHandle file;
  return file;
}

void WriteLine(std::string_view line) {
  std::string text(line);
  text += "\r\n";
  DWORD written = 0;
  WriteFile(LogFile().get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}
}  // namespace

void OpenLog() {
  gLogging = ReadIniString("Letloom", "Logging", "0", gIniFile) == "1";
  if (!gLogging) return;
  gLogFile = gProgramFolder + "\\ltlog.txt";
  // Other instances may read it, but only one writes it.
  LogFile().reset(CreateFileA(gLogFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!LogFile()) {
    gLogging = false;  // go on without a log
    return;
  }
  SetLogSink(WriteLine);
  WriteLog("Letterloom started " + DateTimeText(LocalNow()));
  WriteLog(std::string("Version = ") + kVersionText);
}

void CloseLog() {
  if (!gLogging || !LogFile()) return;
  WriteLog("Letterloom shutdown " + DateTimeText(LocalNow()));
  AbandonLog();
}

void AbandonLog() {
  SetLogSink({});
  LogFile().reset();
}
