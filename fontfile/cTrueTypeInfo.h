// Reads a TrueType font file directly, without the graphics system: whether
// it is a font at all (its table directory) and the texts of its naming
// table. A reader is made for one use; every call opens the file and closes
// it again, so nothing stays open between calls.
//
// The file is untrusted: every read is checked against the file's length and
// the work done is bounded by that length, whatever the counts in it say.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class ByteSource;

// Numbers in a font file are unsigned and big-endian.
uint16_t BigEndian16(std::span<const uint8_t, 2> bytes);
uint32_t BigEndian32(std::span<const uint8_t, 4> bytes);
// A table tag as text: each byte is one character, whatever its value.
std::string TagText(std::span<const uint8_t, 4> bytes);
// The label of a naming-table id ("Copyright", "Font Family", ...; "Unknown"
// for ids without a property), as the session log shows it.
std::string_view NameIdLabel(uint16_t nameId);

class cTrueTypeInfo {
 public:
  enum Format : int { kNotAFont = 0, kTrueType = 1, kOpenType = 2 };

  cTrueTypeInfo();
  // A reader over bytes already in memory, which must outlive it; it has no
  // file name. Used by the fuzzer and by tests.
  explicit cTrueTypeInfo(std::span<const uint8_t> bytes);
  ~cTrueTypeInfo();
  cTrueTypeInfo(const cTrueTypeInfo&) = delete;
  cTrueTypeInfo& operator=(const cTrueTypeInfo&) = delete;

  // Names the file to read and checks its format (FileFormat). A name that
  // is empty, one space or not an existing file leaves the reader with no
  // file and FileFormat 0. Every naming text is emptied first.
  void SetTrueTypeFile(std::string_view name);
  const std::string& TrueTypeFile() const { return path_; }

  // kNotAFont, kTrueType or kOpenType (a TrueType font with a digital
  // signature). A reader that has been given no file yet says kTrueType.
  int FileFormat() const { return format_; }

  // Reads the offset table and the table directory: the file is a font when
  // its version is 1.0 and it has the eight tables every TrueType font needs.
  // Sets FileFormat and TableList; true for a font.
  bool VerifyFormat();

  // The tags of the directory entries the last check read, in file order,
  // letter case as stored.
  std::vector<std::string> TableList() const { return tables_; }

  // Reads the Microsoft-platform, US-English records of the naming table
  // into the texts below, converted to the ANSI code page; a later record
  // for an id replaces an earlier one. A record whose text does not lie
  // inside the file is passed over, and the texts converted stop at eight
  // times the file's length. A digital signature table listed before the
  // naming table raises FileFormat from kTrueType to kOpenType.
  void LoadFontInfo();

  const std::string& Copyright() const { return names_[0]; }
  const std::string& FontFamily() const { return names_[1]; }
  const std::string& FontSubFamily() const { return names_[2]; }
  const std::string& FontIdentifier() const { return names_[3]; }
  const std::string& FullFamilyName() const { return names_[4]; }
  const std::string& Version() const { return names_[5]; }
  const std::string& Trademark() const { return names_[7]; }
  const std::string& Vendor() const { return names_[8]; }
  const std::string& Author() const { return names_[9]; }
  const std::string& Description() const { return names_[10]; }
  const std::string& VendorURL() const { return names_[11]; }
  const std::string& AuthorURL() const { return names_[12]; }
  const std::string& License() const { return names_[13]; }
  const std::string& LicenseURL() const { return names_[14]; }
  // Texts of the ids without a property, in record order, each followed by
  // CR LF.
  const std::string& Additional() const { return additional_; }

  // Bytes read from the font so far by this reader, all calls together.
  uint64_t BytesRead() const { return bytesRead_; }

 private:
  std::unique_ptr<ByteSource> OpenSource() const;
  bool CheckFormat(ByteSource& source);
  void ReadNames(ByteSource& source);
  void ClearNames();

  std::string path_;
  std::span<const uint8_t> memory_;
  bool inMemory_ = false;
  int format_ = kTrueType;
  std::vector<std::string> tables_;
  // Indexed by name id; id 6, the PostScript name, is read but never kept.
  std::array<std::string, 15> names_;
  std::string additional_;
  uint64_t bytesRead_ = 0;
};
