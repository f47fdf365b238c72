#include "fontfile/AnsiText.h"

#include <windows.h>

#include <climits>

std::string Utf16ToAnsi(std::u16string_view text) {
  if (text.empty() || text.size() > static_cast<size_t>(INT_MAX)) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int wideLength = static_cast<int>(text.size());

  // Without WC_NO_BEST_FIT_CHARS the system swaps in look-alikes (an alpha
  // becomes "a"), which would show a name the font does not hold.
  DWORD flags = WC_NO_BEST_FIT_CHARS;
  const char* defaultChar = "?";
  int length = WideCharToMultiByte(CP_ACP, flags, wide, wideLength, nullptr, 0,
                                   defaultChar, nullptr);
  if (length == 0) {
    // A UTF-8 system code page takes neither the flag nor a default character;
    // it can show every character anyway.
    flags = 0;
    defaultChar = nullptr;
    length = WideCharToMultiByte(CP_ACP, flags, wide, wideLength, nullptr, 0,
                                 nullptr, nullptr);
    if (length == 0) return {};
  }
  std::string out(static_cast<size_t>(length), '\0');
  length = WideCharToMultiByte(CP_ACP, flags, wide, wideLength, out.data(),
                               length, defaultChar, nullptr);
  out.resize(static_cast<size_t>(length > 0 ? length : 0));
  return out;
}
