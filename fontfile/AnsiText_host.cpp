// Windows-1252, as the Windows code page maps it: Latin-1 plus the
// typographic characters in 0x80-0x9F. The five bytes Windows leaves
// undefined there (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 control of
// the same number, as they do in Windows' own conversion.
#include "fontfile/AnsiText.h"

#include <array>
#include <cstdint>

namespace {

// Code points of the bytes 0x80-0x9F.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char ToCodePage(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == c) return static_cast<char>(0x80 + i);
  }
  return '?';
}

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

}  // namespace

std::string Utf16ToAnsi(std::u16string_view text) {
  // Never longer than the input: one byte per code unit at most.
  std::string out(text.size(), '\0');
  size_t length = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t u = text[i];
    if (u < 0x80) {
      out[length++] = static_cast<char>(u);
    } else if (IsHighSurrogate(u) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      // Every supplementary-plane character lies outside the code page.
      out[length++] = '?';
      ++i;
    } else if (IsHighSurrogate(u) || IsLowSurrogate(u)) {
      out[length++] = '?';
    } else {
      out[length++] = ToCodePage(u);
    }
  }
  out.resize(length);
  return out;
}
