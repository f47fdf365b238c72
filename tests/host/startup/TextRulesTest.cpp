#include <gtest/gtest.h>

#include "startup/InstanceRules.h"
#include "startup/TextRules.h"

namespace {

struct CommandLineCase {
  const char* text;
  LaunchMode mode;
  const char* file;
};

class CommandLineTest : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTest, ChoosesModeAndFile) {
  const auto& c = GetParam();
  const CommandLine parsed = ParseCommandLine(c.text);
  EXPECT_EQ(parsed.mode, c.mode) << "command line [" << c.text << "]";
  EXPECT_EQ(parsed.file, c.file) << "command line [" << c.text << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLineTest,
    ::testing::Values(
        CommandLineCase{"", LaunchMode::NoArgument, ""},
        // Only spaces is not empty: view mode with no file, which validation refuses.
        CommandLineCase{"   ", LaunchMode::View, ""},
        CommandLineCase{"C:\\fonts\\arial.ttf", LaunchMode::View, "C:\\fonts\\arial.ttf"},
        CommandLineCase{"  \"C:\\my fonts\\a b.ttf\"  ", LaunchMode::View, "C:\\my fonts\\a b.ttf"},
        // Two quoted paths stay one invalid path: only the outer quotes go.
        CommandLineCase{"\"a.ttf\" \"b.ttf\"", LaunchMode::View, "a.ttf\" \"b.ttf"},
        CommandLineCase{"/P \"C:\\fonts\\arial.ttf\"", LaunchMode::Print, "C:\\fonts\\arial.ttf"},
        CommandLineCase{"/p C:\\fonts\\arial.ttf", LaunchMode::Print, "C:\\fonts\\arial.ttf"},
        CommandLineCase{"/i \"C:\\fonts\\arial.ttf\"", LaunchMode::Install, "C:\\fonts\\arial.ttf"},
        CommandLineCase{"/I", LaunchMode::Install, ""},
        // A switch after a quoted path still selects the mode, but the file
        // is the text without its first two characters (quote and drive).
        CommandLineCase{"\"C:\\fonts\\arial.ttf\" /P", LaunchMode::Print, ":\\fonts\\arial.ttf\" /P"},
        CommandLineCase{"/P /I", LaunchMode::BothSwitches, ""},
        CommandLineCase{"x.ttf /i /p", LaunchMode::BothSwitches, ""}));

TEST(StripQuotes, DropsOneQuoteAtEachEndAfterTrimming) {
  EXPECT_EQ(StripQuotes("  \"abc\"  "), "abc");
  EXPECT_EQ(StripQuotes("\"abc"), "abc");
  EXPECT_EQ(StripQuotes("abc\""), "abc");
  EXPECT_EQ(StripQuotes("\"\"abc\"\""), "\"abc\"");
  EXPECT_EQ(StripQuotes("\""), "");
}

TEST(NumberText, NonNegativeNumbersGetALeadingBlank) {
  EXPECT_EQ(NumberText(18), " 18");
  EXPECT_EQ(NumberText(0), " 0");
  EXPECT_EQ(NumberText(5400), " 5400");
  EXPECT_EQ(NumberText(-3), "-3");
}

TEST(FileNamePart, TakesTheTextAfterTheLastBackslash) {
  EXPECT_EQ(FileNamePart("C:\\WINDOWS\\FONTS\\arial.ttf"), "arial.ttf");
  EXPECT_EQ(FileNamePart("arial.ttf"), "arial.ttf");
  EXPECT_EQ(FileNamePart("C:\\fonts\\"), "");
}

TEST(ExeNameDiffers, ComparesTheLastElevenCharactersInAnyCase) {
  EXPECT_FALSE(ExeNameDiffers("C:\\Program Files\\Letterloom\\letloom.exe"));
  EXPECT_FALSE(ExeNameDiffers("C:\\tools\\MYLETLOOM.EXE"));
  EXPECT_FALSE(ExeNameDiffers("LetLoom.Exe"));
  EXPECT_TRUE(ExeNameDiffers("C:\\dev\\startup_tests.exe"));
  EXPECT_TRUE(ExeNameDiffers("loom.exe"));
  EXPECT_TRUE(ExeNameDiffers(""));
}

TEST(ParseIniInt, ReadsLikeTheProfileFunctionsAndSaturates) {
  const struct {
    const char* text;
    int value;
  } cases[] = {
      {"18", 18},       {" 5400", 5400},   {"-20", -20},     {"+7", 7},
      {"12abc", 12},    {"abc", 0},        {"", 0},          {"32767", 32767},
      {"32768", 32767}, {"99999", 32767},  {"-32768", -32768}, {"-40000", -32768},
      {"123456789012345678901234567890", 32767},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseIniInt(c.text), c.value) << "[" << c.text << "]";
}

struct VersionCase {
  const char* name;
  WindowsVersionInfo version;
  const char* text;
  bool ntFamily;
};

class WindowsVersionTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(WindowsVersionTest, TextAndFontsKey) {
  const auto& c = GetParam();
  EXPECT_EQ(WindowsVersionText(c.version), c.text);
  EXPECT_EQ(IsNTFamily(c.version), c.ntFamily);
  EXPECT_EQ(FontsKeyFor(c.version), c.ntFamily ? kNTFontsKey : kWin9xFontsKey);
}

INSTANTIATE_TEST_SUITE_P(
    Table, WindowsVersionTest,
    ::testing::Values(VersionCase{"win95", {true, 1, 4, 0}, "Windows 95", false},
                      VersionCase{"win98", {true, 1, 4, 10}, "Windows 98", false},
                      VersionCase{"winme", {true, 1, 4, 90}, "Windows 98", false},
                      VersionCase{"nt40", {true, 2, 4, 0}, "Windows NT 4.0", true},
                      VersionCase{"win2k", {true, 2, 5, 0}, "Windows 2000", true},
                      VersionCase{"winxp", {true, 2, 5, 1}, "Windows 2000", true},
                      // Newer NT systems have no text but still keep fonts under the NT key.
                      VersionCase{"win7", {true, 2, 6, 1}, "", true},
                      VersionCase{"win10", {true, 2, 10, 0}, "", true},
                      VersionCase{"failed", {false, 2, 5, 0}, "", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InstanceMarks, OnlyMarkerWindowsOfTheFormClassCount) {
  EXPECT_TRUE(MarksOf("LetterloomForm", "Letterloom Thingy", "LetterloomForm").marker);
  EXPECT_FALSE(MarksOf("Edit", "Letterloom Thingy", "LetterloomForm").marker);
  EXPECT_FALSE(MarksOf("LetterloomForm", "Letterloom Thingy - Microsoft", "LetterloomForm").marker);
  EXPECT_FALSE(MarksOf("LetterloomForm", "letterloom thingy", "LetterloomForm").marker);
}

TEST(InstanceMarks, PrintInstallAndNoticeCaptionsOfAnyProgram) {
  const WindowMarks print = MarksOf("Notepad", "Letterloom - Print", "LetterloomForm");
  EXPECT_TRUE(print.printWindow);
  EXPECT_FALSE(print.installWindow);
  EXPECT_TRUE(MarksOf("#32770", "Install Letterloom fonts", "LetterloomForm").installWindow);
  EXPECT_FALSE(MarksOf("#32770", "Letterloom", "LetterloomForm").printWindow);
  EXPECT_FALSE(MarksOf("#32770", "Letterloom print", "LetterloomForm").printWindow);
  EXPECT_TRUE(MarksOf("#32770", "Letterloom Loader X", "LetterloomForm").limitNotice);
}

TEST(InstanceMarks, LimitNoticeText) {
  EXPECT_EQ(LimitNoticeText(21),
            "No more than 20 copies of Letterloom can be loaded at once.\r\r"
            "Please shut down other copies. - 21");
}

}  // namespace
