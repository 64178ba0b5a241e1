// The glossary on a small hand-made aligned book whose answers can be counted by hand.

#include "words/glossary.h"

#include <gtest/gtest.h>

#include "book/book_store.h"
#include "book/book_writer.h"
#include "support/test_books.h"

namespace orvelis {
namespace {

class GlossaryOfASmallBook : public ::testing::Test {
 protected:
  void SetUp() override {
    BookContent c = test::TinyBookContent();  // its other pages have no markers: nothing aligned
    const char* pairs[][2] = {
        {"Св<font class=\"emph\">е</font>т и тьма.", "The light and the dark."},
        {"Свет мира.", "The light of the world."},
        {"Мир и свет.", "The world and the light."},
        {"Тьма.", "The dark."},
        {"Светом.", "By the light."},
        {"Мира нет.", "No world."},
    };
    for (int k = 1; k <= 6; ++k) {
      const std::string marker = "((" + std::to_string(k) + ":1:" + std::to_string(k) + "))";
      c.pages[kRussian][k - 1] = marker + pairs[k - 1][0];
      c.pages[kEnglish][k - 1] = marker + pairs[k - 1][1];
    }
    // Not aligned: a paragraph only one language has, and text before the first marker.
    c.pages[kRussian][6] = "Свет до абзаца((7:1:7))Свет";
    c.pages[kEnglish][6] = "((8:1:8))Light";
    ASSERT_TRUE(book.OpenBook(std::make_unique<MemoryByteSource>(WriteBook(c).bytes)));
    ASSERT_TRUE(book.LoadPageTexts(kEnglish));
    ASSERT_TRUE(book.LoadPageTexts(kRussian));
  }
  BookStore book;
};

// "свет" (with "Светом" and the stressed "Свет") stands in pairs 1, 2, 3 and 5. Dice:
// light 2*4/(4+4) = 1, the 2*4/(4+5), and 2*2/(4+2), world 2*2/(4+3), then "by" and "of" at
// 2*1/(4+1), the same score and count, in the order of their letters.
TEST_F(GlossaryOfASmallBook, ScoresEveryCandidateByDiceOverAlignedParagraphs) {
  const Glossary glossary(book);
  EXPECT_EQ(glossary.PairCount(), 6u);
  const auto light = glossary.Lookup("Свет", kRussian);
  ASSERT_EQ(light.size(), 5u);
  const std::pair<const char*, double> expected[] = {
      {"light", 1.0}, {"the", 8.0 / 9}, {"and", 4.0 / 6}, {"world", 4.0 / 7}, {"by", 0.4}};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(light[i].word, expected[i].first) << i;
    EXPECT_NEAR(light[i].score, expected[i].second, 1e-9) << i;
  }
  EXPECT_EQ(light[0].count, 4);
  ASSERT_EQ(light[0].examples.size(), 2u);
  EXPECT_EQ(light[0].examples[0].page, 1);
  EXPECT_EQ(light[0].examples[0].marker, "((1:1:1))");
  EXPECT_EQ(light[0].examples[1].page, 2);
}

// "world" stands in pairs 2, 3 and 6, as "мира" (twice) and "мир" (once) do: the candidate is
// named by its most frequent form.
TEST_F(GlossaryOfASmallBook, WorksBothWaysAndNamesACandidateByItsMostFrequentForm) {
  const Glossary glossary(book);
  const auto world = glossary.Lookup("world", kEnglish, 2);
  ASSERT_EQ(world.size(), 2u);
  EXPECT_EQ(world[0].word, "мира");
  EXPECT_DOUBLE_EQ(world[0].score, 1.0);
  EXPECT_EQ(world[0].count, 3);
  EXPECT_EQ(world[1].word, "свет");  // 2*2/(3+4), above "нет" at 2*1/(3+1)
  EXPECT_TRUE(glossary.Lookup("абзаца", kRussian).empty());  // only outside the aligned paragraphs
  EXPECT_TRUE(glossary.Lookup("nothing", kEnglish).empty());
}

}  // namespace
}  // namespace orvelis
