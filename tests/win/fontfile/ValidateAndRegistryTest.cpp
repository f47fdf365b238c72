#include <gtest/gtest.h>

#include <string>

#include "fontfile/FindInstalledFont.h"
#include "fontfile/ValidateFontFile.h"
#include "startup/LogLine.h"
#include "startup/Session.h"
#include "startup/Win32Handles.h"
#include "tests/support/FontWriter.h"
#include "tests/support/TempFolder.h"
#include "tests/win/support/WinTestSupport.h"

namespace {

const char kDejaVuSans[] = "Z:\\usr\\share\\fonts\\truetype\\dejavu\\DejaVuSans.ttf";

class ValidateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLogSink([this](std::string_view line) { log.emplace_back(line); });
  }
  void TearDown() override { SetLogSink({}); }

  TempFolder folder;
  MessageRecorder messages;
  std::vector<std::string> log;
};

TEST_F(ValidateTest, RefusesWithTheMessageForEachCase) {
  folder.Write("notes.txt", "These are not the glyphs you are looking for.\r\n");
  folder.Write("tiny.ttf", "12345678901");  // under the 12 bytes of an offset table
  const auto sevenTables = [] {
    auto layout = testfont::FontWithNames({testfont::Name(1, u"Seven")});
    layout.tags.erase(layout.tags.begin());  // one of the eight required tables is missing
    return testfont::WriteFont(layout);
  }();
  testfont::SaveBytes(folder.File("seven.ttf"), sevenTables);
  const std::string notAFont = "\r\rThis does not appear to be a TrueType or OpenType font file!";

  const struct {
    std::string path;
    std::string text;
    UINT icon;
    const char* logLine;
  } cases[] = {
      {"   ", "Please specify a TrueType file to print!\r\rCheck your command line parameters and try again.",
       MB_ICONERROR, "No font file specified."},
      {folder.File("missing.ttf"), folder.File("missing.ttf") + "\r\rThis file does not exist!",
       MB_ICONWARNING, "Font file does not exist."},
      // The path is looked up exactly as given, spaces and all.
      {" " + folder.File("notes.txt"), " " + folder.File("notes.txt") + "\r\rThis file does not exist!",
       MB_ICONWARNING, "Font file does not exist."},
      {folder.File("notes.txt"), folder.File("notes.txt") + notAFont, MB_ICONWARNING, "Not a font file."},
      {folder.File("tiny.ttf"), folder.File("tiny.ttf") + notAFont, MB_ICONWARNING, "Not a font file."},
      {folder.File("seven.ttf"), folder.File("seven.ttf") + notAFont, MB_ICONWARNING, "Not a font file."},
      // A folder that holds files passes the look-up but cannot be read as a font.
      {folder.path() + "\\", folder.path() + "\\" + notAFont, MB_ICONWARNING, "Not a font file."},
  };
  for (const auto& c : cases) {
    const size_t before = messages.messages().size();
    log.clear();
    EXPECT_FALSE(ValidateFontFile(c.path)) << c.path;
    ASSERT_EQ(messages.messages().size(), before + 1) << c.path;
    const MessageRequest& m = messages.messages().back();
    EXPECT_EQ(m.text, c.text);
    EXPECT_EQ(m.flags, static_cast<UINT>(MB_OK | c.icon)) << c.path;
    EXPECT_EQ(m.title, "Letterloom");
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), c.logLine) << c.path;
  }
}

TEST_F(ValidateTest, AcceptsRealFontsSilently) {
  EXPECT_TRUE(ValidateFontFile(kDejaVuSans));
  EXPECT_TRUE(ValidateFontFile("Z:\\usr\\share\\fonts\\truetype\\liberation\\LiberationSerif-BoldItalic.ttf"));
  EXPECT_TRUE(messages.messages().empty());
}

// The installed-fonts key is a test key of its own, so the system's list
// stays untouched.
class InstalledFontTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gFontsKey = kKey;
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kKey);
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                              key.receive(), nullptr),
              ERROR_SUCCESS);
  }
  void TearDown() override {
    key.reset();
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kKey);
  }
  void Register(const std::string& name, const std::string& data) {
    ASSERT_EQ(RegSetValueExA(key.get(), name.c_str(), 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(data.c_str()),
                             static_cast<DWORD>(data.size() + 1)),
              ERROR_SUCCESS);
  }
  static constexpr char kKey[] = "SOFTWARE\\Letterloom Tests\\Fonts";
  ScopedKey key;
};

TEST_F(InstalledFontTest, FindsTheThreeNameFormsInLowerCase) {
  Register("Arial (TrueType)", "ARIAL.TTF");
  Register("Georgia (True Type)", "Georgia.ttf");
  Register("Verdana", "VERDANA.TTF");
  Register("Arial Bold", "wrong.ttf");  // another title is another font
  EXPECT_EQ(FindInstalledFont("Arial"), "arial.ttf");
  EXPECT_EQ(FindInstalledFont("Georgia"), "georgia.ttf");
  EXPECT_EQ(FindInstalledFont("Verdana"), "verdana.ttf");
  EXPECT_EQ(FindInstalledFont("ARIAL"), "arial.ttf");  // registry names ignore letter case
  EXPECT_EQ(FindInstalledFont("Arial Narrow"), "unknown");
}

TEST_F(InstalledFontTest, LongDataIsReadWhole) {
  const std::string longPath =
      "C:\\Users\\someone\\AppData\\Local\\Microsoft\\Windows\\Fonts\\" + std::string(300, 'x') + ".TTF";
  Register("Long Font (TrueType)", longPath);
  std::string lower = longPath;
  CharLowerBuffA(lower.data(), static_cast<DWORD>(lower.size()));
  EXPECT_EQ(FindInstalledFont("Long Font"), lower);
}

TEST_F(InstalledFontTest, DataUnknownCountsAsNotInstalled) {
  Register("Odd (TrueType)", "unknown");
  EXPECT_EQ(FindInstalledFont("Odd"), "unknown");
}

TEST(InstalledFont, WineListsTheSystemsFontsUnderTheNTKey) {
  gFontsKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
  EXPECT_EQ(FindInstalledFont("DejaVu Sans"),
            "z:\\usr\\share\\fonts\\truetype\\dejavu\\dejavusans.ttf");
  EXPECT_EQ(FindInstalledFont("DejaVu Sans Serif Nonexistent"), "unknown");
}

}  // namespace
