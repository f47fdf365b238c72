// Text rules of start-up that need no Windows: the command line, number
// text, path parts and the integer form of settings values.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Trims spaces (only spaces) at both ends.
std::string Trim(std::string_view text);

// ASCII upper case; the switches and file names compared this way are ASCII.
std::string UpperAscii(std::string_view text);

// Trims spaces, then drops one leading and then one trailing double quote.
// Nothing else is unquoted, so two quoted paths stay one (invalid) path.
std::string StripQuotes(std::string_view text);

enum class LaunchMode { NoArgument, View, Print, Install, BothSwitches };

struct CommandLine {
  LaunchMode mode = LaunchMode::NoArgument;
  std::string file;  // the font file named; empty for NoArgument and BothSwitches
};

// Switches are found anywhere in the text, in any letter case. With one
// switch, the file is the text after its first two characters, so the
// switch is expected in front.
CommandLine ParseCommandLine(std::string_view text);

// Decimal text with a leading blank when the number is not negative
// (" 18", "-3"), the form the settings file and several labels use.
std::string NumberText(long long value);

// The text after the last backslash; all of it when there is none.
std::string FileNamePart(std::string_view path);

// True unless the path's last 11 characters, in any letter case, are
// LETLOOM.EXE; a longer name ending so counts as the program's own.
bool ExeNameDiffers(std::string_view modulePath);

// A settings value read as a 16-bit integer the way the profile functions
// read integers: leading blanks, an optional sign, then digits up to the
// first non-digit; no digits gives 0. Values outside the 16-bit range are
// saturated rather than wrapped, so an odd value never stops the program.
std::int16_t ParseIniInt(std::string_view text);

// Windows version as GetVersionExA reports it; `known` is false when the
// call failed, which makes every test false.
struct WindowsVersionInfo {
  bool known = false;
  unsigned long platform = 0;  // 1 Windows 95/98, 2 NT
  unsigned long major = 0;
  unsigned long minor = 0;
};

bool IsWin95(const WindowsVersionInfo& v);
bool IsWin98(const WindowsVersionInfo& v);
bool IsNT4(const WindowsVersionInfo& v);
bool IsWin2000(const WindowsVersionInfo& v);
// Every NT-platform system from NT 4.0 on, current ones included: they all
// keep installed fonts under the NT key.
bool IsNTFamily(const WindowsVersionInfo& v);
std::string WindowsVersionText(const WindowsVersionInfo& v);

inline constexpr char kNTFontsKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
inline constexpr char kWin9xFontsKey[] = "software\\microsoft\\windows\\currentversion\\fonts";
std::string FontsKeyFor(const WindowsVersionInfo& v);
