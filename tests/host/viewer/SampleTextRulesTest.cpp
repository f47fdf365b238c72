#include <gtest/gtest.h>

#include "viewer/SampleText.h"

namespace {

TEST(SampleTextRules, LinesOfTheFileAreJoinedWithoutTheirBreaks) {
  const struct { const char* content; const char* joined; } cases[] = {
      {"abc\r\n", "abc"},
      {"abc", "abc"},
      {"one\r\ntwo\r\n", "onetwo"},
      {"one\rtwo\ntree\n", "onetwotree"},
      {"\r\n\r\n", ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(JoinedLines(c.content), c.joined) << c.content;
}

TEST(SampleTextRules, SettingsLineHasABlankForEachBreak) {
  const struct { const char* text; const char* line; } cases[] = {
      {"abc", "abc"},
      {"one\r\ntwo", "one two"},
      {"a\rb\nc", "a b c"},
      {"a\r\n\r\nb", "a  b"},
      {"end\r\n", "end "},
  };
  for (const auto& c : cases) EXPECT_EQ(OneSettingsLine(c.text), c.line) << c.text;
}

}  // namespace
