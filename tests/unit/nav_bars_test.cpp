#include "render/nav_bars.h"

#include <gtest/gtest.h>

#include "book/book_store.h"
#include "support/fixtures.h"
#include "support/test_books.h"

namespace orvelis {
namespace {

// The expected bars are whole documents in tests/fixtures/nav_bars.html; these tests only decide
// which bar is asked for: which Paper or page, which pane and language, which selected key.
class Bars : public ::testing::Test {
 protected:
  void SetUp() override { test::OpenTinyBook(book); }
  NavBarContext Context(Language current, int pane, std::string selected = "") {
    book.SetCurrentLanguage(current);
    return NavBarContext{book, pane, "/u/", std::move(selected)};
  }
  std::string Expected(const std::string& name) { return test::FixtureDocument(expected, name); }
  BookStore book;
  const std::map<std::string, std::string> expected = test::FixtureCases("nav_bars.html");
};

TEST_F(Bars, PaperHeaderLeadsToNeighbourPapersWithRussianTooltipsInEitherLanguage) {
  EXPECT_EQ(PaperHeaderBar(Context(kEnglish, 0), 12), Expected("header: paper 12, English"));
  EXPECT_EQ(PaperHeaderBar(Context(kRussian, 0), 4), Expected("header: paper 4, Russian"));
}

TEST_F(Bars, ForewordHeaderLeadsLeftToTheContentsAndHasNoNumberLine) {
  EXPECT_EQ(PaperHeaderBar(Context(kRussian, 0), 0), Expected("header: Foreword, Russian"));
  EXPECT_EQ(PaperHeaderBar(Context(kEnglish, 0), 0), Expected("header: Foreword, English"));
  EXPECT_NE(PaperHeaderBar(Context(kRussian, 0), 1).find("<a href=\"@doc0\""), std::string::npos);
}

TEST_F(Bars, TheSecondPaneShowsTheOtherLanguageAndTheLastPaperHasNoRightButton) {
  EXPECT_EQ(PaperHeaderBar(Context(kRussian, 1), 196), Expected("header: paper 196, English"));
}

TEST_F(Bars, ContentsHeaderHasNoLeftButtonAndLeadsRightToTheForeword) {
  EXPECT_EQ(PaperHeaderBar(Context(kEnglish, 0), -1), Expected("header: contents, English"));
  EXPECT_EQ(PaperHeaderBar(Context(kEnglish, 1), -1), Expected("header: contents, Russian"));
  EXPECT_EQ(PaperHeaderBar(Context(kEnglish, 0), -2), "");
}

TEST_F(Bars, PageBarChainsPagesAndEndsAtTheLastPage) {
  EXPECT_EQ(PageNavBar(Context(kRussian, 0), 135, true), Expected("page bar: top, page 135, Russian"));
  EXPECT_EQ(PageNavBar(Context(kEnglish, 0), 2097, false), Expected("page bar: bottom, page 2097, English"));
}

TEST_F(Bars, FirstPageLeadsBackToTheContentsOfPartFour) {
  EXPECT_EQ(PageNavBar(Context(kRussian, 0), 1, true), Expected("page bar: top, page 1, Russian"));
  EXPECT_EQ(PageNavBar(Context(kRussian, 1), 1, false), Expected("page bar: bottom, page 1, English"));
}

TEST_F(Bars, ContentsVariantsFollowTheLastCharacterOfTheSelectedKey) {
  EXPECT_EQ(PageNavBar(Context(kRussian, 0, "cont1"), 0, true), Expected("contents bar: top, Part I, Russian"));
  EXPECT_EQ(PageNavBar(Context(kEnglish, 0, "cont1"), -5, true), Expected("contents bar: top, Part I, English"));
  EXPECT_EQ(PageNavBar(Context(kEnglish, 0, "cont3"), 0, true), Expected("contents bar: top, Part III, English"));
  EXPECT_EQ(PageNavBar(Context(kEnglish, 0, "cont4"), 0, false), Expected("contents bar: bottom, Part IV, English"));
  for (const char* key : {"book", "cont", "cont0", ""}) {
    EXPECT_EQ(PageNavBar(Context(kEnglish, 0, key), 0, true),
              Expected("contents bar: top, titles of the Papers, English"))
        << key;
  }
  EXPECT_EQ(PageNavBar(Context(kEnglish, 1, "cont"), 0, false),
            Expected("contents bar: bottom, titles of the Papers, Russian"));
}

}  // namespace
}  // namespace orvelis
