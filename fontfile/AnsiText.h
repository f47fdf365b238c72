// Text for the ANSI (narrow-character) Win32 interface the program uses.
#pragma once

#include <string>
#include <string_view>

// Converts UTF-16 text to the system's ANSI code page, one character for each
// code point (a surrogate pair is one code point). A character the code page
// cannot show becomes "?", never a look-alike. The Windows build asks the
// system for its code page; elsewhere Windows-1252 stands in for it.
std::string Utf16ToAnsi(std::u16string_view text);
