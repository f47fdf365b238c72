// Builds font files and font resource files in memory for tests: the
// smallest bytes that show one behaviour of the readers, with every count and
// offset open to forging.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace testfont {

constexpr uint32_t kTrueTypeVersion = 0x00010000;
constexpr uint32_t kCffVersion = 0x4F54544F;    // "OTTO"
constexpr uint32_t kAppleVersion = 0x74727565;  // "true"

constexpr uint16_t kMacintosh = 1;
constexpr uint16_t kMicrosoft = 3;
constexpr uint16_t kUsEnglish = 0x0409;
constexpr uint16_t kGerman = 0x0407;

struct NameRecord {
  uint16_t platform = kMicrosoft;
  uint16_t encoding = 1;
  uint16_t language = kUsEnglish;
  uint16_t nameId = 0;
  std::u16string text;                      // stored as UTF-16BE
  std::optional<std::vector<uint8_t>> raw;  // stored as given instead of text
  std::optional<uint16_t> length;           // forged length field
  std::optional<uint16_t> offset;           // forged offset field
};

// A record of the usual kind: Microsoft platform, Unicode, US English.
NameRecord Name(uint16_t nameId, std::u16string text);

struct FontLayout {
  uint32_t sfntVersion = kTrueTypeVersion;
  // Directory order. Any tag that upper-cases to "NAME" carries the naming
  // table; every other table is four zero bytes.
  std::vector<std::string> tags;
  std::optional<uint16_t> numTables;       // forged table count
  std::optional<uint32_t> nameOffset;      // forged offset of the naming table
  uint16_t nameFormat = 0;
  std::vector<NameRecord> names;
  std::optional<uint16_t> recordCount;     // forged record count
  size_t gapBeforeTexts = 0;               // bytes between records and texts
  std::optional<uint16_t> storageOffset;   // forged storage offset field
};

// The eight tables every TrueType font has, in the usual sorted order.
std::vector<std::string> RequiredTags();

// A layout with the required tables and the given names.
FontLayout FontWithNames(std::vector<NameRecord> names);

std::vector<uint8_t> WriteFont(const FontLayout& layout);

// The naming table alone, as WriteFont places it.
std::vector<uint8_t> WriteNamingTable(const FontLayout& layout);

std::vector<uint8_t> Utf16BE(std::u16string_view text);

struct ResourceLayout {
  std::string title;                 // full title, after "FONTRES:"
  std::string face;                  // face name
  std::string beforeFace;            // bytes between the NUL and the face
  bool marker = true;                // the "Windows! Windows! Windows!" field
  std::string fontPath = "C:\\WINDOWS\\FONTS\\TESTFONT.TTF";
};

// A font resource file laid out as Windows writes one: a DOS stub, the
// module description "FONTRES:" + title, then the font directory and font
// resources, whose copyright field holds the marker and which carry the face
// name and the title.
std::vector<uint8_t> WriteResourceFile(const ResourceLayout& layout);

// Writes bytes to a file; false when it cannot be written.
bool SaveBytes(const std::string& path, std::span<const uint8_t> bytes);

// Reads a whole file; empty when it cannot be read.
std::vector<uint8_t> LoadBytes(const std::string& path);

}  // namespace testfont
