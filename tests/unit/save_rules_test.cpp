#include "output/save_rules.h"

#include <gtest/gtest.h>

#include "ground/regex_engine.h"

namespace orvelis {
namespace {

TEST(SaveRules, TheTypedExtensionWinsOverTheChosenType) {
  EXPECT_EQ(ChooseSaveName("notes.TXT", 1).Full(), "notes.txt");
  EXPECT_EQ(ChooseSaveName("notes.TXT", 1).base, "notes");
  EXPECT_EQ(ChooseSaveName("notes", 2).Full(), "notes.txt");
  EXPECT_EQ(ChooseSaveName("notes", 1).Full(), "notes.htm");
  EXPECT_EQ(ChooseSaveName("notes.Html", 2).Full(), "notes.html");
  EXPECT_EQ(ChooseSaveName("notes.htm", 2).Full(), "notes.htm");
  EXPECT_EQ(ChooseSaveName("notes", 3).Full(), "notes.pdf");
  EXPECT_EQ(ChooseSaveName("dir.txt/notes", 1).Full(), "dir.txt/notes.htm");
}

TEST(SaveRules, TheHtmlFileIsTheTitleAndBodyJoinedWithCrLf) {
  RegexEngine regex;
  EXPECT_EQ(SavedHtml(regex, "T", "body", SaveSource::Web1),
            "<HTML>\r\n<HEAD>\r\n<title>T</title>\r\n<META HTTP-EQUIV=\"Content-Type\" "
            "CONTENT=\"text/html;CHARSET=Windows-1251\">\r\n</HEAD>\r\n<BODY>\r\nbody\r\n</BODY>\r\n</HTML>");
  EXPECT_NE(SavedHtml(regex, "T", "body", SaveSource::Search).find("<BODY style=\"padding: 5 5 5 5\">\r\n"),
            std::string::npos);
}

TEST(SaveRules, TheTitleIsTextSoAQueryInItNeverBecomesMarkup) {
  RegexEngine regex;
  const std::string html = SavedHtml(regex, "Поиск по книге - [</title><script>x()</script> & 'a']", "b", SaveSource::Search);
  EXPECT_NE(html.find("<title>Поиск по книге - [&lt;/title&gt;&lt;script&gt;x()&lt;/script&gt; &amp; &#39;a&#39;]</title>"),
            std::string::npos);
  EXPECT_EQ(html.find("<script"), std::string::npos);
}

TEST(SaveRules, LinksBecomeUnderlinedTextUnlessTheyHoldMarkup) {
  RegexEngine regex;
  std::string html = "see <a href=\"@page5\">page five</a> and <A HREF=\"x\"><img src=\"i\"></a>";
  CleanSavedHtml(regex, html, SaveSource::Favorites);
  EXPECT_EQ(html, "see <u>page five</u> and <A HREF=\"x\"><img src=\"i\"></a>");
}

// A reading page as the browser hands its body back: on one line, attributes quoted, spaces as
// &nbsp;. The arrows' cells go; the Paper's title, the page number and every paragraph stay.
constexpr const char* kOneLinePage =
    "<table bgcolor=\"#DDDDDD\"><tbody><tr><td width=\"10%\" align=\"left\">&nbsp;&nbsp;<a href=\"@cont\" "
    "target=\"_self\"><img src=\"/d/1x1.gif\" class=\"p_book\" alt=\"ОГЛАВЛЕНИЕ\"></a></td><td width=\"80%\" "
    "align=\"center\"><img src=\"/d/1x1.gif\" width=\"1\" height=\"5\"><br><font class=\"doc_tit\">ПРЕДИСЛОВИЕ</font></td>"
    "<td width=\"10%\" align=\"right\"><a href=\"@doc1\" target=\"_self\"><img src=\"/d/1x1.gif\" class=\"n_book\"></a>"
    "&nbsp;&nbsp;</td></tr></tbody></table><table><tbody><tr><td width=\"100%\"><div align=\"justify\"><a name=\"p62\">"
    "</a><p title=\" 12:62 \">First @ paragraph <img src=\"/d/pic.gif\"> with a picture.</p><a name=\"p63\"></a><p>Second "
    "<a href=\"@page40\">see page 40</a>.</p></div><br></td></tr></tbody></table>";

TEST(SaveRules, OnALinePageOnlyTheArrowCellsGoAndEveryParagraphStays) {
  RegexEngine regex;
  std::string html = kOneLinePage;
  CleanSavedHtml(regex, html, SaveSource::Web1);
  EXPECT_EQ(html,
            "<table bgcolor=\"#DDDDDD\"><tbody><tr><td width=\"80%\" align=\"center\"><img src=\"/d/1x1.gif\" "
            "width=\"1\" height=\"5\"><br><font class=\"doc_tit\">ПРЕДИСЛОВИЕ</font></td></tr></tbody></table><table>"
            "<tbody><tr><td width=\"100%\"><div align=\"justify\"><u></u><p title=\" 12:62 \">First @ paragraph <img "
            "src=\"/d/pic.gif\"> with a picture.</p><u></u><p>Second <u>see page 40</u>.</p></div><br></td></tr></tbody>"
            "</table>");
}

TEST(SaveRules, LineBreaksBetweenCellsChangeNothing) {
  RegexEngine regex;
  std::string html =
      "<table><tr>\r\n<td>&nbsp;<a href=\"@page11\"><img src=\"x\"></a></td>\r\n<td nowrap><i>Страница 12</i></td>\r\n"
      "<td><a href=\"@page13\">\n<img src=\"x\">\n</a></td></tr></table>\r\n<p>Text</p>";
  CleanSavedHtml(regex, html, SaveSource::Web2);
  EXPECT_EQ(html, "<table><tr>\r\n\r\n<td nowrap><i>Страница 12</i></td>\r\n</tr></table>\r\n<p>Text</p>");
}

TEST(SaveRules, SearchResultsLoseTheirWholeHeaderOnOneLineOrMany) {
  RegexEngine regex;
  std::string oneLine =
      "<a href=\"!ungroup\" target=\"_self\" title=\"t\"><b>отменить группировку результатов поиска</b></a><br><hr "
      "noshade=\"\" size=\"1\">сортировка по: &nbsp; <b>рейтингу</b>&nbsp; <a href=\"^page\" title=\"c\" "
      "target=\"_self\">страницам</a><hr noshade=\"\" size=\"1\"><table><tr><td>1. <a href=\"@doc139\">139.ПУТЬ</a>"
      "</td></tr></table>";
  CleanSavedHtml(regex, oneLine, SaveSource::Search);
  EXPECT_EQ(oneLine, "<table><tr><td>1. <u>139.ПУТЬ</u></td></tr></table>");
  std::string lines =
      "<A href=\"!group\"><B>g</B></A><BR>\r\n<HR SIZE=1 noShade>сортировка по: &nbsp; <A href=\"^rate\">рейтингу</A>"
      "&nbsp; <B>страницам</B>\r\n<HR SIZE=1 noShade>\r\n<TABLE>rest</TABLE>";
  CleanSavedHtml(regex, lines, SaveSource::Search);
  EXPECT_EQ(lines, "\r\n<TABLE>rest</TABLE>");
  std::string nothingFound = "<br><br><h4>Ничего не найдено</h4>";
  CleanSavedHtml(regex, nothingFound, SaveSource::Search);
  EXPECT_EQ(nothingFound, "<br><br><h4>Ничего не найдено</h4>");
}

TEST(SaveRules, TheRulesWindowLosesOnlyItsClosingBar) {
  RegexEngine regex;
  std::string rules =
      "<center><a href=\"#top\">наверх</a></center>x<hr noshade=\"\" size=\"1\"><center><a href=\"@close\" "
      "target=\"_self\" title=\"Закрыть окно\"><b>закрыть окно</b></a></center>";
  CleanSavedHtml(regex, rules, SaveSource::Rules);
  EXPECT_EQ(rules, "<center><a href=\"#top\">наверх</a></center>x");
}

TEST(SaveRules, TheProposedNameNamesThePageWithoutTheVersion) {
  EXPECT_EQ(ProposedSaveName("Книга Орвелис v 3.4 - Страница 12"), "Страница 12");
  EXPECT_EQ(ProposedSaveName("The ORVELIS Book v 3.4 - Page 2087"), "Page 2087");
  EXPECT_EQ(ProposedSaveName("Книга Орвелис v 3.4 - Содержание части III"), "Содержание части III");
  EXPECT_EQ(ProposedSaveName("Поиск по книге - [a/b:c.d]"), "Поиск по книге - [a_b_c_d]");
  EXPECT_EQ(ProposedSaveName("Книга Орвелис v 3.4"), "Документ");
  EXPECT_EQ(ProposedSaveName(""), "Документ");
  EXPECT_EQ(ProposedSaveName("Избранное: глава 1."), "Избранное_ глава 1");
}

}  // namespace
}  // namespace orvelis
