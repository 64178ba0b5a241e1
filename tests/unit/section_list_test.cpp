#include "book/section_list.h"

#include <gtest/gtest.h>

namespace orvelis {
namespace {

TEST(SectionList, ThreeFieldsMakeASectionWithFurtherLines) {
  const auto sections = ParseSectionList("12|The Title<br>second<br>third|345");
  ASSERT_EQ(sections.size(), 1u);
  EXPECT_EQ(sections[0].number, "12");
  EXPECT_EQ(sections[0].title, "The Title");
  EXPECT_EQ(sections[0].furtherLines, (std::vector<std::string>{"second", "third"}));
  EXPECT_EQ(sections[0].page, "345");
}

TEST(SectionList, LinesWithoutExactlyThreeFieldsAreSkipped) {
  const auto sections = ParseSectionList("Only title|345\r\n1|A|2\r\n1|2|3|4\r\n\r\nplain\r\nx||");
  ASSERT_EQ(sections.size(), 2u);
  EXPECT_EQ(sections[0].title, "A");
  EXPECT_EQ(sections[1].number, "x");
  EXPECT_EQ(sections[1].title, "");
  EXPECT_EQ(sections[1].page, "");
}

TEST(SectionList, OnlyCrLfSeparatesLines) {
  const auto sections = ParseSectionList("1|A|2\n3|B|4");
  EXPECT_TRUE(sections.empty());  // one line of five fields
}

}  // namespace
}  // namespace orvelis
