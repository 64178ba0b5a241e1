#include "render/font_choices.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvelis {
namespace {

TEST(FontRules, FoundryTagsAreDroppedSoEachFamilyComesOnceByItsBrowserName) {
  EXPECT_EQ(SortedFontFamilies({"Nimbus Sans [urw]", "Nimbus Sans [UKWN]", "Nimbus Sans", "C059 [urw]", "Odd [x"}),
            (std::vector<std::string>{"C059", "Nimbus Sans", "Odd [x"}));
  EXPECT_EQ(SortedFontFamilies({" [urw]"}), std::vector<std::string>{});
}

TEST(FontRules, FamiliesSortedCaseInsensitivelyOnce) {
  EXPECT_EQ(SortedFontFamilies({"Verdana", "arial", "DejaVu Sans", "Arial", "Ёлка", "Courier"}),
            (std::vector<std::string>{"arial", "Courier", "DejaVu Sans", "Verdana", "Ёлка"}));
  EXPECT_TRUE(SortedFontFamilies({}).empty());
  EXPECT_EQ(SizeStepOfMenuItem(0), -3);
  EXPECT_EQ(SizeStepOfMenuItem(8), 5);
  EXPECT_EQ(SizeStepOfMenuItem(3), 0);
}

}  // namespace
}  // namespace orvelis
