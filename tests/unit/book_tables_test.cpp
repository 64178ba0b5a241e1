#include "book/book_tables.h"

#include <gtest/gtest.h>

namespace orvelis {
namespace {

TEST(BookTables, PaperOfPageFollowsTheLastPageTable) {
  EXPECT_EQ(PaperOfPage(0), 0);
  EXPECT_EQ(PaperOfPage(1), 0);
  EXPECT_EQ(PaperOfPage(18), 0);
  EXPECT_EQ(PaperOfPage(19), 1);
  EXPECT_EQ(PaperOfPage(20), 1);
  EXPECT_EQ(PaperOfPage(33), 2);
  EXPECT_EQ(PaperOfPage(2097), 196);
  EXPECT_EQ(PaperOfPage(2098), 0);
}

TEST(BookTables, EveryPageBelongsToExactlyOnePaperWithoutGaps) {
  const BookTables& t = FillBookTables();
  int expectedFirst = 1;
  for (int i = 0; i < kPaperCount; ++i) {
    for (int page = expectedFirst; page <= t.LastPage[i]; ++page) ASSERT_EQ(PaperOfPage(page), i) << page;
    expectedFirst = t.LastPage[i] + 1;
  }
  EXPECT_EQ(expectedFirst, kPageCount + 1);
}

TEST(BookTables, PartsOpenWithTwoPagesBeforeTheirFirstPaper) {
  const BookTables& t = FillBookTables();
  EXPECT_EQ(t.LastPaperOfPart[2] + 1, 57);
  EXPECT_EQ(t.FirstPage[57], 651);
  EXPECT_EQ(PaperJumpPage(57), 649);
  EXPECT_EQ(t.FirstPage[0], 1);
  EXPECT_EQ(t.FirstPage[1], 21);
  EXPECT_EQ(t.FirstPage[2], 33);
  EXPECT_EQ(t.FirstPage[32], 357);
  EXPECT_EQ(t.FirstPage[120], 1323);
  EXPECT_EQ(PaperJumpPage(0), 1);
  EXPECT_EQ(PaperJumpPage(5), 62);
}

TEST(BookTables, RomanNumbersOnlyForTheFourParts) {
  EXPECT_EQ(RomanNumber(1), "I");
  EXPECT_EQ(RomanNumber(3), "III");
  EXPECT_EQ(RomanNumber(4), "IV");
  EXPECT_EQ(RomanNumber(0), "0");
  EXPECT_EQ(RomanNumber(5), "5");
}

TEST(BookTables, WordsByLanguage) {
  EXPECT_EQ(PageWord(kEnglish), "Page");
  EXPECT_EQ(PageWord(kRussian), "Страница");
  EXPECT_EQ(PaperWord(kRussian), "Документ");
  EXPECT_EQ(PartWord(kRussian), "Часть");
  EXPECT_EQ(ContentsOfPartTitle(kEnglish), "The Contents of Part ");
  EXPECT_EQ(ContentsOfPartTitle(kRussian), "Содержание Части ");
}

}  // namespace
}  // namespace orvelis
