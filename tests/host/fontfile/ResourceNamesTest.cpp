// Title and face name from the bytes of a font resource file.
#include <gtest/gtest.h>

#include "fontfile/ResourceNames.h"
#include "tests/support/FontWriter.h"

namespace {

using testfont::ResourceLayout;
using testfont::WriteResourceFile;

ResourceLayout Layout(std::string title, std::string face, std::string beforeFace = "") {
  ResourceLayout layout;
  layout.title = std::move(title);
  layout.face = std::move(face);
  layout.beforeFace = std::move(beforeFace);
  return layout;
}

ResourceLayout WithoutMarker(ResourceLayout layout) {
  layout.marker = false;
  return layout;
}

struct NamesCase {
  const char* name;
  ResourceLayout layout;
  std::string title;
  std::string face;
};

void PrintTo(const NamesCase& c, std::ostream* os) { *os << c.name; }

class ResourceFile : public testing::TestWithParam<NamesCase> {};

TEST_P(ResourceFile, GivesTitleAndFace) {
  const ResourceNames names = ParseResourceNames(WriteResourceFile(GetParam().layout));
  EXPECT_EQ(names.title, GetParam().title);
  EXPECT_EQ(names.face, GetParam().face);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ResourceFile,
    testing::Values(
        NamesCase{"StyledFont", Layout("Arial Bold", "Arial"), "Arial Bold", "Arial"},
        NamesCase{"RegularStyleFaceIsTitle", Layout("Arial", "Arial"), "Arial", "Arial"},
        NamesCase{"ByteBeforeFaceDropped", Layout("Tahoma Bold", "Tahoma", "\x02"), "Tahoma Bold",
                  "Tahoma"},
        NamesCase{"FaceCutToTitleLetters", Layout("Georgia Italic", "Georgia", "\x05\x06"),
                  "Georgia Italic", "Georgia"},
        NamesCase{"FaceStartingUnlikeTitleLosesALetter", Layout("Zed Mono", "Courier"), "Zed Mono", "ourier"},
        NamesCase{"MarkerMissing", WithoutMarker(Layout("Arial Bold", "Arial")), "Arial Bold", ""},
        NamesCase{"EmptyTitle", Layout("", "Arial"), "", ""}),
    [](const testing::TestParamInfo<NamesCase>& info) { return std::string(info.param.name); });

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

TEST(ResourceNames, NotAResourceFileKeepsTheGivenNames) {
  std::vector<uint8_t> noSignature = WriteResourceFile(Layout("Arial Bold", "Arial"));
  noSignature[0] = 'X';
  const std::vector<std::vector<uint8_t>> files = {
      {}, Bytes("M"), noSignature, Bytes("MZ and no title text Windows! Windows! Windows!")};
  for (const auto& file : files) {
    const ResourceNames names = ParseResourceNames(file);
    EXPECT_EQ(names.title, "unknown");
    EXPECT_EQ(names.face, "unknown");
    const ResourceNames kept = ParseResourceNames(file, {"Old Title", "Old"});
    EXPECT_EQ(kept.title, "Old Title");
    EXPECT_EQ(kept.face, "Old");
  }
}

TEST(ResourceNames, TitleRunsToNulOrEndOfFile) {
  EXPECT_EQ(ParseResourceNames(Bytes("MZ..FONTRES:Arial Bold")).title, "Arial Bold");
  EXPECT_EQ(ParseResourceNames(Bytes(std::string_view("MZFONTRES:Arial\0Bold", 20))).title, "Arial");
}

TEST(ResourceNames, TitleNotRecurringAfterMarkerGivesTitleForFace) {
  const std::string file = std::string("MZ FONTRES:Verdana Bold\0", 24) +
                           "Windows! Windows! Windows!" + std::string("\0Verdana\0", 9);
  const ResourceNames names = ParseResourceNames(Bytes(file));
  EXPECT_EQ(names.title, "Verdana Bold");
  EXPECT_EQ(names.face, "Verdana Bold");
}

TEST(ResourceNames, TitleAtTheMarkerItselfDoesNotFail) {
  // The title's only occurrence after the marker is at the marker, with
  // nothing before it to take a face from.
  const std::string file = std::string("MZ FONTRES:Windows! Windows! Windows!\0\0", 39);
  const ResourceNames names = ParseResourceNames(Bytes(file));
  EXPECT_EQ(names.title, "Windows! Windows! Windows!");
  EXPECT_EQ(names.face, names.title);
}

TEST(ResourceNames, TruncatedFileNeverFails) {
  const std::vector<uint8_t> whole = WriteResourceFile(Layout("Arial Bold", "Arial"));
  for (size_t length = 0; length <= whole.size(); ++length) {
    SCOPED_TRACE(length);
    const std::vector<uint8_t> cut(whole.begin(), whole.begin() + length);
    const ResourceNames names = ParseResourceNames(cut);
    if (names.title == "unknown") {
      EXPECT_EQ(names.face, "unknown");
      continue;
    }
    EXPECT_EQ(names.title, std::string("Arial Bold").substr(0, names.title.size()));
    EXPECT_LE(names.face.size(), cut.size());
  }
}

}  // namespace
