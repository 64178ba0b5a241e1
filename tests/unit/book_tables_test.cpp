#include "book/book_tables.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "support/fixtures.h"

namespace orvelis {
namespace {

// The tables as tests/fixtures/book_tables.txt writes them: ten numbers to a line.
template <typename Table>
std::string Lines(const Table& table) {
  std::string text;
  for (std::size_t i = 0; i < table.size(); ++i) {
    text += std::to_string(table[i]) + (i % 10 == 9 || i + 1 == table.size() ? "\n" : " ");
  }
  return text;
}

std::vector<int> Numbers(const std::string& text) {
  std::istringstream in(text);
  std::vector<int> numbers;
  for (int n; in >> n;) numbers.push_back(n);
  return numbers;
}

class BookTablesTest : public ::testing::Test {
 protected:
  const std::map<std::string, std::string> expected = test::FixtureCases("book_tables.txt");
  const std::vector<int> lastPage = Numbers(expected.at("LastPage"));
};

TEST_F(BookTablesTest, TheTablesAreTheBooksDivision) {
  const BookTables& t = FillBookTables();
  EXPECT_EQ(Lines(t.LastPaperOfPart), expected.at("LastPaperOfPart"));
  EXPECT_EQ(Lines(t.LastPage), expected.at("LastPage"));
  EXPECT_EQ(Lines(t.FirstPage), expected.at("FirstPage"));
}

TEST_F(BookTablesTest, EveryPageBelongsToThePaperWhoseRangeHoldsIt) {
  ASSERT_EQ(lastPage.size(), 197u);
  int first = 1;
  for (int paper = 0; paper < 197; ++paper) {
    for (int page = first; page <= lastPage[paper]; ++page) ASSERT_EQ(PaperOfPage(page), paper) << page;
    first = lastPage[paper] + 1;
  }
  EXPECT_EQ(PaperOfPage(0), 0);
  EXPECT_EQ(PaperOfPage(2098), 0);
  EXPECT_EQ(PaperOfPage(19), 1);  // the opening pages of Part I go with its first Paper
}

TEST_F(BookTablesTest, GoingToAPaperStartsAfterThePreviousPapersLastPage) {
  ASSERT_EQ(lastPage.size(), 197u);
  EXPECT_EQ(PaperJumpPage(0), 1);
  for (int paper = 1; paper < 197; ++paper) EXPECT_EQ(PaperJumpPage(paper), lastPage[paper - 1] + 1) << paper;
  EXPECT_EQ(PaperJumpPage(57), 649);  // two pages before Paper 57's own text on 651
}

TEST(BookTables, RomanNumbersOnlyForTheFourParts) {
  EXPECT_EQ(RomanNumber(1), "I");
  EXPECT_EQ(RomanNumber(2), "II");
  EXPECT_EQ(RomanNumber(3), "III");
  EXPECT_EQ(RomanNumber(4), "IV");
  EXPECT_EQ(RomanNumber(0), "0");
  EXPECT_EQ(RomanNumber(5), "5");
}

TEST(BookTables, WordsByLanguage) {
  EXPECT_EQ(PageWord(kEnglish), "Page");
  EXPECT_EQ(PageWord(kRussian), "Страница");
  EXPECT_EQ(PaperWord(kEnglish), "Paper");
  EXPECT_EQ(PaperWord(kRussian), "Документ");
  EXPECT_EQ(PartWord(kEnglish), "Part");
  EXPECT_EQ(PartWord(kRussian), "Часть");
  EXPECT_EQ(ContentsOfPartTitle(kEnglish), "The Contents of Part ");
  EXPECT_EQ(ContentsOfPartTitle(kRussian), "Содержание Части ");
}

}  // namespace
}  // namespace orvelis
