// The reader's byte sources: a file read piecewise and bytes in memory must
// hand out the same bytes and refuse the same ranges.
#include <gtest/gtest.h>

#include <random>

#include "FontFileTestUtil.h"
#include "fontfile/ByteSource.h"
#include "tests/support/FontWriter.h"

namespace {

std::vector<uint8_t> Pattern(size_t size) {
  std::vector<uint8_t> bytes(size);
  std::mt19937 random(7);
  for (auto& b : bytes) b = static_cast<uint8_t>(random());
  return bytes;
}

class Sources : public testing::Test {
 protected:
  void SetUp() override {
    bytes_ = Pattern(10000);
    path_ = folder_.File("bytes.bin");
    ASSERT_TRUE(testfont::SaveBytes(path_, bytes_));
  }

  // Both kinds of source over the same bytes.
  std::vector<std::unique_ptr<ByteSource>> Open() {
    std::vector<std::unique_ptr<ByteSource>> sources;
    auto file = std::make_unique<FileSource>(path_);
    EXPECT_TRUE(file->IsOpen());
    sources.push_back(std::move(file));
    sources.push_back(std::make_unique<MemorySource>(bytes_));
    return sources;
  }

  TempFolder folder_;
  std::string path_;
  std::vector<uint8_t> bytes_;
};

TEST_F(Sources, HandOutTheBytesOfAnyRangeInside) {
  // In order, backwards, repeated and touching the end, so that the file
  // source seeks and does not seek.
  const std::pair<uint64_t, size_t> ranges[] = {
      {0, 12}, {12, 320}, {9000, 1000}, {5, 5}, {5, 5}, {10, 0}, {10000, 0}, {0, 10000}, {9999, 1}};
  for (auto& source : Open()) {
    EXPECT_EQ(source->Size(), bytes_.size());
    uint64_t expectedRead = 0;
    for (const auto& [offset, length] : ranges) {
      std::vector<uint8_t> out(length);
      ASSERT_TRUE(source->Read(offset, out)) << offset << "+" << length;
      EXPECT_TRUE(std::equal(out.begin(), out.end(), bytes_.begin() + offset));
      expectedRead += length;
    }
    EXPECT_EQ(source->BytesRead(), expectedRead);
  }
}

TEST_F(Sources, RefuseRangesReachingPastTheEnd) {
  const std::pair<uint64_t, size_t> ranges[] = {
      {9999, 2}, {10000, 1}, {10001, 0}, {0, 10001}, {UINT64_MAX, 1}, {UINT64_MAX - 1, 4}};
  for (auto& source : Open()) {
    for (const auto& [offset, length] : ranges) {
      std::vector<uint8_t> out(length);
      EXPECT_FALSE(source->Read(offset, out)) << offset << "+" << length;
    }
    EXPECT_EQ(source->BytesRead(), 0u);
    // A refused read leaves the source usable.
    std::vector<uint8_t> out(4);
    ASSERT_TRUE(source->Read(100, out));
    EXPECT_TRUE(std::equal(out.begin(), out.end(), bytes_.begin() + 100));
  }
}

TEST_F(Sources, ReadAheadServesReadsInsideItOnce) {
  for (auto& source : Open()) {
    source->ReadAhead(9500, 4096);  // clipped to the end
    EXPECT_EQ(source->BytesRead(), 500u);
    for (uint64_t offset : {9500u, 9600u, 9990u, 9400u}) {
      std::vector<uint8_t> out(10);
      ASSERT_TRUE(source->Read(offset, out));
      EXPECT_TRUE(std::equal(out.begin(), out.end(), bytes_.begin() + offset)) << offset;
    }
    // Only the read starting before the stretch went to the source again.
    EXPECT_EQ(source->BytesRead(), 510u);
    source->ReadAhead(20000, 10);
    EXPECT_EQ(source->BytesRead(), 510u);
  }
}

TEST(FileSource, MissingFileOrFolderIsNotOpen) {
  TempFolder folder;
  EXPECT_FALSE(FileSource(folder.File("missing")).IsOpen());
  EXPECT_FALSE(FileSource(folder.path()).IsOpen());
  EXPECT_FALSE(IsExistingFile(folder.path()));
  EXPECT_FALSE(IsExistingFile(folder.File("missing")));
}

}  // namespace
