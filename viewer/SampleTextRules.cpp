#include "viewer/SampleText.h"

namespace {
// Calls `lineBreak` for each CR LF, CR or LF and `character` for the rest.
template <typename OnBreak, typename OnCharacter>
void SplitLines(std::string_view text, OnBreak lineBreak, OnCharacter character) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lineBreak();
    } else {
      character(c);
    }
  }
}
}  // namespace

std::string JoinedLines(std::string_view content) {
  std::string joined;
  SplitLines(content, [] {}, [&](char c) { joined += c; });
  return joined;
}

std::string OneSettingsLine(std::string_view text) {
  std::string line;
  SplitLines(text, [&] { line += ' '; }, [&](char c) { line += c; });
  return line;
}
