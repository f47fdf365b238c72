#include "tests/support/FontWriter.h"

#include <fstream>
#include <iterator>

namespace testfont {
namespace {

void Put16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value >> 8));
  out.push_back(static_cast<uint8_t>(value));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  Put16(out, value >> 16);
  Put16(out, value & 0xFFFF);
}

void PutText(std::vector<uint8_t>& out, std::string_view text) {
  out.insert(out.end(), text.begin(), text.end());
}

void Set32(std::vector<uint8_t>& out, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(value >> (24 - 8 * i));
}

std::string Upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

uint32_t CheckSum(std::span<const uint8_t> table) {
  uint32_t sum = 0;
  for (size_t i = 0; i < table.size(); i += 4) {
    uint32_t word = 0;
    for (size_t k = 0; k < 4; ++k) word = word << 8 | (i + k < table.size() ? table[i + k] : 0);
    sum += word;
  }
  return sum;
}

}  // namespace

NameRecord Name(uint16_t nameId, std::u16string text) {
  NameRecord record;
  record.nameId = nameId;
  record.text = std::move(text);
  return record;
}

std::vector<std::string> RequiredTags() {
  return {"OS/2", "cmap", "head", "hhea", "hmtx", "maxp", "name", "post"};
}

FontLayout FontWithNames(std::vector<NameRecord> names) {
  FontLayout layout;
  layout.tags = RequiredTags();
  layout.names = std::move(names);
  return layout;
}

std::vector<uint8_t> Utf16BE(std::u16string_view text) {
  std::vector<uint8_t> out;
  for (char16_t unit : text) Put16(out, unit);
  return out;
}

std::vector<uint8_t> WriteNamingTable(const FontLayout& layout) {
  const size_t count = layout.names.size();
  const size_t storage = 6 + 12 * count + layout.gapBeforeTexts;
  std::vector<uint8_t> out;
  Put16(out, layout.nameFormat);
  Put16(out, layout.recordCount.value_or(static_cast<uint16_t>(count)));
  Put16(out, layout.storageOffset.value_or(static_cast<uint16_t>(storage)));

  std::vector<uint8_t> texts;
  for (const NameRecord& record : layout.names) {
    const std::vector<uint8_t> text = record.raw ? *record.raw : Utf16BE(record.text);
    Put16(out, record.platform);
    Put16(out, record.encoding);
    Put16(out, record.language);
    Put16(out, record.nameId);
    Put16(out, record.length.value_or(static_cast<uint16_t>(text.size())));
    Put16(out, record.offset.value_or(static_cast<uint16_t>(texts.size())));
    texts.insert(texts.end(), text.begin(), text.end());
  }
  // Readable filler, so that a reader looking for the texts in the wrong
  // place shows it.
  for (size_t i = 0; i < layout.gapBeforeTexts; ++i) out.push_back(i % 2 ? '~' : 0);
  out.insert(out.end(), texts.begin(), texts.end());
  return out;
}

std::vector<uint8_t> WriteFont(const FontLayout& layout) {
  const size_t n = layout.tags.size();
  std::vector<uint8_t> out;
  Put32(out, layout.sfntVersion);
  Put16(out, layout.numTables.value_or(static_cast<uint16_t>(n)));
  uint32_t searchRange = 1, entrySelector = 0;
  while (searchRange * 2 <= n) {
    searchRange *= 2;
    ++entrySelector;
  }
  searchRange = n ? searchRange * 16 : 0;
  Put16(out, searchRange);
  Put16(out, n ? entrySelector : 0);
  Put16(out, static_cast<uint32_t>(n * 16 - searchRange));

  const size_t directory = out.size();
  out.resize(directory + 16 * n);
  for (size_t i = 0; i < n; ++i) {
    const size_t entry = directory + 16 * i;
    std::string tag = layout.tags[i];
    tag.resize(4, ' ');
    for (size_t k = 0; k < 4; ++k) out[entry + k] = static_cast<uint8_t>(tag[k]);

    const std::vector<uint8_t> table =
        Upper(tag) == "NAME" ? WriteNamingTable(layout) : std::vector<uint8_t>(4, 0);
    while (out.size() % 4) out.push_back(0);
    const uint32_t offset = static_cast<uint32_t>(out.size());
    out.insert(out.end(), table.begin(), table.end());
    Set32(out, entry + 4, CheckSum(table));
    Set32(out, entry + 8, Upper(tag) == "NAME" ? layout.nameOffset.value_or(offset) : offset);
    Set32(out, entry + 12, static_cast<uint32_t>(table.size()));
  }
  return out;
}

std::vector<uint8_t> WriteResourceFile(const ResourceLayout& layout) {
  constexpr std::string_view kMarker = "Windows! Windows! Windows!";
  std::vector<uint8_t> out;

  // DOS header and stub; e_lfanew points at the new header at 0x80.
  PutText(out, "MZ");
  out.resize(0x3C, 0);
  out.push_back(0x80);
  out.resize(0x40, 0);
  PutText(out, "This is a TrueType font, not a program.\r\r\n$");
  out.resize(0x80, 0);

  // New-executable header, then the non-resident name table whose first
  // entry is the module description.
  PutText(out, "NE");
  out.push_back(5);
  out.push_back(10);
  out.resize(0xC0, 0);
  const std::string description = "FONTRES:" + layout.title;
  out.push_back(static_cast<uint8_t>(description.size()));
  PutText(out, description);
  out.push_back(0);
  out.resize((out.size() + 15) / 16 * 16, 0);

  // One font resource record: version, size, the copyright field, metrics.
  auto putFontHeader = [&] {
    Put16(out, 0x0200);
    Put32(out, 0x0000012C);
    const std::string copyright = layout.marker ? std::string(kMarker) : std::string();
    PutText(out, copyright);
    out.resize(out.size() + 60 - copyright.size(), 0);
    const uint8_t metrics[] = {0x03, 0x00, 0x0A, 0x00, 0x60, 0x00, 0x60, 0x00, 0x10, 0x00,
                               0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x90, 0x01,
                               0x00, 0x20, 0x00, 0x07, 0x00, 0x0F, 0x00, 0x00, 0x20, 0xFF};
    out.insert(out.end(), std::begin(metrics), std::end(metrics));
  };

  // Font directory: count, ordinal, entry; then device name, face, title.
  Put16(out, 1);
  Put16(out, 1);
  putFontHeader();
  out.push_back(0);  // no device name
  PutText(out, layout.beforeFace);
  PutText(out, layout.face);
  out.push_back(0);
  PutText(out, layout.title);
  out.push_back(0);
  out.resize((out.size() + 15) / 16 * 16, 0);

  // The font resource itself names the font file.
  putFontHeader();
  PutText(out, layout.fontPath);
  out.push_back(0);
  out.resize((out.size() + 15) / 16 * 16, 0);
  return out;
}

bool SaveBytes(const std::string& path, std::span<const uint8_t> bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

std::vector<uint8_t> LoadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return {};
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace testfont
