#include <gtest/gtest.h>

#include <windows.h>

#include "tests/support/TempFolder.h"
#include "viewer/SampleText.h"

namespace {

TEST(SampleTextFile, OneLineRoundTripsAndLineBreaksAreJoined) {
  TempFolder folder;
  const std::string path = folder.File("sample.txt");
  const struct { const char* text; const char* stored; const char* readBack; } cases[] = {
      {"abc", "abc\r\n", "abc"},
      {"one\r\ntwo", "one\r\ntwo\r\n", "onetwo"},
      {"", "\r\n", ""},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(WriteSampleText(path, c.text));
    EXPECT_EQ(folder.Read("sample.txt"), c.stored);
    EXPECT_EQ(ReadSampleText(path).value_or("<none>"), c.readBack);
  }
}

TEST(SampleTextFile, MissingFileReadsAsNothing) {
  TempFolder folder;
  EXPECT_FALSE(ReadSampleText(folder.File("sample.txt")).has_value());
}

// Only the file and its folder may be there afterwards: no temporary file left behind.
int FilesIn(const TempFolder& folder) {
  WIN32_FIND_DATAA data{};
  HANDLE find = FindFirstFileA((folder.path() + "\\*").c_str(), &data);
  int count = 0;
  if (find == INVALID_HANDLE_VALUE) return 0;
  do {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++count;
  } while (FindNextFileA(find, &data));
  FindClose(find);
  return count;
}

TEST(SampleTextFile, FailedWriteKeepsTheOldText) {
  TempFolder folder;
  const std::string path = folder.Write("sample.txt", "kept\r\n");
  {
    // Another program holds the file open without sharing it.
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(WriteSampleText(path, "lost"));
    CloseHandle(held);
  }
  EXPECT_EQ(folder.Read("sample.txt"), "kept\r\n");
  EXPECT_EQ(FilesIn(folder), 1);

  EXPECT_FALSE(WriteSampleText(folder.File("no such folder\\sample.txt"), "lost"));
  EXPECT_EQ(FilesIn(folder), 1);
}

}  // namespace
