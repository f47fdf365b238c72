#include "fontfile/FindInstalledFont.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "startup/Session.h"
#include "startup/Win32Handles.h"
#include "startup/generic32.h"

namespace {
// The value's data as text up to its first NUL, however long it is: fonts
// installed for one user are registered with full paths, which can be long.
std::optional<std::string> QueryText(HKEY key, const std::string& name) {
  if (!key) return std::nullopt;
  for (int attempt = 0; attempt < 3; ++attempt) {
    DWORD size = 0;
    if (RegQueryValueExA(key, name.c_str(), nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    std::vector<char> data(size + 1, '\0');
    DWORD got = size;
    const LONG result = RegQueryValueExA(key, name.c_str(), nullptr, nullptr,
                                         reinterpret_cast<BYTE*>(data.data()), &got);
    if (result == ERROR_MORE_DATA) continue;  // the value grew in between: ask again
    if (result != ERROR_SUCCESS) return std::nullopt;
    data[std::min<DWORD>(got, size)] = '\0';
    return std::string(data.data());
  }
  return std::nullopt;
}
}  // namespace

std::string FindInstalledFont(const std::string& title) {
  ScopedKey key;
  // When the key cannot be opened every query fails and the font counts as not installed.
  RegOpenKeyExA(HKEY_LOCAL_MACHINE, gFontsKey.c_str(), 0, KEY_READ, key.receive());
  for (const char* suffix : {" (TrueType)", " (True Type)", ""}) {
    if (auto file = QueryText(key.get(), title + suffix)) return LowerCase(*file);
  }
  return "unknown";
}
