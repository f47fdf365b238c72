#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fontfile/SessionFont.h"
#include "startup/LogLine.h"
#include "startup/Session.h"
#include "startup/generic32.h"
#include "tests/support/FontWriter.h"
#include "tests/support/RenamedFont.h"
#include "tests/support/TempFolder.h"
#include "tests/win/support/WinTestSupport.h"

namespace {

const std::string kDejaVu = "Z:\\usr\\share\\fonts\\truetype\\dejavu\\";
const std::string kLiberation = "Z:\\usr\\share\\fonts\\truetype\\liberation\\";

class SessionFontTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSessionValues();
    gProgramFolder = programFolder.path();
    gFontsKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
    SetLogSink([this](std::string_view line) { log.emplace_back(line); });
  }
  void TearDown() override {
    RemoveSessionFont();
    SetLogSink({});
  }

  // A copy of DejaVu Sans that calls itself `family`: a font no system knows.
  std::string UnknownFont(const std::string& file, const std::u16string& family) {
    const auto real = testfont::LoadBytes(kDejaVu + "DejaVuSans.ttf");
    const auto renamed = testfont::RenameFont(real, family, family + u" Regular");
    EXPECT_FALSE(renamed.empty());
    testfont::SaveBytes(fonts.File(file), renamed);
    return fonts.File(file);
  }
  bool ResourceFilesLeft() const {
    WIN32_FIND_DATAA data{};
    ScopedFind find(programFolder.path() + "\\*.fot", data);
    return static_cast<bool>(find);
  }

  TempFolder programFolder;
  TempFolder fonts;
  MessageRecorder messages;
  std::vector<std::string> log;
};

TEST_F(SessionFontTest, LearnsTheNamesGdiUsesForRealFonts) {
  const struct {
    std::string path;
    const char* title;
    const char* face;
  } cases[] = {
      {kDejaVu + "DejaVuSans.ttf", "DejaVu Sans", "DejaVu Sans"},
      {kDejaVu + "DejaVuSerif-Bold.ttf", "DejaVu Serif Bold", "DejaVu Serif"},
      {kLiberation + "LiberationSerif-BoldItalic.ttf", "Liberation Serif Bold Italic", "Liberation Serif"},
  };
  for (const auto& c : cases) {
    std::string path = c.path;
    ASSERT_TRUE(LoadSessionFont(path)) << c.path;
    EXPECT_EQ(gFontTitle, c.title);
    EXPECT_EQ(gTableName, c.face);
    EXPECT_EQ(gFontPath, c.path);
    EXPECT_TRUE(gFontLoaded);
    // Wine registers the system's fonts, so these count as installed.
    EXPECT_TRUE(gFontInstalled) << c.path;
    std::string lower = c.path;
    CharLowerBuffA(lower.data(), static_cast<DWORD>(lower.size()));
    EXPECT_EQ(gRegistryEntry, std::string(c.title) + " (TrueType) = " + lower);
    EXPECT_FALSE(ResourceFilesLeft()) << c.path;
  }
  EXPECT_TRUE(messages.messages().empty());
}

TEST_F(SessionFontTest, LogsTheLoad) {
  std::string path = "\"" + kDejaVu + "DejaVuSans.ttf\"";
  // The quotes go, but only after the existence check has seen them: a
  // quoted path does not exist as such.
  EXPECT_FALSE(LoadSessionFont(path));
  path = kDejaVu + "DejaVuSans.ttf";
  log.clear();
  ASSERT_TRUE(LoadSessionFont(path));
  auto has = [&](const std::string& line) {
    return std::find(log.begin(), log.end(), line) != log.end();
  };
  EXPECT_EQ(log.front(), "Attempting to load file into GDI..." + path);
  EXPECT_TRUE(has("ttfFile$ = " + path));
  EXPECT_EQ(std::count(log.begin(), log.end(), "gFontTitle = DejaVu Sans"), 2);
  EXPECT_EQ(std::count(log.begin(), log.end(), "gTableName = DejaVu Sans"), 2);
  EXPECT_TRUE(has("Font is already present on system."));
  EXPECT_TRUE(has("Registry entry = " + gRegistryEntry));
  EXPECT_EQ(log.back(), "Font loaded into GDI OK.");
}

TEST_F(SessionFontTest, AFontNoSystemKnowsIsAddedForTheSessionAndRemovedByTheNextLoad) {
  std::string first = UnknownFont("first.ttf", u"Letterloom Test Alpha");
  std::string second = UnknownFont("second.ttf", u"Letterloom Test Beta");
  ASSERT_FALSE(IsScreenFont("Letterloom Test Alpha"));

  ASSERT_TRUE(LoadSessionFont(first));
  EXPECT_EQ(gFontTitle, "Letterloom Test Alpha Regular");
  EXPECT_EQ(gTableName, "Letterloom Test Alpha");
  EXPECT_FALSE(gFontInstalled);
  EXPECT_EQ(log.end()[-2], "Font is not already present on system.");
  EXPECT_TRUE(IsScreenFont("Letterloom Test Alpha"));

  ASSERT_TRUE(LoadSessionFont(second));
  EXPECT_FALSE(IsScreenFont("Letterloom Test Alpha"));
  EXPECT_TRUE(IsScreenFont("Letterloom Test Beta"));

  RemoveSessionFont();
  EXPECT_FALSE(IsScreenFont("Letterloom Test Beta"));
  EXPECT_FALSE(ResourceFilesLeft());
}

TEST_F(SessionFontTest, AMissingFileIsReportedAndChangesNothing) {
  std::string path = fonts.File("gone.ttf");
  EXPECT_FALSE(LoadSessionFont(path));
  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_EQ(messages.messages()[0].text, "The font file \"" + path + "\" could not be found.");
  EXPECT_EQ(messages.messages()[0].flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
  EXPECT_FALSE(gFontLoaded);
  EXPECT_EQ(gFontPath, "");
}

TEST_F(SessionFontTest, AFontGdiRefusesIsNotLoaded) {
  // Names but no glyphs: the reader accepts it, the graphics system does not.
  const auto bytes = testfont::WriteFont(
      testfont::FontWithNames({testfont::Name(1, u"Hollow"), testfont::Name(4, u"Hollow Regular")}));
  testfont::SaveBytes(fonts.File("hollow.ttf"), bytes);
  std::string path = fonts.File("hollow.ttf");
  EXPECT_FALSE(LoadSessionFont(path));
  EXPECT_FALSE(gFontLoaded);
  EXPECT_TRUE(messages.messages().empty());
  EXPECT_FALSE(ResourceFilesLeft());
}

TEST(UniqueResourcePath, CountsInPlaceOfTheLastLetterWhileNamesAreTaken) {
  TempFolder folder;
  const std::string arial = folder.File("arial.fot");
  EXPECT_EQ(UniqueResourcePath(arial), arial);
  folder.Write("arial.fot", "x");
  EXPECT_EQ(UniqueResourcePath(arial), folder.File("aria0.fot"));
  folder.Write("aria0.fot", "x");
  EXPECT_EQ(UniqueResourcePath(arial), folder.File("aria1.fot"));
}

TEST(ReadResourceNames, ReadsAResourceFileFromDisk) {
  TempFolder folder;
  testfont::SaveBytes(folder.File("arial.fot"),
                      testfont::WriteResourceFile({"Arial Bold", "Arial"}));
  std::string title = "old", face = "old";
  ReadResourceNames(folder.File("arial.fot"), title, face);
  EXPECT_EQ(title, "Arial Bold");
  EXPECT_EQ(face, "Arial");

  testfont::ResourceLayout noMarker{"Arial Bold", "Arial"};
  noMarker.marker = false;
  testfont::SaveBytes(folder.File("nomark.fot"), testfont::WriteResourceFile(noMarker));
  title = face = "old";
  ReadResourceNames(folder.File("nomark.fot"), title, face);
  EXPECT_EQ(title, "Arial Bold");
  EXPECT_EQ(face, "");

  title = face = "old";
  ReadResourceNames(folder.File("missing.fot"), title, face);
  EXPECT_EQ(title, "old");
  EXPECT_EQ(face, "old");
}

}  // namespace
