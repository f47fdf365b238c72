// Writes the fuzzer's seed corpus: small fonts and resource files from the
// test writer, and the installed fonts cut down to their offset table,
// directory and naming table (the rest is never read, and a whole font is
// far longer than the fuzzer's inputs).
//
//   fontfile_fuzz_seeds <output folder> [font folder...]
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "fontfile/cTrueTypeInfo.h"
#include "tests/support/FontWriter.h"

namespace fs = std::filesystem;
using namespace testfont;

namespace {

int gWritten = 0;

void Save(const fs::path& folder, const std::string& name, const std::vector<uint8_t>& bytes) {
  if (SaveBytes((folder / name).string(), bytes)) ++gWritten;
}

void Set32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (24 - 8 * i));
}

// The font's offset table and directory with its naming table moved right
// behind them; every other table becomes empty. Empty when the font has no
// readable naming table.
std::vector<uint8_t> NamingPart(const std::vector<uint8_t>& font) {
  if (font.size() < 12) return {};
  const std::span<const uint8_t> all(font);
  const uint64_t count = BigEndian16(all.subspan<4, 2>());
  if ((font.size() - 12) / 16 < count) return {};
  const size_t directoryEnd = 12 + 16 * count;
  std::vector<uint8_t> out(font.begin(), font.begin() + directoryEnd);
  std::vector<uint8_t> table;
  for (size_t i = 0; i < count; ++i) {
    const size_t entry = 12 + 16 * i;
    Set32(out, entry + 8, static_cast<uint32_t>(directoryEnd));
    if (TagText(all.subspan(entry, 4).first<4>()) != "name") {
      Set32(out, entry + 12, 0);
      continue;
    }
    const uint64_t offset = BigEndian32(all.subspan(entry + 8).first<4>());
    const uint64_t length = BigEndian32(all.subspan(entry + 12).first<4>());
    if (offset > font.size() || font.size() - offset < length) return {};
    table.assign(font.begin() + offset, font.begin() + offset + length);
  }
  if (table.empty()) return {};
  out.insert(out.end(), table.begin(), table.end());
  return out;
}

void WriteMadeSeeds(const fs::path& folder) {
  std::vector<NameRecord> names;
  for (uint16_t id = 0; id <= 18; ++id) names.push_back(Name(id, u"Name \u00E9\u2019\u03B1"));
  names.push_back(Name(1, u"Later"));
  NameRecord mac = Name(1, u"Mac");
  mac.platform = kMacintosh;
  names.push_back(mac);
  NameRecord odd = Name(4, u"");
  odd.raw = std::vector<uint8_t>{0, 'O', 0, 'd', 0xD8, 0x3D, 0xDE, 0x00, 0};
  names.push_back(odd);

  FontLayout full = FontWithNames(names);
  Save(folder, "names.ttf", WriteFont(full));
  full.tags.insert(full.tags.begin(), "DSIG");
  Save(folder, "signed.ttf", WriteFont(full));

  FontLayout gap = FontWithNames({Name(1, u"Family"), Name(2, u"Bold")});
  gap.nameFormat = 1;
  gap.gapBeforeTexts = 10;
  Save(folder, "gap.ttf", WriteFont(gap));

  FontLayout capitals = FontWithNames({Name(1, u"Family")});
  capitals.tags = {"OS/2", "CMAP", "HEAD", "HHEA", "HMTX", "MAXP", "NAME", "POST"};
  Save(folder, "capitals.ttf", WriteFont(capitals));

  FontLayout forged = FontWithNames({Name(1, u"Family")});
  forged.numTables = 65535;
  forged.recordCount = 65535;
  Save(folder, "counts.ttf", WriteFont(forged));

  Save(folder, "empty.ttf", WriteFont(FontLayout{}));

  ResourceLayout styled{"Arial Bold", "Arial"};
  Save(folder, "styled.fot", WriteResourceFile(styled));
  ResourceLayout regular{"Arial", "Arial", "\x02"};
  Save(folder, "regular.fot", WriteResourceFile(regular));
}

void WriteInstalledSeeds(const fs::path& folder, const fs::path& fonts) {
  std::error_code error;
  for (fs::recursive_directory_iterator it(fonts, error), end; !error && it != end; it.increment(error)) {
    const fs::path& path = it->path();
    const std::string extension = path.extension().string();
    if (!it->is_regular_file() || (extension != ".ttf" && extension != ".otf")) continue;
    const std::vector<uint8_t> part = NamingPart(LoadBytes(path.string()));
    if (!part.empty()) Save(folder, path.filename().string(), part);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <output folder> [font folder...]\n", argv[0]);
    return 2;
  }
  const fs::path folder = argv[1];
  fs::create_directories(folder);
  WriteMadeSeeds(folder);
  for (int i = 2; i < argc; ++i) WriteInstalledSeeds(folder, argv[i]);
  std::printf("%d seeds in %s\n", gWritten, folder.string().c_str());
  return gWritten > 0 ? 0 : 1;
}
