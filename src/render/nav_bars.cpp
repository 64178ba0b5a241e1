#include "render/nav_bars.h"

#include "book/book_store.h"
#include "book/book_tables.h"
#include "render/html_literals.h"

namespace orvelis {
namespace {

std::string ContentsWord(Language lang) { return lang == kEnglish ? "CONTENTS" : "ОГЛАВЛЕНИЕ"; }
std::string TitlesOfPapers(Language lang) {
  return lang == kEnglish ? "The Titles of the Papers" : "Названия Документов";
}

}  // namespace

std::string PaperHeaderBar(const NavBarContext& c, int paper) {
  if (paper < -1) return {};
  const Language lang = c.book.LanguageOfPane(c.pane);
  const std::string img = c.userDataFolder + "1x1.gif";
  std::string html =
      "<table style=\"border-bottom: #333333 1px solid\" bgcolor=\"#DDDDDD\" width=\"100%\" cellpadding=\"2\" "
      "cellspacing=\"0\" border=\"0\"><tr><td width=\"10%\" align=\"left\">&nbsp;&nbsp;";
  if (paper > 0) {
    html += NavButton("@doc" + std::to_string(paper - 1), img, "p_book",
                      "Предыдущий Документ - " + c.book.GetPaperTitle(paper - 1, lang));
  } else if (paper == 0) {
    html += NavButton("@cont", img, "p_book", ContentsWord(lang));
  }
  html += "</td><td width=\"80%\" align=\"center\">";
  if (paper == -1) {
    html += "<font class=\"doc_tit\">" + ContentsWord(lang);
  } else {
    if (paper > 0) {
      html += "<font class=\"doc_num_tit\">" + std::string(PaperWord(lang)) + " " + std::to_string(paper) + "</font><br>";
    }
    html += "<img src=\"" + c.userDataFolder + "1x1.gif\" width=\"1\" height=\"5\"><br><font class=\"doc_tit\">" +
            c.book.GetPaperTitle(paper, lang);
  }
  html += "</font></td><td width=\"10%\" align=\"right\">";
  if (paper < kPaperCount - 1) {
    html += NavButton("@doc" + std::to_string(paper + 1), img, "n_book",
                      "Следующий Документ - " + c.book.GetPaperTitle(paper + 1, lang));
  }
  html += "&nbsp;&nbsp;</td></tr></table>";
  return html;
}

std::string PageNavBar(const NavBarContext& c, int page, bool isTop) {
  const Language lang = c.book.LanguageOfPane(c.pane);
  const std::string img = c.userDataFolder + "1x1.gif";
  const std::string contents(ContentsOfPartTitle(lang));
  const std::string middleOpen = "</td><td width=\"20%\" nowrap align=\"center\"><i>";
  const std::string middleClose = "</i></td><td width=\"40%\">";
  std::string html = std::string("<table style=\"border-") + (isTop ? "bottom" : "top") +
                     ": #333333 1px solid\" bgcolor=\"#FFFFFF\" width=\"100%\" cellpadding=\"2\" cellspacing=\"0\" "
                     "border=\"0\"><tr><td width=\"40%\" align=\"right\">";
  if (page >= 1) {
    html += page > 1 ? NavButton("@page" + std::to_string(page - 1), img, "p_page",
                                 "Предыдущая страница - " + std::to_string(page - 1))
                     : NavButton("@cont4", img, "p_page", contents + "IV");
    html += middleOpen + std::string(PageWord(lang)) + " " + std::to_string(page) + middleClose;
    if (page < kPageCount) {
      html += NavButton("@page" + std::to_string(page + 1), img, "n_page",
                        "Следующая страница - " + std::to_string(page + 1));
    }
  } else {
    const char last = c.selectedKey.empty() ? '\0' : c.selectedKey.back();
    if (last >= '1' && last <= '9') {
      const int n = last - '0';
      html += n == 1 ? NavButton("@cont0", img, "p_page", "Названия Документов")
                     : NavButton("@cont" + std::to_string(n - 1), img, "p_page", contents + RomanNumber(n - 1));
      html += middleOpen + contents + RomanNumber(n) + middleClose;
      html += n == 4 ? NavButton("@page1", img, "n_page", "Следующая страница - 1")
                     : NavButton("@cont" + std::to_string(n + 1), img, "n_page", contents + RomanNumber(n + 1));
    } else {
      html += middleOpen + TitlesOfPapers(lang) + middleClose;
      html += NavButton("@cont1", img, "n_page", contents + "I");
    }
  }
  html += "</td></tr></table>";
  return html;
}

}  // namespace orvelis
