#include "tests/support/RenamedFont.h"

#include "tests/support/FontWriter.h"

namespace testfont {
namespace {
uint32_t Read32(std::span<const uint8_t> b, size_t at) {
  return uint32_t(b[at]) << 24 | uint32_t(b[at + 1]) << 16 | uint32_t(b[at + 2]) << 8 | b[at + 3];
}

void Write32(std::vector<uint8_t>& b, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(value >> (24 - 8 * i));
}
}  // namespace

std::vector<uint8_t> RenameFont(std::span<const uint8_t> font, const std::u16string& family,
                                const std::u16string& fullName) {
  if (font.size() < 12) return {};
  const size_t tables = size_t(font[4]) << 8 | font[5];
  if ((font.size() - 12) / 16 < tables) return {};

  FontLayout layout;
  std::u16string postScript;
  for (char16_t c : family) if (c != u' ') postScript += c;
  layout.names = {Name(1, family), Name(2, u"Regular"), Name(4, fullName), Name(6, postScript)};
  const std::vector<uint8_t> naming = WriteNamingTable(layout);

  std::vector<uint8_t> out(font.begin(), font.end());
  while (out.size() % 4) out.push_back(0);
  for (size_t i = 0; i < tables; ++i) {
    const size_t entry = 12 + 16 * i;
    if (Read32(font, entry) != 0x6E616D65) continue;  // 'name'
    // The new table goes at the end; the old one stays unused.
    Write32(out, entry + 8, static_cast<uint32_t>(out.size()));
    Write32(out, entry + 12, static_cast<uint32_t>(naming.size()));
    out.insert(out.end(), naming.begin(), naming.end());
    while (out.size() % 4) out.push_back(0);
    return out;
  }
  return {};
}

}  // namespace testfont
