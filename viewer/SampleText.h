// The user's sample text, kept in "sample.txt" beside the executable from
// one run to the next, and its one-line form for the settings file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The file's lines without their line breaks, joined with nothing between
// them; nothing when the file cannot be read.
std::optional<std::string> ReadSampleText(const std::string& path);

// Writes the text and one CR LF to a new file beside `path`, and only when
// that worked replaces the old file with it, so a failed write (a full disk,
// a read-only folder) leaves the user's last text in place. False when the
// file was not replaced.
bool WriteSampleText(const std::string& path, const std::string& text);

// The text read back from a file's content: every line break (CR LF, CR or
// LF) dropped.
std::string JoinedLines(std::string_view content);

// A settings value is one line: each line break becomes one blank.
std::string OneSettingsLine(std::string_view text);
