#include "render/contents_pages.h"

#include <gtest/gtest.h>

#include "book/book_store.h"
#include "book/book_writer.h"
#include "support/test_books.h"

namespace orvelis {
namespace {

std::string SectionRow(const std::string& number, const std::string& title, const std::string& page) {
  return "<TR><td></td><TD class=\"sect\">" + number +
         "</TD><TD><table cellpadding=\"0\" cellspacing=\"0\" width=\"100%\"><tr><td width=\"98%\" "
         "class=\"cont\"><font class=\"nocont\"><A href=\"@page" + page + "\">" + title +
         "</a>&nbsp;</font></td><TD class=\"fpage\">" + page + "</TD></TR></table>";
}
const std::string kGap = "<font style=\"font-size:4\">&nbsp;</font><br>&nbsp;&nbsp;&nbsp;";
const std::string kEnd = "<tr><td>&nbsp;</td></tr>";

TEST(SectionRows, OneRowPerThreeFieldLine) {
  EXPECT_EQ(SectionRows(""), "");
  EXPECT_EQ(SectionRows("1|Alpha|21\r\nbroken|line\r\n2|Beta|25"),
            SectionRow("1", "Alpha", "21") + "</td></tr>" + SectionRow("2", "Beta", "25") + "</td></tr>" + kEnd);
}

TEST(SectionRows, SublinesFollowAfterSmallGapsIndented) {
  EXPECT_EQ(SectionRows("3|Title<br>first<BR>second|40"),
            SectionRow("3", "Title", "40") + kGap + "first<br>" + kGap + "second</td></tr>" + kEnd);
}

class Contents : public ::testing::Test {
 protected:
  void SetUp() override {
    test::OpenTinyBook(book);
    book.SetCurrentLanguage(kEnglish);
  }
  BookStore book;
};

std::string SimpleRow(int n, const std::string& label, const std::string& tooltip, int firstPage) {
  return "<TR><td valign=\"top\"><table cellpadding=\"0\" cellspacing=\"0\" width=\"100%\"><tr><td width=\"98%\" "
         "class=\"cont\"><font class=\"nocont\"><A class=\"doc\" target=\"_self\" title=\"" + tooltip +
         "\" href=\"@doc" + std::to_string(n) + "\">" + label +
         "</a>&nbsp;</font></td><TD width=\"2%\" class=\"fpage\">" + std::to_string(firstPage) +
         "</TD></tr></table></td><TD class=\"author\">en author " + std::to_string(n) + "</TD></TR>";
}

TEST_F(Contents, TitlesOfAllPapersStartWithTheForewordThenFourLinkedHeadings) {
  const std::string html = PartContents(book, 0, 0);
  const std::string head =
      "<TABLE width=\"100%\" cellpadding=\"0\" cellspacing=\"10\"><TR><td width=\"70%\"></td><TD width=\"20%\" "
      "class=\"author\">Автор</TD></tr>";
  ASSERT_EQ(html.rfind(head, 0), 0u);
  EXPECT_EQ(html.substr(head.size(), SimpleRow(0, "EN PAPER TITLE 0", "EN PAPER TITLE 0", 1).size()),
            SimpleRow(0, "EN PAPER TITLE 0", "EN PAPER TITLE 0", 1));
  EXPECT_NE(html.find("<TR><TD colspan=4 align=\"center\"><br><a href=\"@cont1\"><font class=\"part\" title=\"The "
                      "Contents of Part I\">Part I. en part 1</font></a><br><br>en note 1<br><Br></TD></TR>"),
            std::string::npos);
  // Part II has an empty note: nothing between the heading's breaks.
  EXPECT_NE(html.find("Part II. en part 2</font></a><br><Br></TD></TR>"), std::string::npos);
  EXPECT_NE(html.find(SimpleRow(1, "1. EN PAPER TITLE 1", "Paper 1", 21)), std::string::npos);
  EXPECT_NE(html.find(SimpleRow(196, "196. EN PAPER TITLE 196", "Paper 196", 2087)), std::string::npos);
  EXPECT_EQ(html.substr(html.size() - 8), "</TABLE>");
}

TEST_F(Contents, PartOneOpensWithTheDetailedForeword) {
  const std::string html = PartContents(book, 0, 1);
  const std::string head =
      "<TABLE width=\"100%\" cellpadding=\"0\" cellspacing=\"6\"><TR><TD width=\"2%\"></td><TD "
      "width=\"2%\"></td><td width=\"96%\"></TD></tr>";
  ASSERT_EQ(html.rfind(head, 0), 0u);
  const std::string foreword =
      "<TR><TD colspan=\"3\"><table cellpadding=\"0\" cellspacing=\"0\" width=\"100%\"><tr><td width=\"98%\" "
      "class=\"cont\"><font class=\"nocont\"><A class=\"doc\" target=\"_self\" title=\"EN PAPER TITLE 0\" "
      "href=\"@doc0\">EN PAPER TITLE 0</a>&nbsp;</font></td><TD width=\"2%\" class=\"fpage\">1</TD></tr></table>"
      "</td></tr>";
  EXPECT_EQ(html.substr(head.size(), foreword.size()), foreword);
  EXPECT_NE(html.find("<TR><TD colspan=4 align=\"center\"><br><font class=\"part\" title=\"The Contents of Part "
                      "I\">Part I. en part 1</font><br><Br></TD></TR>"),
            std::string::npos);
  EXPECT_NE(html.find("title=\"Paper 1\" href=\"@doc1\">Paper 1.&nbsp;&nbsp;EN PAPER TITLE 1</a>&nbsp;</font></td><TD "
                      "width=\"2%\" class=\"fpage\">21</TD>"),
            std::string::npos);
  EXPECT_NE(html.find("href=\"@doc31\""), std::string::npos);
  EXPECT_EQ(html.find("href=\"@doc32\""), std::string::npos);
}

TEST_F(Contents, PartThreeListsPapers57To119) {
  const std::string html = PartContents(book, 0, 3);
  EXPECT_EQ(html.find("href=\"@doc56\""), std::string::npos);
  EXPECT_NE(html.find("href=\"@doc57\">Paper 57."), std::string::npos);
  EXPECT_NE(html.find("href=\"@doc119\""), std::string::npos);
  EXPECT_EQ(html.find("href=\"@doc120\""), std::string::npos);
  EXPECT_EQ(html.find("@doc0\""), std::string::npos);
}

TEST(ContentsOfABook, APaperWithoutSectionsShowsOnlyItsRow) {
  BookContent content = test::TinyBookContent();
  content.papers[0].sections = {"", ""};
  BookStore book;
  ASSERT_TRUE(book.OpenBook(std::make_unique<MemoryByteSource>(WriteBook(content).bytes)));
  ASSERT_TRUE(book.LoadPaperRecords());
  const std::string rows = PaperRows(book, 0, true, kEnglish);
  EXPECT_EQ(rows.find("<TR><td></td>"), std::string::npos);
  EXPECT_EQ(rows.rfind("<TR><TD colspan=\"3\">", 0), 0u);
  EXPECT_EQ(rows.substr(rows.size() - 10), "</td></tr>");
}

}  // namespace
}  // namespace orvelis
