#include "fontfile/cTrueTypeInfo.h"

#include <algorithm>
#include <optional>

#include "fontfile/AnsiText.h"
#include "fontfile/ByteSource.h"
#include "startup/LogLine.h"

namespace {

constexpr uint64_t kOffsetTableSize = 12;
constexpr uint64_t kDirectoryEntrySize = 16;
constexpr uint64_t kNameHeaderSize = 6;
constexpr uint64_t kNameRecordSize = 12;

constexpr uint16_t kMicrosoftPlatform = 3;
constexpr uint16_t kUsEnglish = 0x0409;
constexpr uint16_t kPostScriptNameId = 6;

// Compared with the file's tags upper-cased, so that a font whose tags some
// tool spelt in capitals still passes.
constexpr std::array<std::string_view, 8> kRequiredTables = {
    "CMAP", "HEAD", "HHEA", "HMTX", "MAXP", "NAME", "POST", "OS/2"};

constexpr std::array<std::string_view, 15> kNameLabels = {
    "Copyright",       "Font Family",    "Font subfamily", "Font Identifier",
    "Full Font Name",  "Version",        "Postscript name", "Trademark",
    "Vendor",          "Author",         "Description",    "VendorURL",
    "AuthorURL",       "License",        "LicenseURL"};

// Text bytes one LoadFontInfo may convert, as a multiple of the file's
// length. A real font converts each text once, or twice when two encodings
// share it; a forged table pointing thousands of records at one long text
// would cost far more than the file holds.
constexpr uint64_t kTextReadFactor = 8;

// Directory entries read together with the offset table when the naming
// texts are loaded (most fonts have fewer tables), and the longest naming
// table read in one go.
constexpr uint64_t kDirectoryReadAhead = 32;
constexpr uint64_t kNameTableReadAhead = 64 * 1024;

// The widest gap between two taken texts that is read through rather than
// skipped with a second read; about what a read call costs in copying time.
constexpr uint64_t kTextGapReadThrough = 4096;

// How many of count entries of entrySize bytes starting at offset lie wholly
// inside a source of size bytes. Entries past the end are simply not there.
uint64_t EntriesInside(uint64_t size, uint64_t offset, uint64_t count, uint64_t entrySize) {
  if (offset > size) return 0;
  return std::min(count, (size - offset) / entrySize);
}

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string UpperAscii(std::string text) {
  for (char& c : text) c = UpperAscii(c);
  return text;
}

// A naming text is big-endian UTF-16; an odd last byte is half a character
// and is dropped, and so are NUL characters, which the Win32 side would take
// for the end of the text.
std::string DecodeNameText(std::span<const uint8_t> bytes) {
  std::u16string units(bytes.size() / 2, u'\0');
  size_t count = 0;
  for (size_t i = 0; i < units.size(); ++i) {
    const char16_t unit = static_cast<char16_t>(bytes[2 * i] << 8 | bytes[2 * i + 1]);
    if (unit != 0) units[count++] = unit;
  }
  units.resize(count);
  return Utf16ToAnsi(units);
}

}  // namespace

uint16_t BigEndian16(std::span<const uint8_t, 2> bytes) {
  return static_cast<uint16_t>(bytes[0] << 8 | bytes[1]);
}

uint32_t BigEndian32(std::span<const uint8_t, 4> bytes) {
  return static_cast<uint32_t>(bytes[0]) << 24 | static_cast<uint32_t>(bytes[1]) << 16 |
         static_cast<uint32_t>(bytes[2]) << 8 | static_cast<uint32_t>(bytes[3]);
}

std::string TagText(std::span<const uint8_t, 4> bytes) {
  return std::string(bytes.begin(), bytes.end());
}

std::string_view NameIdLabel(uint16_t nameId) {
  return nameId < kNameLabels.size() ? kNameLabels[nameId] : "Unknown";
}

cTrueTypeInfo::cTrueTypeInfo() = default;

cTrueTypeInfo::cTrueTypeInfo(std::span<const uint8_t> bytes) : memory_(bytes), inMemory_(true) {}

cTrueTypeInfo::~cTrueTypeInfo() = default;

void cTrueTypeInfo::ClearNames() {
  for (auto& text : names_) text.clear();
  additional_.clear();
}

std::unique_ptr<ByteSource> cTrueTypeInfo::OpenSource() const {
  if (inMemory_) return std::make_unique<MemorySource>(memory_);
  if (path_.empty()) return nullptr;
  auto file = std::make_unique<FileSource>(path_);
  if (!file->IsOpen()) return nullptr;
  return file;
}

void cTrueTypeInfo::SetTrueTypeFile(std::string_view name) {
  // Additional is emptied with the rest: a reader given a second file must
  // not show the first file's texts.
  ClearNames();
  WriteLog("TTF Info Class Create, filename=" + std::string(name));

  inMemory_ = false;
  memory_ = {};
  path_.clear();
  tables_.clear();
  // A reader left naming no file says "not a font", so that a caller who
  // forgets to test for the file first cannot take a missing file for a font.
  format_ = kNotAFont;
  if (name.empty() || name == " ") return;

  WriteLog("sfilename=" + std::string(name));
  std::string path(name);
  // Opening the file is the existence test too, which saves the check a
  // second open; a file that exists but cannot be read keeps its name.
  FileSource file(path);
  if (!file.IsOpen()) {
    if (IsExistingFile(path)) path_ = std::move(path);
    return;
  }
  path_ = std::move(path);
  CheckFormat(file);
}

bool cTrueTypeInfo::VerifyFormat() {
  format_ = kNotAFont;
  tables_.clear();
  auto source = OpenSource();
  return source && CheckFormat(*source);
}

bool cTrueTypeInfo::CheckFormat(ByteSource& source) {
  format_ = kNotAFont;
  tables_.clear();
  const uint64_t before = source.BytesRead();
  const uint64_t size = source.Size();
  std::array<uint8_t, kOffsetTableSize> offsetTable{};
  bool haveTables = false;
  bool signed_ = false;
  std::array<bool, kRequiredTables.size()> found{};
  if (source.Read(0, offsetTable) &&
      BigEndian16(std::span(offsetTable).subspan<0, 2>()) == 1) {
    const uint16_t numTables = BigEndian16(std::span(offsetTable).subspan<4, 2>());
    const uint64_t entries = EntriesInside(size, kOffsetTableSize, numTables, kDirectoryEntrySize);
    std::vector<uint8_t> directory(entries * kDirectoryEntrySize);
    if (source.Read(kOffsetTableSize, directory)) {
      haveTables = true;
      tables_.reserve(entries);
      for (uint64_t i = 0; i < entries; ++i) {
        const std::span<const uint8_t> entry =
            std::span(directory).subspan(i * kDirectoryEntrySize, kDirectoryEntrySize);
        tables_.push_back(TagText(entry.first<4>()));
        const std::string upper = UpperAscii(tables_.back());
        for (size_t r = 0; r < kRequiredTables.size(); ++r) {
          if (upper == kRequiredTables[r]) found[r] = true;
        }
        if (upper == "DSIG") signed_ = true;
      }
    }
  }
  bytesRead_ += source.BytesRead() - before;

  if (!haveTables || !std::all_of(found.begin(), found.end(), [](bool f) { return f; })) {
    return false;
  }
  format_ = signed_ ? kOpenType : kTrueType;
  return true;
}

void cTrueTypeInfo::LoadFontInfo() {
  ClearNames();
  auto source = OpenSource();
  if (!source) return;
  ReadNames(*source);
  bytesRead_ += source->BytesRead();
  WriteLog("Got info for " + path_);
}

void cTrueTypeInfo::ReadNames(ByteSource& source) {
  const uint64_t size = source.Size();

  // The directory: the naming table's offset, and whether a signature table
  // comes first. Tags compare exactly here; "NAME" is not the naming table.
  std::optional<uint64_t> tableOffset;
  uint64_t tableLength = 0;
  source.ReadAhead(0, kOffsetTableSize + kDirectoryEntrySize * kDirectoryReadAhead);
  std::array<uint8_t, kOffsetTableSize> offsetTable{};
  if (!source.Read(0, offsetTable)) return;
  const uint16_t numTables = BigEndian16(std::span(offsetTable).subspan<4, 2>());
  const uint64_t entries = EntriesInside(size, kOffsetTableSize, numTables, kDirectoryEntrySize);
  std::vector<uint8_t> directory(entries * kDirectoryEntrySize);
  if (!source.Read(kOffsetTableSize, directory)) return;
  for (uint64_t i = 0; i < entries; ++i) {
    const std::span<const uint8_t> entry =
        std::span(directory).subspan(i * kDirectoryEntrySize, kDirectoryEntrySize);
    const std::string tag = TagText(entry.first<4>());
    // Only a font already taken for TrueType is promoted; a file the format
    // check refused stays refused.
    if (tag == "DSIG" && format_ == kTrueType) format_ = kOpenType;
    if (tag == "name") {
      tableOffset = BigEndian32(entry.subspan<8, 4>());
      tableLength = BigEndian32(entry.subspan<12, 4>());
      break;
    }
  }
  if (!tableOffset) return;

  // The header, the records and most often every text lie inside the table
  // as the directory gives its length; that length is only a hint, since
  // every read below is checked against the file on its own.
  if (tableLength <= kNameTableReadAhead) source.ReadAhead(*tableOffset, tableLength);
  std::array<uint8_t, kNameHeaderSize> header{};
  if (!source.Read(*tableOffset, header)) return;
  const uint64_t table = *tableOffset;
  const uint16_t recordCount = BigEndian16(std::span(header).subspan<2, 2>());
  // The texts start where the header says, not after the last record: a
  // format 1 table keeps its language tags in between.
  const uint64_t storage = table + BigEndian16(std::span(header).subspan<4, 2>());
  const uint64_t records = EntriesInside(size, table + kNameHeaderSize, recordCount, kNameRecordSize);
  std::vector<uint8_t> recordBytes(records * kNameRecordSize);
  if (!source.Read(table + kNameHeaderSize, recordBytes)) return;

  struct Taken {
    uint16_t nameId;
    uint64_t start;
    uint64_t length;
    size_t run = 0;  // which of the stretches read below holds the text
  };
  std::vector<Taken> taken;
  uint64_t textBudget = size > UINT64_MAX / kTextReadFactor ? UINT64_MAX : size * kTextReadFactor;
  for (uint64_t i = 0; i < records; ++i) {
    const std::span<const uint8_t> record =
        std::span(recordBytes).subspan(i * kNameRecordSize, kNameRecordSize);
    const uint16_t platform = BigEndian16(record.subspan<0, 2>());
    const uint16_t language = BigEndian16(record.subspan<4, 2>());
    const uint16_t length = BigEndian16(record.subspan<8, 2>());
    if (platform != kMicrosoftPlatform || language != kUsEnglish || length == 0) continue;
    const uint64_t start = storage + BigEndian16(record.subspan<10, 2>());
    // A text that does not lie wholly inside the file is no text at all;
    // taking part of it, or nothing, would replace a good earlier one.
    if (start > size || size - start < length) continue;
    if (length > textBudget) break;
    textBudget -= length;
    taken.push_back({BigEndian16(record.subspan<6, 2>()), start, length});
  }

  // Texts lying close together are read as one stretch: a read costs more
  // than the few bytes of other texts (the Macintosh ones, say) between them.
  // Stretches never overlap, so together they read at most the file once.
  struct Run {
    uint64_t start;
    uint64_t end;
    std::vector<uint8_t> bytes;
  };
  std::vector<Run> runs;
  std::vector<size_t> byStart(taken.size());
  for (size_t i = 0; i < byStart.size(); ++i) byStart[i] = i;
  std::sort(byStart.begin(), byStart.end(),
            [&](size_t x, size_t y) { return taken[x].start < taken[y].start; });
  for (size_t i : byStart) {
    Taken& t = taken[i];
    if (runs.empty() || t.start > runs.back().end + kTextGapReadThrough) {
      runs.push_back({t.start, t.start + t.length, {}});
    } else {
      runs.back().end = std::max(runs.back().end, t.start + t.length);
    }
    t.run = runs.size() - 1;
  }
  std::vector<bool> runRead(runs.size());
  for (size_t r = 0; r < runs.size(); ++r) {
    runs[r].bytes.resize(runs[r].end - runs[r].start);
    runRead[r] = source.Read(runs[r].start, runs[r].bytes);
  }

  for (const Taken& t : taken) {
    if (!runRead[t.run]) continue;
    const Run& run = runs[t.run];
    const std::span<const uint8_t> bytes =
        std::span<const uint8_t>(run.bytes).subspan(t.start - run.start, t.length);
    WriteLog("string conversion");
    std::string value = DecodeNameText(bytes);
    WriteLog(NameIdLabel(t.nameId));
    if (t.nameId < names_.size()) {
      if (t.nameId != kPostScriptNameId) names_[t.nameId] = std::move(value);
    } else {
      additional_ += value;
      additional_ += "\r\n";
    }
  }
}
