#include "output/save_rules.h"

#include <gtest/gtest.h>

#include "render/regex_engine.h"

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

TEST(SaveRules, LinksBecomeUnderlinedTextUnlessTheyHoldMarkup) {
  RegexEngine regex;
  std::string html = "see <a href=\"@page5\">page five</a> and <A HREF=\"x\"><img src=\"i\"></a>";
  CleanSavedHtml(regex, html, SaveSource::Favorites);
  EXPECT_EQ(html, "see <u>page five</u> and <A HREF=\"x\"><img src=\"i\"></a>");
}

TEST(SaveRules, NavigationCellsGoWithinOneLine) {
  RegexEngine regex;
  std::string html = "<table><tr><td><a href=\"@page4\"><img src=\"x\"></a></td><td>Page 5</td></tr></table>\r\nText";
  CleanSavedHtml(regex, html, SaveSource::Web1);
  EXPECT_EQ(html, "<table><tr></tr></table>\r\nText");
}

TEST(SaveRules, SearchResultsLoseTheirHeaderAndTheRulesWindowItsCloseLink) {
  RegexEngine regex;
  std::string search = "x<a href=\"!group\"><b>g</b></a><br>\n<HR noshade size=1>rest";
  CleanSavedHtml(regex, search, SaveSource::Search);
  EXPECT_EQ(search, "xrest");
  std::string plain = "<a href=\"!group\">g</a><br>\n<HR noshade size=1>rest";
  CleanSavedHtml(regex, plain, SaveSource::Search);
  EXPECT_EQ(plain, "<u>g</u><br>\n<HR noshade size=1>rest");  // step 2 has already taken the link
  std::string rules = "x<CENTER><a href=\"@close\">закрыть окно</a></center>y<hr size=1>z";
  CleanSavedHtml(regex, rules, SaveSource::Rules);
  EXPECT_EQ(rules, "xyz");
}

}  // namespace
}  // namespace orvelis
