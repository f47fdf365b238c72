// One line of the session log. Every part of the program writes through
// WriteLog; it does nothing until a sink is set (the Windows session log sets
// the log file, host tests set a collector).
#pragma once

#include <functional>
#include <string_view>

using LogSink = std::function<void(std::string_view line)>;

void WriteLog(std::string_view line);

// Replaces the sink; an empty sink switches logging off.
void SetLogSink(LogSink sink);
