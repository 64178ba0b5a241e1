#include "search/search_results.h"

#include <gtest/gtest.h>

#include "book/book_store.h"
#include "reader/headless_reader.h"
#include "support/test_books.h"

namespace orvelis {
namespace {

class Results : public ::testing::Test {
 protected:
  void SetUp() override {
    test::OpenTinyBook(book);
    book.SetCurrentLanguage(kRussian);
  }
  CSearchResults Run(const std::string& list, const std::string& query = "x") {
    CSearchResults results(book, regex, stylesheet, view, options);
    results.Search(query, list, options.sortByRating, options.groupResults, scopeTitle);
    return results;
  }
  static std::vector<int> PageOrder(const CSearchResults& r) {
    std::vector<int> order;
    for (std::size_t i = 1; i < r.Pages().size(); ++i) order.push_back(r.Pages()[i][0]);
    return order;
  }

  BookStore book;
  HeadlessReader reader{book, "/u/"};
  RegexEngine& regex = reader.regex;
  const Stylesheet& stylesheet = reader.core.Styles();
  RecordingSearchView& view = reader.view;
  std::string scopeTitle;  // the parts selector's text when narrower than the book
  ResultsOptions& options = reader.options;
};

TEST_F(Results, TheQuicksortPutsEqualRatingsInItsOwnOrder) {
  options.sortByRating = 1;
  EXPECT_EQ(PageOrder(Run(",5|2,9|1,12|2,")), (std::vector<int>{12, 5, 9}));
  EXPECT_EQ(PageOrder(Run(",3|1,4|1,5|1,6|1,")), (std::vector<int>{5, 6, 3, 4}));
  options.sortByRating = 0;
  EXPECT_EQ(PageOrder(Run(",5|2,9|1,12|2,")), (std::vector<int>{5, 9, 12}));
}

TEST_F(Results, ThePivotIndexRoundsHalfToEven) {
  EXPECT_EQ(MidpointHalfEven(1, 2), 2);  // 1.5
  EXPECT_EQ(MidpointHalfEven(2, 3), 2);  // 2.5
  EXPECT_EQ(MidpointHalfEven(3, 4), 4);  // 3.5
  EXPECT_EQ(MidpointHalfEven(1, 3), 2);
}

TEST_F(Results, GroupsSumTheirPagesAndScaleTheirBars) {
  options.groupResults = true;
  options.sortByRating = 0;
  const CSearchResults r = Run(",19|1,20|3,40|2,");
  ASSERT_EQ(r.Groups().size(), 3u);
  EXPECT_EQ(r.Groups()[1], (CSearchResults::GroupRow{1, 4}));
  EXPECT_EQ(r.Groups()[2], (CSearchResults::GroupRow{2, 2}));
  EXPECT_EQ(r.MaxGroupCount(), 4);
  const std::string& html = view.documents.back();
  EXPECT_NE(html.find("1. <a href=\"@doc1\" target=\"_self\" title=\"Документ 1. RU PAPER TITLE 1\">1.RU PAPER TITLE "
                      "1</a></td>"),
            std::string::npos);
  // Paper 1 has the best sum: a full bar; Paper 2 half of it: 15 units filled, 15 left.
  EXPECT_NE(html.find("<font title=\"Рейтинг Документа\" style=\"border: 1px solid black\"><font "
                      "style=\"display:inline-block;height:8;width:30;background-color:#B8B251;font-size:6\"></font>"
                      "</font>"),
            std::string::npos);
  EXPECT_NE(html.find("<font title=\"Рейтинг Документа\" style=\"border: 1px solid black\"><font "
                      "style=\"display:inline-block;height:8;width:15;background-color:#B8B251;font-size:6\"></font>"
                      "<font style=\"display:inline-block;height:8;width:15;background-color:#FBF8C6;font-size:6\">"
                      "</font></font>"),
            std::string::npos);
  EXPECT_NE(html.find("<a href=\"!ungroup\""), std::string::npos);
}

TEST_F(Results, RatingBarsAreThirtyUnitsSplitByRating) {
  const std::string fullBar =
      "<font title=\"Рейтинг страницы\" style=\"border: 1px solid black\"><font "
      "style=\"display:inline-block;height:8;width:30;background-color:#6F6FFB;font-size:6\"></font></font>";
  EXPECT_EQ(CSearchResults::RatingBar(3, 3, "6F6FFB", "EEEEFF", "Рейтинг страницы"), fullBar);
  EXPECT_EQ(CSearchResults::RatingBar(0, 0, "6F6FFB", "EEEEFF", "Рейтинг страницы"), fullBar);
  EXPECT_EQ(CSearchResults::RatingBar(1, 3, "6F6FFB", "EEEEFF", "t"),
            "<font title=\"t\" style=\"border: 1px solid black\"><font "
            "style=\"display:inline-block;height:8;width:10;background-color:#6F6FFB;font-size:6\"></font><font "
            "style=\"display:inline-block;height:8;width:20;background-color:#EEEEFF;font-size:6\"></font></font>");
  EXPECT_NE(CSearchResults::RatingBar(2, 3, "a", "b", "t").find("width:20;"), std::string::npos);
  EXPECT_NE(CSearchResults::RatingBar(1, 4, "a", "b", "t").find("width:8;"), std::string::npos);  // 7.5 -> 8
  EXPECT_NE(CSearchResults::RatingBar(1, 12, "a", "b", "t").find("width:2;"), std::string::npos);  // 2.5 -> 2
}

TEST_F(Results, PageEntriesNameTheirPaperAndTheForewordHasNoNumber) {
  options.sortByRating = 0;
  Run(",3|1,135|2,");
  const std::string& html = view.documents.back();
  EXPECT_NE(html.find("1. <a href=\"@page3\" title=\"Документ 0. RU PAPER TITLE 0. Страница 3\" "
                      "target=\"_self\">RU PAPER TITLE 0. Страница 3</a>"),
            std::string::npos);
  EXPECT_NE(html.find("2. <a href=\"@page135\" title=\"Документ 12. RU PAPER TITLE 12. Страница 135\" "
                      "target=\"_self\">12.RU PAPER TITLE 12. Страница 135</a>"),
            std::string::npos);
  EXPECT_NE(html.find("сортировка по: &nbsp; <a href=\"^rate\""), std::string::npos);
  EXPECT_NE(html.find("<b>страницам</b>"), std::string::npos);
  EXPECT_EQ(view.resultCountText, "Результаты (страниц: 2)");
}

TEST_F(Results, TheTitleNamesTheScopeAndShowsTheQueryAsText) {
  scopeTitle = "Часть II";
  Run(",5|1,", "</title><script>alert(1)</script>");
  const std::string& html = view.documents.back();
  EXPECT_EQ(html.rfind("<html><title>Поиск по книге - Часть II - [&lt;/title&gt;&lt;script&gt;alert(1)&lt;/script&gt;]"
                       "</title>",
                       0),
            0u);
  EXPECT_EQ(html.find("<script>"), std::string::npos);
  scopeTitle.clear();
  Run(",5|1,", "бог");
  EXPECT_EQ(view.documents.back().rfind("<html><title>Поиск по книге - [бог]</title>", 0), 0u);
}

TEST_F(Results, NothingFoundDisablesAndClearsSearchInFound) {
  view.searchInFoundChecked = true;
  view.searchInFoundEnabled = true;
  Run(",");
  EXPECT_FALSE(view.searchInFoundEnabled);
  EXPECT_FALSE(view.searchInFoundChecked);
  EXPECT_NE(view.documents.back().find("<br><br><h4>Ничего не найдено</h4><br></BODY></HTML>"), std::string::npos);
  view.searchInFoundChecked = true;
  Run(",5|1,");
  EXPECT_TRUE(view.searchInFoundEnabled);
  EXPECT_TRUE(view.searchInFoundChecked);
}

}  // namespace
}  // namespace orvelis
