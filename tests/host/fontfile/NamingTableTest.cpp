// The naming texts: which records are taken, where their texts are found and
// how they are converted.
#include <gtest/gtest.h>

#include "fontfile/cTrueTypeInfo.h"
#include "tests/support/FontWriter.h"

namespace {

using testfont::FontLayout;
using testfont::FontWithNames;
using testfont::Name;
using testfont::NameRecord;
using testfont::WriteFont;

using Property = const std::string& (cTrueTypeInfo::*)() const;

struct Loaded {
  std::vector<uint8_t> bytes;
  std::unique_ptr<cTrueTypeInfo> reader;
};

Loaded Load(const FontLayout& layout) {
  Loaded loaded{WriteFont(layout), nullptr};
  loaded.reader = std::make_unique<cTrueTypeInfo>(loaded.bytes);
  loaded.reader->LoadFontInfo();
  return loaded;
}

const std::vector<std::pair<uint16_t, Property>>& Properties() {
  static const std::vector<std::pair<uint16_t, Property>> properties = {
      {0, &cTrueTypeInfo::Copyright},       {1, &cTrueTypeInfo::FontFamily},
      {2, &cTrueTypeInfo::FontSubFamily},   {3, &cTrueTypeInfo::FontIdentifier},
      {4, &cTrueTypeInfo::FullFamilyName},  {5, &cTrueTypeInfo::Version},
      {7, &cTrueTypeInfo::Trademark},       {8, &cTrueTypeInfo::Vendor},
      {9, &cTrueTypeInfo::Author},          {10, &cTrueTypeInfo::Description},
      {11, &cTrueTypeInfo::VendorURL},      {12, &cTrueTypeInfo::AuthorURL},
      {13, &cTrueTypeInfo::License},        {14, &cTrueTypeInfo::LicenseURL},
  };
  return properties;
}

std::string AllTexts(const cTrueTypeInfo& reader) {
  std::string all;
  for (const auto& [id, property] : Properties()) all += (reader.*property)() + "|";
  return all + reader.Additional();
}

std::u16string TextFor(uint16_t id) { return u"text " + std::u16string(1, char16_t(u'a' + id)); }

TEST(NamingTable, EachIdFillsItsProperty) {
  std::vector<NameRecord> records;
  for (uint16_t id = 0; id <= 14; ++id) records.push_back(Name(id, TextFor(id)));
  const Loaded font = Load(FontWithNames(records));
  for (const auto& [id, property] : Properties()) {
    SCOPED_TRACE(id);
    EXPECT_EQ(((*font.reader).*property)(), "text " + std::string(1, char('a' + id)));
  }
  // The PostScript name (id 6) is read but kept nowhere.
  EXPECT_EQ(AllTexts(*font.reader).find("text g"), std::string::npos);
  EXPECT_EQ(font.reader->Additional(), "");
}

NameRecord Record(uint16_t platform, uint16_t language, uint16_t id, std::u16string text) {
  NameRecord record = Name(id, std::move(text));
  record.platform = platform;
  record.language = language;
  if (platform == testfont::kMacintosh) record.encoding = 0;
  return record;
}

struct SkippedCase {
  const char* name;
  std::vector<NameRecord> records;
};

void PrintTo(const SkippedCase& c, std::ostream* os) { *os << c.name; }

class RecordsNotTaken : public testing::TestWithParam<SkippedCase> {};

TEST_P(RecordsNotTaken, LeaveEveryTextEmpty) {
  const Loaded font = Load(FontWithNames(GetParam().records));
  EXPECT_EQ(AllTexts(*font.reader), std::string(Properties().size(), '|'));
}

NameRecord ZeroLength(uint16_t id) {
  NameRecord record = Name(id, u"Hidden");
  record.length = 0;
  return record;
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, RecordsNotTaken,
    testing::Values(
        SkippedCase{"MacintoshOnly",
                    {Record(testfont::kMacintosh, 0, 1, u"Mac Family"),
                     Record(testfont::kMacintosh, 0, 4, u"Mac Full"),
                     Record(testfont::kMacintosh, 0, 16, u"Mac Typo")}},
        SkippedCase{"GermanOnly",
                    {Record(testfont::kMicrosoft, testfont::kGerman, 1, u"Familie"),
                     Record(testfont::kMicrosoft, testfont::kGerman, 17, u"Fett")}},
        SkippedCase{"ZeroLength", {ZeroLength(1), ZeroLength(18)}},
        SkippedCase{"PostScriptNameOnly", {Name(6, u"Family-Bold")}}),
    [](const testing::TestParamInfo<SkippedCase>& info) { return std::string(info.param.name); });

TEST(NamingTable, UnknownIdsCollectInRecordOrder) {
  const Loaded font = Load(FontWithNames(
      {Name(17, u"Bold"), Name(1, u"Family"), Name(16, u"Typographic"), Name(256, u"Extra")}));
  EXPECT_EQ(font.reader->Additional(), "Bold\r\nTypographic\r\nExtra\r\n");
  EXPECT_EQ(font.reader->FontFamily(), "Family");
}

TEST(NamingTable, LaterRecordReplacesEarlierOne) {
  NameRecord symbol = Name(1, u"Symbol Family");
  symbol.encoding = 0;
  const Loaded font = Load(FontWithNames(
      {symbol, Name(1, u"Unicode Family"), Record(testfont::kMacintosh, 0, 1, u"Mac Family")}));
  EXPECT_EQ(font.reader->FontFamily(), "Unicode Family");
}

// A format 1 table keeps its language tags between the records and the
// texts; any gap there must not shift the texts.
class TextStorage : public testing::TestWithParam<size_t> {};

TEST_P(TextStorage, StartsWhereTheHeaderSays) {
  FontLayout layout = FontWithNames({Name(1, u"Family"), Name(4, u"Family Bold")});
  layout.nameFormat = GetParam() ? 1 : 0;
  layout.gapBeforeTexts = GetParam();
  const Loaded font = Load(layout);
  EXPECT_EQ(font.reader->FontFamily(), "Family");
  EXPECT_EQ(font.reader->FullFamilyName(), "Family Bold");
}

INSTANTIATE_TEST_SUITE_P(Gaps, TextStorage, testing::Values(0, 1, 2, 7, 22));

struct TextCase {
  const char* name;
  std::vector<uint8_t> stored;  // the record's bytes, UTF-16BE
  std::string expected;         // in Windows-1252
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class TextConversion : public testing::TestWithParam<TextCase> {};

TEST_P(TextConversion, GivesAnsiText) {
  NameRecord record = Name(1, u"");
  record.raw = GetParam().stored;
  const Loaded font = Load(FontWithNames({record}));
  EXPECT_EQ(font.reader->FontFamily(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextConversion,
    testing::Values(
        TextCase{"Ascii", testfont::Utf16BE(u"Arial"), "Arial"},
        TextCase{"Latin1Unchanged", testfont::Utf16BE(u"Caf\u00E9 \u00A9 \u00FF"),
                 "Caf\xE9 \xA9 \xFF"},
        TextCase{"RightSingleQuotationMark", testfont::Utf16BE(u"It\u2019s"), "It\x92s"},
        TextCase{"EuroSign", testfont::Utf16BE(u"\u20AC 5"), "\x80 5"},
        TextCase{"GreekLetterLacking", testfont::Utf16BE(u"\u03B1-Sans"), "?-Sans"},
        TextCase{"SurrogatePairIsOneCharacter", testfont::Utf16BE(u"A\U0001F600B"), "A?B"},
        TextCase{"OddLengthDropsLastByte", {0, 'A', 0, 'B', 0}, "AB"},
        TextCase{"NulCharactersDropped", {0, 'A', 0, 0, 0, 'B'}, "AB"}),
    [](const testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(NamingTable, NamingTableTaggedInCapitalsIsNotRead) {
  FontLayout layout = FontWithNames({Name(1, u"Family")});
  for (auto& tag : layout.tags) {
    if (tag == "name") tag = "NAME";
  }
  const std::vector<uint8_t> bytes = WriteFont(layout);
  cTrueTypeInfo reader(bytes);
  EXPECT_TRUE(reader.VerifyFormat());
  reader.LoadFontInfo();
  EXPECT_EQ(reader.FontFamily(), "");
}

TEST(NamingTable, SignatureBeforeNamingTableMakesFontOpenType) {
  struct Case {
    std::vector<std::string> tags;
    bool check;  // run the format check first
    int format;
  };
  const std::vector<Case> cases = {
      {{"DSIG", "OS/2", "cmap", "head", "hhea", "hmtx", "maxp", "name", "post"}, false, 2},
      {{"OS/2", "cmap", "head", "hhea", "hmtx", "maxp", "name", "post", "DSIG"}, false, 1},
      // A file the check refused stays refused.
      {{"DSIG", "OS/2", "cmap", "head", "hhea", "hmtx", "maxp", "name"}, true, 0},
  };
  for (const Case& c : cases) {
    FontLayout layout = FontWithNames({Name(1, u"Family")});
    layout.tags = c.tags;
    const std::vector<uint8_t> bytes = WriteFont(layout);
    cTrueTypeInfo reader(bytes);
    if (c.check) reader.VerifyFormat();
    reader.LoadFontInfo();
    EXPECT_EQ(reader.FileFormat(), c.format) << testing::PrintToString(c.tags);
    EXPECT_EQ(reader.FontFamily(), "Family");
  }
}

TEST(NamingTable, LoadingTwiceGivesTheSameTexts) {
  const std::vector<uint8_t> bytes = WriteFont(FontWithNames({Name(1, u"Family"), Name(16, u"Typo")}));
  cTrueTypeInfo reader(bytes);
  reader.LoadFontInfo();
  reader.LoadFontInfo();
  EXPECT_EQ(reader.FontFamily(), "Family");
  EXPECT_EQ(reader.Additional(), "Typo\r\n");
}

// Forged counts and offsets: nothing outside the file is read, and what can
// be read still is.
struct HostileCase {
  const char* name;
  FontLayout layout;
  std::string family;  // what FontFamily must end as
};

void PrintTo(const HostileCase& c, std::ostream* os) { *os << c.name; }

class HostileNamingTable : public testing::TestWithParam<HostileCase> {};

TEST_P(HostileNamingTable, ReadsOnlyInsideTheFile) {
  const Loaded font = Load(GetParam().layout);
  EXPECT_EQ(font.reader->FontFamily(), GetParam().family);
  // The directory, the naming header and the records are read once; texts
  // at most a few times over.
  EXPECT_LE(font.reader->BytesRead(), 8 * font.bytes.size());
}

HostileCase StorageOffsetPastEnd() {
  FontLayout layout = FontWithNames({Name(1, u"Family")});
  layout.storageOffset = 0xFFFF;
  return {"StorageOffsetPastEnd", layout, ""};
}

HostileCase TextOffsetPastEnd() {
  NameRecord bad = Name(1, u"Lost");
  bad.offset = 0xFFF0;
  return {"TextOffsetPastEndKeepsEarlierText", FontWithNames({Name(1, u"Family"), bad}), "Family"};
}

HostileCase TextLengthPastEnd() {
  NameRecord bad = Name(1, u"Lost");
  bad.length = 0xFFFF;
  return {"TextLengthPastEnd", FontWithNames({bad, Name(4, u"Full")}), ""};
}

HostileCase RecordCountPastEnd() {
  FontLayout layout = FontWithNames({Name(1, u"Family")});
  layout.recordCount = 65535;
  return {"RecordCountOf65535", layout, "Family"};
}

HostileCase TableOffsetPastEnd() {
  FontLayout layout = FontWithNames({Name(1, u"Family")});
  layout.nameOffset = 0xFFFFFFF0u;
  return {"TableOffsetPastEnd", layout, ""};
}

HostileCase TableOverDirectory(uint32_t offset, const char* name) {
  FontLayout layout = FontWithNames({Name(1, u"Family")});
  layout.nameOffset = offset;
  return {name, layout, ""};
}

INSTANTIATE_TEST_SUITE_P(
    Forged, HostileNamingTable,
    testing::Values(StorageOffsetPastEnd(), TextOffsetPastEnd(), TextLengthPastEnd(),
                    RecordCountPastEnd(), TableOffsetPastEnd(),
                    TableOverDirectory(0, "TableOverOffsetTable"),
                    TableOverDirectory(12, "TableOverDirectory")),
    [](const testing::TestParamInfo<HostileCase>& info) { return std::string(info.param.name); });

TEST(NamingTable, ManyRecordsSharingOneLongTextCostABoundedAmount) {
  // Every record points at the same long text; reading it once per record
  // would take hundreds of times the file's length.
  FontLayout layout = FontWithNames({Name(300, std::u16string(30000, u'x'))});
  NameRecord again = Name(300, u"");
  again.offset = 0;
  again.length = 60000;
  for (int i = 0; i < 500; ++i) layout.names.push_back(again);
  const Loaded font = Load(layout);
  EXPECT_LE(font.reader->BytesRead(), 2 * font.bytes.size());
  EXPECT_GE(font.reader->Additional().size(), 30000u);
  EXPECT_LE(font.reader->Additional().size(), 5 * font.bytes.size());
}

TEST(NamingTable, TruncatedFontGivesWholeTextsOrNone) {
  const FontLayout layout = FontWithNames(
      {Name(0, u"Copyright text"), Name(1, u"Family"), Name(4, u"Full Name"), Name(16, u"Typo")});
  const std::vector<uint8_t> whole = WriteFont(layout);
  const Loaded full = Load(layout);
  for (size_t length = 0; length < whole.size(); ++length) {
    SCOPED_TRACE(length);
    // An exact-size copy, so that the sanitizer sees any read past the end.
    const std::vector<uint8_t> cut(whole.begin(), whole.begin() + length);
    cTrueTypeInfo reader(cut);
    reader.LoadFontInfo();
    for (const auto& [id, property] : Properties()) {
      const std::string& text = (reader.*property)();
      if (!text.empty()) {
        EXPECT_EQ(text, ((*full.reader).*property)());
      }
    }
    EXPECT_TRUE(reader.Additional().empty() || reader.Additional() == "Typo\r\n");
    // The start of the file and the naming table are each read ahead once.
    EXPECT_LE(reader.BytesRead(), 2 * length);
  }
}

}  // namespace
