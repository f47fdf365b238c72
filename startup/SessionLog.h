// The optional log of one run, "ltlog.txt" beside the executable. It is on
// only when the settings file says Logging=1; it never reaches the user.
// Lines are written with WriteLog (startup/LogLine.h).
#pragma once

#include <windows.h>

#include <string>

#include "startup/LogLine.h"

inline constexpr char kVersionText[] = "2.62 - 7/9/2001";

extern bool gLogging;
extern std::string gLogFile;

// The system's short date, a space and its long time.
std::string DateTimeText(const SYSTEMTIME& when);

// Reads the setting and, when on, creates the log anew. A log file that
// cannot be created (held by another instance, read-only folder) leaves
// the run without a log.
void OpenLog();
// Writes the shutdown line and closes the file; nothing is logged after it.
void CloseLog();
// Closes the file without the shutdown line, for a run that stops at once.
void AbandonLog();
