// The format check: offset table and table directory.
#include <gtest/gtest.h>

#include "fontfile/cTrueTypeInfo.h"
#include "tests/support/FontWriter.h"

namespace {

using testfont::FontLayout;
using testfont::RequiredTags;
using testfont::WriteFont;

std::vector<std::string> With(std::vector<std::string> tags, const std::string& extra) {
  tags.push_back(extra);
  return tags;
}

FontLayout Layout(uint32_t version, std::vector<std::string> tags) {
  FontLayout layout;
  layout.sfntVersion = version;
  layout.tags = std::move(tags);
  return layout;
}

struct FormatCase {
  const char* name;
  FontLayout layout;
  int format;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }

class FormatCheck : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatCheck, GivesFormatOfFile) {
  const std::vector<uint8_t> bytes = WriteFont(GetParam().layout);
  cTrueTypeInfo reader(bytes);
  EXPECT_EQ(reader.VerifyFormat(), GetParam().format != cTrueTypeInfo::kNotAFont);
  EXPECT_EQ(reader.FileFormat(), GetParam().format);
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, FormatCheck,
    testing::Values(
        FormatCase{"TrueType", Layout(testfont::kTrueTypeVersion, RequiredTags()), 1},
        FormatCase{"UpperCaseTags",
                   Layout(testfont::kTrueTypeVersion,
                          {"OS/2", "CMAP", "HEAD", "HHEA", "HMTX", "MAXP", "NAME", "POST"}),
                   1},
        FormatCase{"Signed", Layout(testfont::kTrueTypeVersion, With(RequiredTags(), "DSIG")), 2},
        FormatCase{"SignatureInLowerCase",
                   Layout(testfont::kTrueTypeVersion, With(RequiredTags(), "dsig")), 2},
        FormatCase{"MinorVersionIgnored", Layout(0x00010005, RequiredTags()), 1},
        FormatCase{"CffOutlines", Layout(testfont::kCffVersion, RequiredTags()), 0},
        FormatCase{"AppleTrue", Layout(testfont::kAppleVersion, RequiredTags()), 0},
        FormatCase{"VersionTwo", Layout(0x00020000, RequiredTags()), 0},
        FormatCase{"NoTables", Layout(testfont::kTrueTypeVersion, {}), 0}),
    [](const testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

TEST(FormatCheck, AnyMissingRequiredTableMeansNotAFont) {
  for (const std::string& missing : RequiredTags()) {
    SCOPED_TRACE(missing);
    std::vector<std::string> tags;
    for (const std::string& tag : RequiredTags()) {
      if (tag != missing) tags.push_back(tag);
    }
    tags.push_back("DSIG");
    const std::vector<uint8_t> bytes = WriteFont(Layout(testfont::kTrueTypeVersion, tags));
    cTrueTypeInfo reader(bytes);
    EXPECT_FALSE(reader.VerifyFormat());
    EXPECT_EQ(reader.FileFormat(), 0);
  }
}

TEST(FormatCheck, TwelveByteFileWithNoTablesIsNotAFont) {
  const std::vector<uint8_t> bytes = WriteFont(Layout(testfont::kTrueTypeVersion, {}));
  ASSERT_EQ(bytes.size(), 12u);
  cTrueTypeInfo reader(bytes);
  EXPECT_FALSE(reader.VerifyFormat());
  EXPECT_TRUE(reader.TableList().empty());
}

TEST(FormatCheck, FileShorterThanOffsetTableIsNotAFont) {
  std::vector<uint8_t> bytes = WriteFont(Layout(testfont::kTrueTypeVersion, RequiredTags()));
  for (size_t length : {0, 1, 6, 11}) {
    SCOPED_TRACE(length);
    const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + length);
    cTrueTypeInfo reader(cut);
    EXPECT_FALSE(reader.VerifyFormat());
    EXPECT_EQ(reader.FileFormat(), 0);
    EXPECT_EQ(reader.BytesRead(), 0u);
  }
}

TEST(FormatCheck, TableListKeepsFileOrderAndLetterCase) {
  const std::vector<std::string> tags = {"post", "OS/2", "CMAP", "name", "DSIG", "glyf",
                                         "head", "hhea", "hmtx", "maxp"};
  const std::vector<uint8_t> bytes = WriteFont(Layout(testfont::kTrueTypeVersion, tags));
  cTrueTypeInfo reader(bytes);
  EXPECT_TRUE(reader.VerifyFormat());
  EXPECT_EQ(reader.TableList(), tags);
}

TEST(FormatCheck, ReadsOnlyOffsetTableAndDirectory) {
  FontLayout layout = testfont::FontWithNames(
      {testfont::Name(0, std::u16string(2000, u'c')), testfont::Name(1, u"Family")});
  const std::vector<uint8_t> bytes = WriteFont(layout);
  cTrueTypeInfo reader(bytes);
  ASSERT_TRUE(reader.VerifyFormat());
  EXPECT_EQ(reader.BytesRead(), 12u + 16u * layout.tags.size());
}

TEST(FormatCheck, TruncatedDirectoryKeepsTheEntriesItHolds) {
  const std::vector<uint8_t> bytes = WriteFont(Layout(testfont::kTrueTypeVersion, RequiredTags()));
  // Three whole entries and part of the fourth.
  const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + 12 + 16 * 3 + 9);
  cTrueTypeInfo reader(cut);
  EXPECT_FALSE(reader.VerifyFormat());
  const std::vector<std::string> tags = RequiredTags();
  EXPECT_EQ(reader.TableList(), std::vector<std::string>(tags.begin(), tags.begin() + 3));
  EXPECT_LE(reader.BytesRead(), cut.size());
}

TEST(FormatCheck, HugeTableCountInTinyFileCostsOnlyTheFile) {
  FontLayout layout = Layout(testfont::kTrueTypeVersion, RequiredTags());
  layout.numTables = 65535;
  const std::vector<uint8_t> bytes = WriteFont(layout);
  cTrueTypeInfo reader(bytes);
  // The eight real entries are all there, so the forged count does not stop
  // the file from being taken for the font it is.
  EXPECT_TRUE(reader.VerifyFormat());
  EXPECT_EQ(reader.TableList().size(), (bytes.size() - 12) / 16);
  EXPECT_LE(reader.BytesRead(), bytes.size());
}

TEST(FormatCheck, ReaderWithoutFileIsNotAFont) {
  cTrueTypeInfo reader;
  EXPECT_EQ(reader.FileFormat(), cTrueTypeInfo::kTrueType);
  EXPECT_FALSE(reader.VerifyFormat());
  EXPECT_EQ(reader.FileFormat(), 0);
}

TEST(ByteOrder, NumbersAreBigEndianAndUnsigned) {
  const uint8_t bytes[] = {0xFE, 0xDC, 0xBA, 0x98};
  EXPECT_EQ(BigEndian16(std::span<const uint8_t, 2>(bytes, 2)), 0xFEDC);
  EXPECT_EQ(BigEndian32(std::span<const uint8_t, 4>(bytes, 4)), 0xFEDCBA98u);
  const uint8_t tag[] = {'O', 'S', '/', 0};
  EXPECT_EQ(TagText(std::span<const uint8_t, 4>(tag, 4)), std::string("OS/\0", 4));
}

}  // namespace
