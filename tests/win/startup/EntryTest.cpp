#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "startup/Session.h"
#include "startup/SessionLog.h"
#include "startup/ext.h"
#include "startup/generic32.h"
#include "tests/support/FontWriter.h"
#include "viewer/frmFont.h"
#include "tests/support/TempFolder.h"
#include "tests/win/support/WinTestSupport.h"

namespace {

using Lines = std::vector<std::string>;

// Each run gets a program folder of its own with logging switched on, a
// fixed clock and a recorder that answers the message boxes.
class EntryTest : public ::testing::Test {
 protected:
  // The welcome screen is switched off: it waits for a person.
  void SetUp() override {
    folder.Write("letloom.ini", "[Letloom]\r\nLogging=1\r\n[HelpDialogs]\r\nNoFileName=1\r\n");
  }

  // A run that opens the viewer is closed again at once, as a user would.
  EntryOutcome Run(const std::string& commandLine) {
    const EntryOutcome outcome = LetterloomEntry(commandLine, folder.path());
    if (outcome == EntryOutcome::ViewerOpen) CloseViewer();
    return outcome;
  }
  static void CloseViewer() {
    ASSERT_NE(ViewerForm(), nullptr);
    ViewerForm()->Close();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) break;
      DispatchMessageA(&msg);
    }
  }
  Lines Log() const { return ReadLines(folder.File("ltlog.txt")); }

  // What every logged run starts with, up to the raw command line.
  static Lines Opening(const std::string& commandLine) {
    return {"Letterloom started " + kWhen,
            "Version = 2.62 - 7/9/2001",
            "System directory - c:\\windows\\system32\\",
            "Windows directory - c:\\windows\\",
            "Fonts directory - c:\\windows\\fonts\\",
            "Windows Version - ",
            "Font registry key - SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts",
            "Startup parameter - " + commandLine};
  }
  static Lines Join(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  }

  static inline const std::string kWhen = "12/11/2026 2:05:09 PM";
  TempFolder folder;
  FixedClock clock{TestTime()};
  MessageRecorder messages;
};

TEST_F(EntryTest, LogDateIsTheSystemsShortDateAndLongTime) {
  ASSERT_TRUE(RunningUnderWine()) << "the expected log lines are those of Wine's default setup";
  EXPECT_EQ(DateTimeText(TestTime()), kWhen);
}

TEST_F(EntryTest, BothSwitchesAreRefusedWithTheirMessage) {
  EXPECT_EQ(Run("/P /I"), EntryOutcome::Ended);
  EXPECT_EQ(Log(), Join(Opening("/P /I"), {"Both /P and /I in command line.", "ending OK",
                                            "Letterloom shutdown " + kWhen}));
  ASSERT_EQ(messages.messages().size(), 1u);
  const MessageRequest& m = messages.messages()[0];
  EXPECT_EQ(m.text,
            "\r\rThis program cannot print and install fonts at the same time.  "
            "Check your command line parameters and try again.");
  EXPECT_EQ(m.title, "Letterloom");
  EXPECT_EQ(m.flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
}

TEST_F(EntryTest, EachModeLogsItsDecision) {
  const struct {
    const char* commandLine;
    Lines decision;
  } cases[] = {
      {"\"C:\\fonts\\a b.ttf\"", {"No /I or /P specified.", "Font file to view - C:\\fonts\\a b.ttf"}},
      {"/p \"C:\\fonts\\x.ttf\"", {"/P found in command line.", "Font file to print - C:\\fonts\\x.ttf"}},
      {"/I C:\\fonts\\x.ttf", {"/I found in command line.", "Font file to install - C:\\fonts\\x.ttf"}},
  };
  for (const auto& c : cases) {
    Run(c.commandLine);
    const Lines log = Log();
    const Lines opening = Opening(c.commandLine);
    ASSERT_GE(log.size(), opening.size() + c.decision.size()) << c.commandLine;
    EXPECT_EQ(Lines(log.begin(), log.begin() + opening.size()), opening) << c.commandLine;
    EXPECT_EQ(Lines(log.begin() + opening.size(), log.begin() + opening.size() + c.decision.size()),
              c.decision)
        << c.commandLine;
    EXPECT_EQ(log.back(), "Letterloom shutdown " + kWhen) << c.commandLine;
  }
}

TEST_F(EntryTest, PrintAndInstallSetTheCommandLineMode) {
  Run("C:\\x.ttf");
  EXPECT_FALSE(gCommandLineMode);
  Run("/P C:\\x.ttf");
  EXPECT_TRUE(gCommandLineMode);
  Run("/i C:\\x.ttf");
  EXPECT_TRUE(gCommandLineMode);
  EXPECT_EQ(gRequestedFile, "C:\\x.ttf");
}

TEST_F(EntryTest, NoArgumentOpensTahomaFromTheFontsFolder) {
  EXPECT_EQ(Run(""), EntryOutcome::ViewerOpen);
  const Lines log = Log();
  EXPECT_EQ(gRequestedFile, "c:\\windows\\fonts\\tahoma.ttf");
  const Lines opening = Opening("");
  ASSERT_GT(log.size(), opening.size());
  EXPECT_EQ(log[opening.size()], "No command line parameter.");
}

TEST_F(EntryTest, SessionValuesDescribeTheSystem) {
  Run("/P /I");
  EXPECT_EQ(gIniFile, folder.path() + "\\letloom.ini");
  EXPECT_EQ(gHelpFile, folder.path() + "\\letloom.hlp");
  EXPECT_EQ(gDialogFont, "Tahoma");
  EXPECT_TRUE(gExeNameDiffers);  // the test program is not letloom.exe
}

TEST_F(EntryTest, LoggingNeedsExactlyTheValueOne) {
  const struct {
    const char* settings;
    bool logs;
  } cases[] = {
      {"[Letloom]\r\nLogging=1\r\n", true},
      {"[letloom]\r\nLogging = 1 \r\n", true},
      {"[Letloom]\r\nLogging=yes\r\n", false},
      {"[Letloom]\r\nLogging=2\r\n", false},
      {"[Letloom]\r\n", false},
  };
  for (const auto& c : cases) {
    TempFolder own;
    own.Write("letloom.ini", c.settings);
    LetterloomEntry("/P /I", own.path());
    EXPECT_EQ(own.Exists("ltlog.txt"), c.logs) << c.settings;
  }
}

TEST_F(EntryTest, ASecondRunReplacesTheFirstRunsLog) {
  Run("/P /I");
  Run("C:\\second.ttf");
  const Lines log = Log();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front(), "Letterloom started " + kWhen);
  EXPECT_EQ(std::count(log.begin(), log.end(), "Letterloom started " + kWhen), 1);
  EXPECT_EQ(log[7], "Startup parameter - C:\\second.ttf");
}

TEST_F(EntryTest, ALogHeldByAnotherInstanceLeavesTheRunWithoutLog) {
  folder.Write("ltlog.txt", "other instance\r\n");
  HANDLE held = CreateFileA(folder.File("ltlog.txt").c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_EQ(Run("/P /I"), EntryOutcome::Ended);
  EXPECT_FALSE(gLogging);
  EXPECT_EQ(messages.messages().size(), 1u);  // the run itself went on as usual
  CloseHandle(held);
  EXPECT_EQ(Log(), Lines{"other instance"});
}

TEST_F(EntryTest, ATextFileNamedOnTheCommandLineIsNotAFont) {
  const std::string notes = folder.Write("notes.txt", "plain text\r\n");
  EXPECT_EQ(Run(notes), EntryOutcome::Ended);
  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_EQ(messages.messages()[0].text,
            notes + "\r\rThis does not appear to be a TrueType or OpenType font file!");
  const Lines log = Log();
  EXPECT_EQ(log.end()[-4], "Not a font file.");
  EXPECT_EQ(log.end()[-3], "Font file not valid- " + notes);
  EXPECT_EQ(log.end()[-2], "ending OK");
}

TEST_F(EntryTest, InstallingAnInstalledFontIsRefusedAndLeavesNoResourceFile) {
  const std::string font = "Z:\\usr\\share\\fonts\\truetype\\dejavu\\DejaVuSerif-Bold.ttf";
  EXPECT_EQ(Run("/I \"" + font + "\""), EntryOutcome::Ended);
  EXPECT_EQ(gFontTitle, "DejaVu Serif Bold");
  EXPECT_EQ(gTableName, "DejaVu Serif");
  EXPECT_TRUE(gFontInstalled);
  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_EQ(messages.messages()[0].text,
            "DejaVu Serif Bold\r\n" + font +
                "\r\n\r\nThis font is already installed on your system and cannot be installed again.");
  EXPECT_EQ(messages.messages()[0].flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
  EXPECT_EQ(Log().end()[-3], "Font file already installed.");
  EXPECT_FALSE(PathExists(gResourceFile));
  EXPECT_FALSE(PathExists(folder.path() + "\\DejaVuSerif-Bold.fot"));
}

TEST_F(EntryTest, InstallingAFontWithoutNamesEndsWithAMessage) {
  // The eight tables but no naming records: a font by its directory, with nothing to call it.
  const std::string nameless = folder.File("nameless.ttf");
  testfont::SaveBytes(nameless, testfont::WriteFont(testfont::FontWithNames({})));
  EXPECT_EQ(Run("/I " + nameless), EntryOutcome::Ended);
  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_EQ(messages.messages()[0].text,
            nameless + "\r\rThe names of this font could not be read, so it cannot be installed.");
  EXPECT_EQ(Log().end()[-2], "ending OK");
  EXPECT_FALSE(PathExists(gResourceFile));
}

TEST_F(EntryTest, PrintModeAddsTheFontForTheRunAndRemovesItAgain) {
  const std::string font = "Z:\\usr\\share\\fonts\\truetype\\liberation\\LiberationSerif-BoldItalic.ttf";
  EXPECT_EQ(Run("/P " + font), EntryOutcome::Ended);
  const Lines log = Log();
  auto has = [&](const std::string& line) { return std::find(log.begin(), log.end(), line) != log.end(); };
  EXPECT_TRUE(has("gFontTitle = Liberation Serif Bold Italic"));
  EXPECT_TRUE(has("gTableName = Liberation Serif"));
  EXPECT_TRUE(has("Font loaded into GDI OK."));
  EXPECT_TRUE(messages.messages().empty());
  WIN32_FIND_DATAA data{};
  EXPECT_FALSE(ScopedFind(folder.path() + "\\*.fot", data));
}

// The default font choice, against a Fonts folder the test fills.
class DefaultFontTest : public ::testing::Test {
 protected:
  void SetUp() override { gFontsDir = fonts.path() + "\\"; }
  void TearDown() override { gFontsDir.clear(); }
  TempFolder fonts;
};

TEST_F(DefaultFontTest, PrefersTahomaThenVerdanaThenArial) {
  fonts.Write("zzz.ttf", "x");
  fonts.Write("arial.ttf", "x");
  EXPECT_EQ(PickDefaultFontFile(), gFontsDir + "arial.ttf");
  fonts.Write("verdana.ttf", "x");
  EXPECT_EQ(PickDefaultFontFile(), gFontsDir + "verdana.ttf");
  fonts.Write("tahoma.ttf", "x");
  EXPECT_EQ(PickDefaultFontFile(), gFontsDir + "tahoma.ttf");
}

TEST_F(DefaultFontTest, OtherwiseTheFirstTrueTypeFileOrTheFolderItself) {
  EXPECT_EQ(PickDefaultFontFile(), gFontsDir);
  fonts.Write("readme.txt", "x");
  EXPECT_EQ(PickDefaultFontFile(), gFontsDir);
  fonts.Write("georgia.ttf", "x");
  EXPECT_EQ(PickDefaultFontFile(), gFontsDir + "georgia.ttf");
}

TEST_F(DefaultFontTest, AFolderNamedLikeAFontIsNotAFont) {
  ASSERT_TRUE(CreateDirectoryA((gFontsDir + "tahoma.ttf").c_str(), nullptr));
  fonts.Write("arial.ttf", "x");
  EXPECT_EQ(PickDefaultFontFile(), gFontsDir + "arial.ttf");
}

TEST(PathExists, FilesAndFoldersThatHoldFiles) {
  TempFolder folder;
  EXPECT_FALSE(PathExists(folder.path() + "\\"));  // empty folder
  EXPECT_FALSE(PathExists(folder.path()));         // a folder is not a file
  folder.Write("a.ttf", "x");
  EXPECT_TRUE(PathExists(folder.File("a.ttf")));
  EXPECT_TRUE(PathExists(folder.path() + "\\"));
  EXPECT_FALSE(PathExists(folder.File("b.ttf")));
  EXPECT_FALSE(PathExists(""));
}

}  // namespace
