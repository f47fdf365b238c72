// Real fonts, where the machine has them.
#include <gtest/gtest.h>

#include <filesystem>

#include "fontfile/cTrueTypeInfo.h"

namespace {

namespace fs = std::filesystem;

const fs::path kFonts = "/usr/share/fonts";

std::unique_ptr<cTrueTypeInfo> LoadSystemFont(const fs::path& path) {
  auto reader = std::make_unique<cTrueTypeInfo>();
  reader->SetTrueTypeFile(path.string());
  reader->LoadFontInfo();
  return reader;
}

TEST(SystemFonts, DejaVuSans) {
  const fs::path path = kFonts / "truetype/dejavu/DejaVuSans.ttf";
  if (!fs::exists(path)) GTEST_SKIP() << path << " not installed";
  const auto font = LoadSystemFont(path);
  EXPECT_EQ(font->FileFormat(), cTrueTypeInfo::kTrueType);
  EXPECT_EQ(font->FontFamily(), "DejaVu Sans");
  EXPECT_EQ(font->FontSubFamily(), "Book");
  EXPECT_EQ(font->FullFamilyName(), "DejaVu Sans");
  EXPECT_EQ(font->FontIdentifier(), "DejaVu Sans");
  EXPECT_TRUE(font->Version().starts_with("Version 2.")) << font->Version();
  EXPECT_EQ(font->Vendor(), "DejaVu fonts team");
  EXPECT_EQ(font->VendorURL(), "http://dejavu.sourceforge.net");
  EXPECT_TRUE(font->Copyright().starts_with("Copyright (c) 2003 by Bitstream, Inc."));
  EXPECT_TRUE(font->License().starts_with("Fonts are (c) Bitstream"));
  EXPECT_EQ(font->Additional(), "DejaVu Sans\r\nBook\r\n");
}

TEST(SystemFonts, LiberationSans) {
  const fs::path path = kFonts / "truetype/liberation/LiberationSans-Regular.ttf";
  if (!fs::exists(path)) GTEST_SKIP() << path << " not installed";
  const auto font = LoadSystemFont(path);
  EXPECT_EQ(font->FontFamily(), "Liberation Sans");
  EXPECT_EQ(font->FontSubFamily(), "Regular");
  EXPECT_EQ(font->FullFamilyName(), "Liberation Sans");
  EXPECT_EQ(font->Author(), "Steve Matteson");
  EXPECT_EQ(font->AuthorURL(), "http://www.ascendercorp.com/typedesigners.html");
  EXPECT_EQ(font->Additional(), "");
}

TEST(SystemFonts, EveryTrueTypeFontPassesAndHasAFamily) {
  if (!fs::is_directory(kFonts)) GTEST_SKIP() << "no " << kFonts;
  int seen = 0;
  for (const auto& entry : fs::recursive_directory_iterator(kFonts)) {
    if (!entry.is_regular_file() || entry.path().extension() != ".ttf") continue;
    SCOPED_TRACE(entry.path().string());
    ++seen;
    cTrueTypeInfo reader;
    reader.SetTrueTypeFile(entry.path().string());
    EXPECT_NE(reader.FileFormat(), 0);
    // The check reads the offset table and the directory and nothing else.
    EXPECT_EQ(reader.BytesRead(), 12 + 16 * reader.TableList().size());
    reader.LoadFontInfo();
    EXPECT_FALSE(reader.FontFamily().empty());
    EXPECT_LT(reader.BytesRead(), fs::file_size(entry.path()));
  }
  if (seen == 0) GTEST_SKIP() << "no TrueType fonts under " << kFonts;
}

}  // namespace
