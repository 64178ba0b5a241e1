#include "render/page_composer.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "book/book_store.h"
#include "book/book_tables.h"
#include "book/book_key.h"
#include "ground/app_info.h"
#include "render/contents_pages.h"
#include "render/nav_bars.h"
#include "ground/regex_engine.h"
#include "ground/text_replace.h"
#include "render/paragraph_markup.h"
#include "render/parallel_page.h"
#include "render/stylesheet.h"

namespace orvelis {
namespace {

std::string TitlesOfPapers(Language lang) {
  return lang == kEnglish ? "The Titles of the Papers" : "Названия Документов";
}

}  // namespace

int JumpPageOf(const KeyTarget& target) {
  if (target.kind == KeyTarget::Part) {
    return PaperJumpPage(target.number < 1 ? 1 : FillBookTables().LastPaperOfPart[target.number - 1] + 1);
  }
  return PaperJumpPage(target.number);
}

KeyTarget ParseKey(const std::string& key) {
  const auto parsed = ParseBookKey(key);
  if (!parsed) return {};
  switch (parsed->kind) {
    case BookKeyKind::Page: return {KeyTarget::Page, parsed->number};
    case BookKeyKind::Paper: return {KeyTarget::Paper, parsed->number};
    case BookKeyKind::Part: return {KeyTarget::Part, parsed->number};
    case BookKeyKind::PartContents:
      if (parsed->number >= 1) return {KeyTarget::PartContents, parsed->number};
      break;
    case BookKeyKind::Book:
    case BookKeyKind::Contents:
      break;
  }
  return {KeyTarget::AllTitles, 0};
}

PageComposer::PageComposer(BookStore& book, RegexEngine& regex, const Stylesheet& stylesheet,
                           const ComposerSettings& settings)
    : book_(book), regex_(regex), stylesheet_(stylesheet), settings_(settings) {}

std::string PageComposer::PageBody(int page, const HighlightRequest& highlight, int pane, int paragraph) {
  const Language lang = book_.LanguageOfPane(pane);
  (void)book_.LoadPageTexts(lang);  // a damaged language shows empty pages; start-up reports damage
  std::string text = book_.GetPageText(page, lang);
  if (highlight.In(lang) && highlighter_) text = highlighter_(text, highlight.query, lang);
  text = MarkParagraphs(regex_, text, page, lang);
  if (paragraph >= 0) text = MarkTargetParagraph(regex_, text, paragraph);
  return text;
}

std::string PageComposer::Counterpart(const std::string& title, int pane) {
  int page = 0;
  int number = 0;
  int section = 0;
  int inSection = 0;
  char label[16] = {};
  if (std::sscanf(title.c_str(), " %d:%d [%15[^:]:%d:%d]", &page, &number, label, &section, &inSection) != 5 ||
      page < 1 || page > kPageCount) {
    return {};
  }
  const Language other = book_.LanguageOfPane(pane) == kEnglish ? kRussian : kEnglish;
  (void)book_.LoadPageTexts(other);
  const std::string tail = std::to_string(section) + ":" + std::to_string(inSection) + "))";
  // A paragraph shown as number 0 is a heading ((0:s:0)) or an indented one ((_0:s:0)).
  const std::vector<std::string> markers =
      number == 0 ? std::vector<std::string>{"((0:" + tail, "((_0:" + tail}
                  : std::vector<std::string>{"((" + std::to_string(number) + ":" + tail};
  for (const PageSegment& segment : SplitAtMarkers(book_.GetPageText(page, other))) {
    if (std::find(markers.begin(), markers.end(), segment.marker) == markers.end()) continue;
    std::string marked = MarkParagraphs(regex_, segment.text, page, other);
    regex_.SetPattern("<a name=\"p[^\"]*\"></a>");
    return regex_.ReplaceAll(marked, "");
  }
  return {};
}

std::string PageComposer::FragmentWithCounterparts(const std::string& selectedHtml,
                                                   const std::vector<std::string>& paragraphTitles, int pane) {
  std::string counterparts;
  std::vector<std::string> done;
  for (const std::string& title : paragraphTitles) {
    if (std::find(done.begin(), done.end(), title) != done.end()) continue;
    done.push_back(title);
    counterparts += Counterpart(title, pane);
  }
  if (counterparts.empty()) return selectedHtml;
  return selectedHtml + "<hr noshade size=1>" + counterparts;
}

std::string PageComposer::ParallelBody(int page, const HighlightRequest& highlight, int paragraph) {
  const Language shown = book_.LanguageOfPane(0);
  const Language other = shown == kEnglish ? kRussian : kEnglish;
  const auto segments = [&](Language lang) {
    (void)book_.LoadPageTexts(lang);
    std::string text = book_.GetPageText(page, lang);
    if (highlight.In(lang) && highlighter_) text = highlighter_(text, highlight.query, lang);
    return SplitAtMarkers(text);
  };
  const auto cell = [&](const std::string& text, Language lang, bool anchored) {
    if (text.empty()) return std::string("<td width=\"50%\" valign=\"top\"></td>");
    std::string marked = MarkParagraphs(regex_, text, page, lang);
    if (anchored && paragraph >= 0) marked = MarkTargetParagraph(regex_, marked, paragraph);
    // One anchor per paragraph, in the shown language: links, the place on the page and the
    // paragraph alignment go by it.
    if (!anchored) ReplaceAllExact(marked, "<a name=\"p", "<a name=\"o");
    return "<td width=\"50%\" valign=\"top\"><div align=\"justify\">" + marked + "</div></td>";
  };
  std::string body = "<table class=\"parallel\" width=\"100%\" cellpadding=\"6\" cellspacing=\"0\" border=\"0\">";
  for (const auto& [left, right] : PairParagraphs(segments(shown), segments(other))) {
    body += "<tr>" + cell(left, shown, true) + cell(right, other, false) + "</tr>";
  }
  return body + "</table>";
}

ComposedNode PageComposer::Compose(const std::string& key, const HighlightRequest& highlight, int pane, int paragraph,
                                   const std::string& treeKey, bool parallel) {
  const KeyTarget target = ParseKey(key);
  if (target.kind == KeyTarget::Paper || target.kind == KeyTarget::Part) {
    return Compose(FormatBookKey({BookKeyKind::Page, JumpPageOf(target)}), "", pane, -1, treeKey, parallel);
  }
  const Language lang = book_.LanguageOfPane(pane);
  ComposedNode node;
  std::string body;
  int paper = -1;
  int page = 0;
  switch (target.kind) {
    case KeyTarget::Page:
      page = target.number;
      paper = PaperOfPage(page);
      node.title = std::string(PageWord(lang)) + " " + std::to_string(page);
      body = parallel ? ParallelBody(page, highlight, paragraph) : PageBody(page, highlight, pane, paragraph);
      node.locationText = std::to_string(paper) + "." + book_.GetPaperTitle(paper, lang) + " (" +
                          std::to_string(page) + ")";
      break;
    case KeyTarget::PartContents:
      node.title = std::string(ContentsOfPartTitle(lang)) + RomanNumber(target.number);
      body = PartContents(book_, pane, target.number);
      break;
    default:
      node.title = TitlesOfPapers(lang);
      body = PartContents(book_, pane, 0);
      break;
  }
  if (target.kind != KeyTarget::Page) {
    // The location names a Part only for the tree's own spelling of its contents key: "book3"
    // shows Part III's contents, located as the titles.
    const bool treePartKey = target.kind == KeyTarget::PartContents && target.number < kPartCount &&
                             key == FormatBookKey({BookKeyKind::PartContents, target.number});
    node.locationText = treePartKey ? std::string(ContentsOfPartTitle(lang)) + RomanNumber(target.number)
                                    : TitlesOfPapers(lang);
  }

  const NavBarContext bars{book_, pane, settings_.userDataFolder, treeKey};
  const std::string& style = stylesheet_.StyleSheetHtml();
  std::string& html = node.pageHtml;
  html = "<html><head><title>";
  html += lang == kEnglish ? "The ORVELIS Book v " : "Книга Орвелис v ";
  html += std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor);
  if (!node.title.empty()) html += " - " + node.title;
  html += "</title><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html;CHARSET=Windows-1251\"></head>"
          "<BODY onscroll=\"window.navigate('^');\">";
  html += style;
  if (!settings_.fixedHeaders) html += PaperHeaderBar(bars, paper) + PageNavBar(bars, page, true);
  html += "<table width=\"100%\" cellpadding=\"10\" cellspacing=\"0\" border=\"0\"><tr><td width=\"100%\"><div "
          "align=\"justify\">";
  html += body;
  html += "</div><br></td></tr></table>";
  if (!settings_.fixedHeaders) html += PageNavBar(bars, page, false);
  html += "<br><br></BODY></HTML>";

  if (settings_.fixedHeaders) {
    node.stripHtml = "<html><head>" + style +
                     "<style>body{overflow:hidden}</style><body><table id=\"toptab\" cellpadding=\"0\" "
                     "cellspacing=\"0\" width=\"100%\"><tr><td>" +
                     PaperHeaderBar(bars, paper) + PageNavBar(bars, page, true) +
                     "</td></tr></table><div id=\"after\"></div></BODY></HTML>";
  }
  return node;
}

}  // namespace orvelis
