#include "render/contents_pages.h"

#include <gtest/gtest.h>

#include <regex>
#include <vector>

#include "book/book_store.h"
#include "book/book_writer.h"
#include "support/fixtures.h"
#include "support/test_books.h"

namespace orvelis {
namespace {

// Expected rows and pages are whole documents in tests/fixtures/contents_pages.html; the tests
// choose the input, the Part and the pane.
const std::map<std::string, std::string>& Expected() {
  static const std::map<std::string, std::string> cases = test::FixtureCases("contents_pages.html");
  return cases;
}
std::string Expected(const std::string& name) { return test::FixtureDocument(Expected(), name); }

TEST(SectionRows, OneRowPerLineOfThreeFieldsAndNothingForAnEmptyList) {
  EXPECT_EQ(SectionRows(""), "");
  EXPECT_EQ(SectionRows("1|Alpha|21\r\nbroken|line\r\n2|Beta|25"),
            Expected("section rows: only lines of three fields"));
}

TEST(SectionRows, SublinesFollowAfterSmallGapsIndentedWhateverTheCaseOfTheBreak) {
  EXPECT_EQ(SectionRows("3|Title<br>first<BR>second|40"), Expected("section rows: a title with two sublines"));
  EXPECT_EQ(SectionRows("3|Title<Br>first<bR>second|40"), Expected("section rows: a title with two sublines"));
}

class Contents : public ::testing::Test {
 protected:
  void SetUp() override { test::OpenTinyBook(book); }
  BookStore book;
};

TEST_F(Contents, TitlesOfAllPapersListTheForewordThenFourLinkedHeadingsWithTheirNotes) {
  book.SetCurrentLanguage(kEnglish);
  EXPECT_EQ(PartContents(book, 0, 0), Expected("contents: titles of the Papers, English"));
}

TEST_F(Contents, PartOneOpensWithTheDetailedForewordAndItsSections) {
  book.SetCurrentLanguage(kEnglish);
  EXPECT_EQ(PartContents(book, 1, 1), Expected("contents: Part I, Russian"));  // the second pane
}

TEST_F(Contents, PartThreeListsPapers57To119InOrder) {
  book.SetCurrentLanguage(kRussian);
  const std::string html = PartContents(book, 0, 3);
  const std::regex docLink("href=\"@doc(\\d+)\"");
  std::vector<int> papers;
  for (auto it = std::sregex_iterator(html.begin(), html.end(), docLink); it != std::sregex_iterator(); ++it) {
    papers.push_back(std::stoi((*it)[1]));
  }
  std::vector<int> expected;
  for (int n = 57; n <= 119; ++n) expected.push_back(n);
  EXPECT_EQ(papers, expected);
}

TEST(ContentsOfABook, APaperWithoutSectionsShowsOnlyItsRow) {
  BookContent content = test::TinyBookContent();
  content.papers[0].sections = {"", ""};
  BookStore book;
  ASSERT_TRUE(book.OpenBook(std::make_unique<MemoryByteSource>(WriteBook(content).bytes)));
  ASSERT_TRUE(book.LoadPaperRecords());
  EXPECT_EQ(PaperRows(book, 0, true, kEnglish),
            Expected("paper rows: the Foreword without sections, detailed, English"));
}

}  // namespace
}  // namespace orvelis
