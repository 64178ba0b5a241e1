#include "render/nav_bars.h"

#include <gtest/gtest.h>

#include "book/book_store.h"
#include "support/test_books.h"

namespace orvelis {
namespace {

const std::string kImg = "/u/1x1.gif";

std::string Button(const std::string& href, const std::string& cls, const std::string& alt) {
  return "<a href=\"" + href + "\" target=\"_self\"><img src=\"" + kImg + "\" class=\"" + cls +
         "\" onmouseover=\"this.className='" + cls + "_on';\" onmouseout=\"this.className='" + cls +
         "';\" border=\"0\" width=\"20\" alt=\"" + alt + "\" height=\"18\"></a>";
}

const std::string kHeaderOpen =
    "<table style=\"border-bottom: #333333 1px solid\" bgcolor=\"#DDDDDD\" width=\"100%\" cellpadding=\"2\" "
    "cellspacing=\"0\" border=\"0\"><tr><td width=\"10%\" align=\"left\">&nbsp;&nbsp;";
const std::string kHeaderMiddle = "</td><td width=\"80%\" align=\"center\">";
const std::string kHeaderRight = "</font></td><td width=\"10%\" align=\"right\">";
const std::string kHeaderClose = "&nbsp;&nbsp;</td></tr></table>";
const std::string kSpacer = "<img src=\"/u/1x1.gif\" width=\"1\" height=\"5\"><br><font class=\"doc_tit\">";

std::string NavOpen(bool top) {
  return std::string("<table style=\"border-") + (top ? "bottom" : "top") +
         ": #333333 1px solid\" bgcolor=\"#FFFFFF\" width=\"100%\" cellpadding=\"2\" cellspacing=\"0\" "
         "border=\"0\"><tr><td width=\"40%\" align=\"right\">";
}
std::string Middle(const std::string& label) {
  return "</td><td width=\"20%\" nowrap align=\"center\"><i>" + label + "</i></td><td width=\"40%\">";
}
const std::string kNavClose = "</td></tr></table>";

class Bars : public ::testing::Test {
 protected:
  void SetUp() override { test::OpenTinyBook(book); }
  NavBarContext Context(Language current, int pane, std::string selected = "") {
    book.SetCurrentLanguage(current);
    return NavBarContext{book, pane, "/u/", std::move(selected)};
  }
  BookStore book;
};

TEST_F(Bars, PaperHeaderLeadsToNeighbourPapersWithRussianTooltips) {
  EXPECT_EQ(PaperHeaderBar(Context(kEnglish, 0), 12),
            kHeaderOpen + Button("@doc11", "p_book", "Предыдущий Документ - EN PAPER TITLE 11") + kHeaderMiddle +
                "<font class=\"doc_num_tit\">Paper 12</font><br>" + kSpacer + "EN PAPER TITLE 12" + kHeaderRight +
                Button("@doc13", "n_book", "Следующий Документ - EN PAPER TITLE 13") + kHeaderClose);
}

TEST_F(Bars, ForewordHeaderLeadsLeftToTheContentsAndHasNoNumberLine) {
  EXPECT_EQ(PaperHeaderBar(Context(kRussian, 0), 0),
            kHeaderOpen + Button("@cont", "p_book", "ОГЛАВЛЕНИЕ") + kHeaderMiddle + kSpacer + "RU PAPER TITLE 0" +
                kHeaderRight + Button("@doc1", "n_book", "Следующий Документ - RU PAPER TITLE 1") + kHeaderClose);
  EXPECT_NE(PaperHeaderBar(Context(kRussian, 0), 1).find("href=\"@doc0\""), std::string::npos);
}

TEST_F(Bars, LastPaperHasNoRightButton) {
  EXPECT_EQ(PaperHeaderBar(Context(kRussian, 1), 196),
            kHeaderOpen + Button("@doc195", "p_book", "Предыдущий Документ - EN PAPER TITLE 195") + kHeaderMiddle +
                "<font class=\"doc_num_tit\">Paper 196</font><br>" + kSpacer + "EN PAPER TITLE 196" + kHeaderRight +
                kHeaderClose);
}

TEST_F(Bars, ContentsHeaderHasNoLeftButtonAndLeadsRightToTheForeword) {
  EXPECT_EQ(PaperHeaderBar(Context(kEnglish, 0), -1),
            kHeaderOpen + kHeaderMiddle + "<font class=\"doc_tit\">CONTENTS" + kHeaderRight +
                Button("@doc0", "n_book", "Следующий Документ - EN PAPER TITLE 0") + kHeaderClose);
  EXPECT_EQ(PaperHeaderBar(Context(kEnglish, 0), -2), "");
}

TEST_F(Bars, PageBarChainsPagesAndEndsAtTheLastPage) {
  EXPECT_EQ(PageNavBar(Context(kRussian, 0), 135, true),
            NavOpen(true) + Button("@page134", "p_page", "Предыдущая страница - 134") + Middle("Страница 135") +
                Button("@page136", "n_page", "Следующая страница - 136") + kNavClose);
  EXPECT_EQ(PageNavBar(Context(kEnglish, 0), 2097, false),
            NavOpen(false) + Button("@page2096", "p_page", "Предыдущая страница - 2096") + Middle("Page 2097") +
                kNavClose);
}

TEST_F(Bars, FirstPageLeadsBackToTheContentsOfPartFour) {
  EXPECT_EQ(PageNavBar(Context(kRussian, 0), 1, true),
            NavOpen(true) + Button("@cont4", "p_page", "Содержание Части IV") + Middle("Страница 1") +
                Button("@page2", "n_page", "Следующая страница - 2") + kNavClose);
  EXPECT_NE(PageNavBar(Context(kEnglish, 0), 1, true).find("alt=\"The Contents of Part IV\""), std::string::npos);
}

TEST_F(Bars, ContentsVariantsFollowTheSelectedKey) {
  EXPECT_EQ(PageNavBar(Context(kRussian, 0, "cont1"), 0, true),
            NavOpen(true) + Button("@cont0", "p_page", "Названия Документов") + Middle("Содержание Части I") +
                Button("@cont2", "n_page", "Содержание Части II") + kNavClose);
  EXPECT_EQ(PageNavBar(Context(kEnglish, 0, "cont4"), 0, false),
            NavOpen(false) + Button("@cont3", "p_page", "The Contents of Part III") +
                Middle("The Contents of Part IV") + Button("@page1", "n_page", "Следующая страница - 1") + kNavClose);
  for (const char* key : {"book", "cont", "cont0"}) {
    EXPECT_EQ(PageNavBar(Context(kEnglish, 0, key), 0, true),
              NavOpen(true) + Middle("The Titles of the Papers") +
                  Button("@cont1", "n_page", "The Contents of Part I") + kNavClose)
        << key;
  }
}

}  // namespace
}  // namespace orvelis
