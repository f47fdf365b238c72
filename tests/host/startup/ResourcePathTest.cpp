#include <gtest/gtest.h>

#include <set>
#include <string>

#include "fontfile/ResourcePath.h"

namespace {

TEST(UniqueResourcePath, ReplacesTheLastLetterOfTheBaseWithACounter) {
  std::set<std::string> taken;
  auto exists = [&](const std::string& path) { return taken.count(path) > 0; };
  const std::string candidate = "C:\\loom\\arial.fot";
  EXPECT_EQ(UniqueResourcePath(candidate, exists), candidate);
  taken = {candidate};
  EXPECT_EQ(UniqueResourcePath(candidate, exists), "C:\\loom\\aria0.fot");
  for (int n = 0; n < 10; ++n) taken.insert("C:\\loom\\aria" + std::to_string(n) + ".fot");
  // From ten on the name grows by a character.
  EXPECT_EQ(UniqueResourcePath(candidate, exists), "C:\\loom\\aria10.fot");
}

TEST(UniqueResourcePath, StopsWhenEveryNameIsTaken) {
  auto everything = [](const std::string&) { return true; };
  EXPECT_FALSE(UniqueResourcePath("C:\\loom\\arial.fot", everything).empty());
}

TEST(ResourceBaseName, DropsTheExtensionOfTheFileNamePart) {
  EXPECT_EQ(ResourceBaseName("C:\\Fonts\\Arial.ttf"), "Arial");
  EXPECT_EQ(ResourceBaseName("DejaVuSerif-Bold.ttf"), "DejaVuSerif-Bold");
  EXPECT_EQ(ResourceBaseName("C:\\x\\ab"), "");
}

}  // namespace
