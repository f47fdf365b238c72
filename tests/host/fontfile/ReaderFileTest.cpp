// A reader given a file name: the check it runs, the state it leaves and the
// session-log lines it writes.
#include <gtest/gtest.h>

#include <filesystem>

#include "FontFileTestUtil.h"
#include "fontfile/cTrueTypeInfo.h"
#include "tests/support/FontWriter.h"

namespace {

using testfont::FontWithNames;
using testfont::Name;
using Lines = std::vector<std::string>;

testfont::NameRecord MacintoshName(uint16_t id, std::u16string text) {
  testfont::NameRecord record = Name(id, std::move(text));
  record.platform = testfont::kMacintosh;
  return record;
}

class ReaderFile : public testing::Test {
 protected:
  std::string SaveFont(const std::string& name, const testfont::FontLayout& layout) {
    const std::string path = folder_.File(name);
    EXPECT_TRUE(testfont::SaveBytes(path, testfont::WriteFont(layout)));
    return path;
  }

  TempFolder folder_;
};

TEST_F(ReaderFile, SettingAFontFileChecksIt) {
  testfont::FontLayout signed_ = FontWithNames({});
  signed_.tags.push_back("DSIG");
  testfont::FontLayout unsignedFont = FontWithNames({});
  testfont::FontLayout cff = FontWithNames({});
  cff.sfntVersion = testfont::kCffVersion;

  const struct {
    std::string path;
    int format;
    size_t tables;  // a file refused by its version has no directory read
  } cases[] = {
      {SaveFont("plain.ttf", unsignedFont), 1, 8},
      {SaveFont("signed.ttf", signed_), 2, 9},
      {SaveFont("cff.otf", cff), 0, 0},
  };
  for (const auto& c : cases) {
    cTrueTypeInfo reader;
    reader.SetTrueTypeFile(c.path);
    EXPECT_EQ(reader.TrueTypeFile(), c.path);
    EXPECT_EQ(reader.FileFormat(), c.format) << c.path;
    EXPECT_EQ(reader.TableList().size(), c.tables);
  }
}

TEST_F(ReaderFile, SettingAFileLogsItsName) {
  const std::string path = SaveFont("log.ttf", FontWithNames({}));
  LogCapture log;
  cTrueTypeInfo reader;
  reader.SetTrueTypeFile(path);
  EXPECT_EQ(log.lines, (Lines{"TTF Info Class Create, filename=" + path, "sfilename=" + path}));
}

TEST_F(ReaderFile, NoFileNamedIsNotAFont) {
  const std::string folder = folder_.File("fonts");
  std::filesystem::create_directory(folder);
  const struct {
    std::string name;
    size_t logLines;
  } cases[] = {
      {"", 1},
      {" ", 1},
      {folder_.File("missing.ttf"), 2},
      {folder, 2},  // a folder is no file
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("'" + c.name + "'");
    LogCapture log;
    cTrueTypeInfo reader;
    reader.SetTrueTypeFile(c.name);
    EXPECT_EQ(reader.FileFormat(), 0);
    EXPECT_EQ(reader.TrueTypeFile(), "");
    EXPECT_EQ(log.lines.size(), c.logLines);
    reader.LoadFontInfo();
    EXPECT_EQ(reader.FontFamily(), "");
  }
}

TEST_F(ReaderFile, FileShorterThanOffsetTableIsNotAFont) {
  const std::string path = folder_.File("short.ttf");
  const uint8_t bytes[] = {0, 1, 0, 0, 0, 8, 0, 0x80, 0, 3};
  ASSERT_TRUE(testfont::SaveBytes(path, bytes));
  cTrueTypeInfo reader;
  reader.SetTrueTypeFile(path);
  EXPECT_EQ(reader.FileFormat(), 0);
}

TEST_F(ReaderFile, LoadingLogsEachTextTakenAndTheFile) {
  const std::string path = SaveFont(
      "names.ttf", FontWithNames({Name(1, u"Family"), MacintoshName(2, u"Sub"),
                                  Name(6, u"PS"), Name(7, u"Mark"), Name(19, u"Sample")}));
  cTrueTypeInfo reader;
  reader.SetTrueTypeFile(path);
  LogCapture log;
  reader.LoadFontInfo();
  EXPECT_EQ(log.lines, (Lines{"string conversion", "Font Family", "string conversion",
                              "Postscript name", "string conversion", "Trademark",
                              "string conversion", "Unknown", "Got info for " + path}));
  EXPECT_EQ(reader.Trademark(), "Mark");
}

TEST_F(ReaderFile, SecondFileShowsNoTextOfTheFirst) {
  const std::string first = SaveFont("first.ttf", FontWithNames({Name(1, u"First"), Name(16, u"Typo")}));
  const std::string second = SaveFont("second.ttf", FontWithNames({Name(4, u"Second Full")}));
  cTrueTypeInfo reader;
  reader.SetTrueTypeFile(first);
  reader.LoadFontInfo();
  ASSERT_EQ(reader.Additional(), "Typo\r\n");

  reader.SetTrueTypeFile(second);
  EXPECT_EQ(reader.FontFamily(), "");
  EXPECT_EQ(reader.Additional(), "");
  reader.LoadFontInfo();
  EXPECT_EQ(reader.FullFamilyName(), "Second Full");
  EXPECT_EQ(reader.FontFamily(), "");
  EXPECT_EQ(reader.Additional(), "");
}

TEST_F(ReaderFile, FileReplacedBetweenCallsIsReadAfresh) {
  // Nothing is kept open or cached between calls.
  const std::string path = SaveFont("swap.ttf", FontWithNames({Name(1, u"Before")}));
  cTrueTypeInfo reader;
  reader.SetTrueTypeFile(path);
  ASSERT_EQ(reader.FileFormat(), 1);
  ASSERT_TRUE(testfont::SaveBytes(path, testfont::WriteFont(FontWithNames({Name(1, u"After")}))));
  reader.LoadFontInfo();
  EXPECT_EQ(reader.FontFamily(), "After");
  std::filesystem::remove(path);
  EXPECT_FALSE(reader.VerifyFormat());
  EXPECT_EQ(reader.FileFormat(), 0);
}

}  // namespace
