#include "startup/TextRules.h"

#include <cctype>
#include <limits>

std::string Trim(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

std::string StripQuotes(std::string_view text) {
  std::string s = Trim(text);
  if (!s.empty() && s.front() == '"') s.erase(0, 1);
  if (!s.empty() && s.back() == '"') s.pop_back();
  return s;
}

CommandLine ParseCommandLine(std::string_view text) {
  if (text.empty()) return {LaunchMode::NoArgument, {}};
  const std::string upper = UpperAscii(text);
  const bool print = upper.find("/P") != std::string::npos;
  const bool install = upper.find("/I") != std::string::npos;
  if (print && install) return {LaunchMode::BothSwitches, {}};
  if (!print && !install) return {LaunchMode::View, StripQuotes(text)};
  const std::string_view rest = text.size() > 2 ? text.substr(2) : std::string_view{};
  return {print ? LaunchMode::Print : LaunchMode::Install, StripQuotes(Trim(rest))};
}

std::string NumberText(long long value) {
  std::string digits = std::to_string(value);
  return value < 0 ? digits : " " + digits;
}

std::string FileNamePart(std::string_view path) {
  const auto slash = path.rfind('\\');
  if (slash == std::string_view::npos) return std::string(path);
  return std::string(path.substr(slash + 1));
}

bool ExeNameDiffers(std::string_view modulePath) {
  constexpr std::string_view kOwnName = "LETLOOM.EXE";
  if (modulePath.size() < kOwnName.size()) return true;
  return UpperAscii(modulePath.substr(modulePath.size() - kOwnName.size())) != kOwnName;
}

std::int16_t ParseIniInt(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  constexpr long long kMax = std::numeric_limits<std::int16_t>::max();
  constexpr long long kMin = std::numeric_limits<std::int16_t>::min();
  long long value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > -kMin) value = -kMin;  // saturated: more digits change nothing
  }
  if (negative) value = -value;
  if (value > kMax) value = kMax;
  if (value < kMin) value = kMin;
  return static_cast<std::int16_t>(value);
}

bool IsWin95(const WindowsVersionInfo& v) {
  return v.known && v.platform == 1 && v.major == 4 && v.minor == 0;
}

bool IsWin98(const WindowsVersionInfo& v) {
  return v.known && ((v.platform == 1 && v.major > 4) || (v.major == 4 && v.minor > 0));
}

bool IsNT4(const WindowsVersionInfo& v) { return v.known && v.platform == 2 && v.major == 4; }

bool IsWin2000(const WindowsVersionInfo& v) { return v.known && v.platform == 2 && v.major == 5; }

bool IsNTFamily(const WindowsVersionInfo& v) { return v.known && v.platform == 2 && v.major >= 4; }

std::string WindowsVersionText(const WindowsVersionInfo& v) {
  // A later true test replaces an earlier text.
  std::string text;
  if (IsWin2000(v)) text = "Windows 2000";
  if (IsNT4(v)) text = "Windows NT 4.0";
  if (IsWin98(v)) text = "Windows 98";
  if (IsWin95(v)) text = "Windows 95";
  return text;
}

std::string FontsKeyFor(const WindowsVersionInfo& v) {
  return IsNTFamily(v) ? kNTFontsKey : kWin9xFontsKey;
}
