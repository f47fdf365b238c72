// A real font under a new name: the glyphs of an existing font file with a
// naming table of the test's choice, so a test can have a font that no
// system knows, which the graphics system still loads and draws.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace testfont {

// The font's bytes with its naming table replaced by one holding the
// family (id 1), "Regular" (id 2), the full name (id 4) and a PostScript
// name (id 6). Empty when the bytes have no naming table entry.
std::vector<uint8_t> RenameFont(std::span<const uint8_t> font, const std::u16string& family,
                                const std::u16string& fullName);

}  // namespace testfont
