// UTF-16 to the host's stand-in ANSI code page, Windows-1252.
#include <gtest/gtest.h>

#include <map>

#include "fontfile/AnsiText.h"

namespace {

struct AnsiCase {
  const char* name;
  std::u16string text;
  std::string expected;
};

void PrintTo(const AnsiCase& c, std::ostream* os) { *os << c.name; }

class Utf16ToAnsiCases : public testing::TestWithParam<AnsiCase> {};

TEST_P(Utf16ToAnsiCases, Converts) { EXPECT_EQ(Utf16ToAnsi(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf16ToAnsiCases,
    testing::Values(
        AnsiCase{"Empty", u"", ""},
        AnsiCase{"Latin1", u"Gr\u00F6\u00DFe \u00A0\u00FF", "Gr\xF6\xDF" "e \xA0\xFF"},
        AnsiCase{"TypographicPunctuation", u"\u2018\u2019\u201C\u201D\u2013\u2014\u2026",
                 "\x91\x92\x93\x94\x96\x97\x85"},
        AnsiCase{"EuroTrademarkAndLigature", u"\u20AC\u2122\u0152\u0178", "\x80\x99\x8C\x9F"},
        AnsiCase{"UndefinedBytesStandForControls", u"\u0081\u008D\u008F\u0090\u009D",
                 "\x81\x8D\x8F\x90\x9D"},
        AnsiCase{"OtherControlsLacking", u"\u0080\u0092", "??"},
        AnsiCase{"GreekAndCyrillicLacking", u"\u03A9\u0416", "??"},
        AnsiCase{"NoLookAlikes", u"\u0100\u2212", "??"},
        AnsiCase{"SurrogatePairIsOneCharacter", u"\U0001D400x", "?x"},
        AnsiCase{"LoneSurrogates", std::u16string{0xD800, u'a', 0xDC00}, "?a?"},
        AnsiCase{"HighSurrogateAtEnd", std::u16string{u'a', 0xDBFF}, "a?"}),
    [](const testing::TestParamInfo<AnsiCase>& info) { return std::string(info.param.name); });

TEST(Utf16ToAnsi, EveryByteComesFromExactlyOneCharacter) {
  // A slip in the 0x80-0x9F table shows as a byte reached twice or never.
  std::map<unsigned char, std::vector<char16_t>> sources;
  for (char32_t c = 0; c <= 0xFFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const std::string out = Utf16ToAnsi(std::u16string(1, static_cast<char16_t>(c)));
    ASSERT_EQ(out.size(), 1u) << std::hex << static_cast<uint32_t>(c);
    if (out[0] != '?' || c == u'?') sources[static_cast<unsigned char>(out[0])].push_back(char16_t(c));
  }
  EXPECT_EQ(sources.size(), 256u);
  for (const auto& [byte, characters] : sources) EXPECT_EQ(characters.size(), 1u) << int(byte);
}

}  // namespace
