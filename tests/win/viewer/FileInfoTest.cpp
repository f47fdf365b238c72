#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/support/TempFolder.h"
#include "tests/win/support/WinTestSupport.h"
#include "viewer/CFileInfo.h"

namespace {

// The expected texts use English separators; other locales only change those.
bool EnglishSeparators() {
  char decimal[8] = {}, thousand[8] = {};
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, sizeof decimal);
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, thousand, sizeof thousand);
  return std::string(decimal) == "." && std::string(thousand) == ",";
}

struct SizeCase {
  std::uint64_t size;
  const char* text;
};

// Both sides of every row boundary: the rows go by whole kilobytes, while
// the shown number is rounded, so the last size of a row can show as the
// next row's first number (9.999KB as 10.00KB).
const SizeCase kSizes[] = {
    {0, "0 bytes"},
    {1, "1 bytes"},
    {1000, "1,000 bytes"},
    {1023, "1,023 bytes"},
    {1024, "1.00KB (1,024 bytes)"},
    {1536, "1.50KB (1,536 bytes)"},
    {10239, "10.00KB (10,239 bytes)"},
    {10240, "10.0KB (10,240 bytes)"},
    {102399, "100.0KB (102,399 bytes)"},
    {102400, "100KB (102,400 bytes)"},
    {1023999, "1000KB (1,023,999 bytes)"},
    {1024000, "0.98MB (1,024,000 bytes)"},
    {10239999, "9.77MB (10,239,999 bytes)"},
    {10240000, "9.8MB (10,240,000 bytes)"},
    {102399999, "97.7MB (102,399,999 bytes)"},
    {102400000, "98MB (102,400,000 bytes)"},
    {1023999999, "977MB (1,023,999,999 bytes)"},
    {1024000000, "0.95GB (1,024,000,000 bytes)"},
    // From 2 GB on a signed 32-bit size would turn negative.
    {2147483647, "2.00GB (2,147,483,647 bytes)"},
    {2147483648ULL, "2.00GB (2,147,483,648 bytes)"},
    {4294967296ULL, "4.00GB (4,294,967,296 bytes)"},
    {5905580032ULL, "5.50GB (5,905,580,032 bytes)"},
    {1099511627776ULL, "1024.00GB (1,099,511,627,776 bytes)"},
};

TEST(FormatFileSize, RowBoundaries) {
  if (!EnglishSeparators()) GTEST_SKIP() << "the expected texts need English separators";
  for (const SizeCase& c : kSizes) {
    EXPECT_EQ(CFileInfo::FormatFileSize(c.size), c.text) << "size " << c.size;
  }
}

TEST(FormatFileDate, LongDateBlankLongTime) {
  if (GetUserDefaultLCID() != MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT)) {
    GTEST_SKIP() << "expected texts are for English (United States)";
  }
  // The weekday given is wrong on purpose: the date names its own.
  SYSTEMTIME t = MakeTime(2001, 7, 9, 14, 5, 9, 3);
  EXPECT_EQ(CFileInfo::FormatFileDate(t), "Monday, July 9, 2001 2:05:09 PM");
  t.wHour = 0;
  t.wMinute = 0;
  t.wSecond = 0;
  EXPECT_EQ(CFileInfo::FormatFileDate(t), "Monday, July 9, 2001 12:00:00 AM");
}

class FileInfoTest : public ::testing::Test {
 protected:
  TempFolder folder;
};

TEST_F(FileInfoTest, FactsOfARealFile) {
  const std::string path = folder.Write("Sample Font.TTF", std::string(1536, 'x'));
  const SYSTEMTIME written = MakeTime(2001, 7, 9, 14, 5, 9);

  CFileInfo info;
  // Given in another letter case and with a detour, as a user might type it.
  info.SetFullPathName(folder.path() + "\\.\\sample font.ttf");
  ASSERT_TRUE(info.FileExists());
  EXPECT_EQ(info.FileSize(), 1536u);
  EXPECT_EQ(info.FileName(), "Sample Font.TTF");
  EXPECT_EQ(info.FileExtension(), "TTF");
  EXPECT_EQ(info.FullPathName(), info.FilePath() + "Sample Font.TTF");
  EXPECT_EQ(info.FilePath().back(), '\\');
  EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, info.FullPathName().c_str(), -1,
                           path.c_str(), -1),
            CSTR_EQUAL)
      << info.FullPathName() << " vs " << path;
  EXPECT_TRUE(IsCharUpperA(info.FilePath()[0])) << "the drive letter is spelled as stored";
  EXPECT_FALSE(info.TypeName().empty());
  EXPECT_FALSE(info.DisplayName().empty());

  ASSERT_TRUE(info.SetModifyTime(written));
  const SYSTEMTIME& back = info.ModifyTime();
  EXPECT_EQ(back.wYear, 2001);
  EXPECT_EQ(back.wMonth, 7);
  EXPECT_EQ(back.wDay, 9);
  EXPECT_EQ(back.wHour, 14);
  EXPECT_EQ(back.wMinute, 5);
  EXPECT_EQ(back.wSecond, 9);
  EXPECT_EQ(back.wMilliseconds, 0);
  EXPECT_EQ(back.wDayOfWeek, 1);
  EXPECT_NE(info.CreationTime().wYear, 0);
}

TEST_F(FileInfoTest, TheIconChangesHandsAtEachRefresh) {
  folder.Write("a.txt", "a");
  CFileInfo info;
  info.SetFullPathName(folder.File("a.txt"));
  ASSERT_TRUE(info.FileExists());
  const HICON first = info.hIcon();
  if (!first) GTEST_SKIP() << "the shell gave no icon";
  info.Refresh();
  EXPECT_NE(info.hIcon(), nullptr);
  ICONINFO unused{};
  // The first icon was destroyed, unless the shell handed out the same handle again.
  if (info.hIcon() != first) {
    EXPECT_FALSE(GetIconInfo(first, &unused));
  }
}

TEST_F(FileInfoTest, AMissingFileLeavesTheFactsAsTheyWere) {
  folder.Write("here.ttf", "12345");
  CFileInfo info;
  info.SetFullPathName(folder.File("here.ttf"));
  ASSERT_TRUE(info.FileExists());

  info.SetFullPathName(folder.File("gone.ttf"));
  EXPECT_FALSE(info.FileExists());
  EXPECT_EQ(info.FileSize(), 5u);
  EXPECT_EQ(info.FileName(), "here.ttf");

  // A pattern must not report some other file's facts.
  info.SetFullPathName(folder.File("*.ttf"));
  EXPECT_FALSE(info.FileExists());

  CFileInfo fresh;
  fresh.SetFullPathName(folder.File("gone.ttf"));
  EXPECT_FALSE(fresh.FileExists());
  EXPECT_EQ(fresh.FileSize(), 0u);
  EXPECT_EQ(fresh.FileName(), "");
}

TEST_F(FileInfoTest, AttributeFlagsChangeOneBit) {
  folder.Write("f.ttf", "x");
  CFileInfo info;
  info.SetFullPathName(folder.File("f.ttf"));
  ASSERT_TRUE(info.SetAttributeFlag(FILE_ATTRIBUTE_READONLY, true));
  EXPECT_TRUE(info.Attributes() & FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(GetFileAttributesA(folder.File("f.ttf").c_str()) & FILE_ATTRIBUTE_READONLY);
  ASSERT_TRUE(info.SetAttributeFlag(FILE_ATTRIBUTE_READONLY, false));
  EXPECT_FALSE(info.Attributes() & FILE_ATTRIBUTE_READONLY);
}

}  // namespace
