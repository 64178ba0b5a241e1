#include "search/search_results.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "book/book_store.h"
#include "book/book_tables.h"
#include "ground/html_escape.h"
#include "ground/match_deadline.h"
#include "ground/query_link.h"
#include "ground/regex_engine.h"
#include "ground/two_halves.h"
#include "ground/ui_text.h"
#include "ports/search_view.h"
#include "render/stylesheet.h"
#include "search/highlight.h"
#include "search/query_language.h"
#include "words/word_forms_query.h"

namespace orvelis {
namespace {

std::vector<std::string> SplitAt(const std::string& text, char separator) {
  std::vector<std::string> items;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + 1) {
    items.push_back(text.substr(start, at - start));
  }
  items.push_back(text.substr(start));
  return items;
}

int ToInt(const std::string& text) {
  try {
    return std::stoi(text);
  } catch (...) {
    return 0;
  }
}

constexpr const char* kEntryTable =
    "<table width=\"100%\" border=\"0\" align=\"center\" cellpadding=\"0\" cellspacing=\"0\"><tr><td width=\"90%\">";
constexpr const char* kRatingCell = "<td width=\"10%\" valign=\"top\" nowrap align=\"right\"> &nbsp; &nbsp; ";

}  // namespace

CSearchResults::CSearchResults(const BookStore& book, RegexEngine& regex, const Stylesheet& stylesheet,
                               SearchView& view, const ResultsOptions& options)
    : book_(book), regex_(regex), stylesheet_(stylesheet), view_(view), options_(options) {}

void CSearchResults::LabelLanguages(const std::array<std::string, 2>& foundIn,
                                    const std::array<std::string, 2>& queries) {
  for (std::size_t lang = 0; lang < foundIn.size(); ++lang) foundIn_[lang] = PagesOfList(foundIn[lang]);
  languageQueries_ = queries;
}

void CSearchResults::OfferCorrections(const std::string& typedQuery, Corrections corrections) {
  typedQuery_ = typedQuery;
  corrections_ = std::move(corrections);
}

// The suggestions under "nothing found"; each link's query is text carried in the link, never
// markup, and shown escaped.
std::string CSearchResults::CorrectionsHtml() const {
  std::string html;
  const std::vector<QueryWord> words = PlainQueryWords(typedQuery_);
  for (const auto& correction : corrections_) {
    const std::string& word = correction.first;
    const std::vector<std::string>& close = correction.second;
    const auto place = std::find_if(words.begin(), words.end(), [&](const QueryWord& w) { return w.text == word; });
    if (place == words.end()) continue;
    html += "<p>" + Tr(ORVELIS_TR_NOOP("Core", "Похожие слова для &laquo;%1&raquo;: "), {HtmlEscape(word)});
    for (std::size_t i = 0; i < close.size(); ++i) {
      const std::string corrected =
          typedQuery_.substr(0, place->at) + close[i] + typedQuery_.substr(place->at + word.size());
      if (i > 0) html += ", ";
      html += "<a href=\"" + QueryLink(corrected) + "\" target=\"_self\" title=\"" + HtmlEscape(corrected) + "\">" +
              HtmlEscape(close[i]) + "</a>";
    }
    html += "</p>";
  }
  return html;
}

// The snippets of one entry. After a search in both languages, each language the page was found
// in has its own, the shown language's first, each after its language's name.
std::string CSearchResults::Snippets(RegexEngine& regex, int page, const std::string& query) const {
  const Language shown = book_.CurrentLanguage();
  if (foundIn_[shown].empty()) return BuildSnippets(book_, regex, page, query, shown, options_.showCounterparts);
  std::string html;
  for (Language lang : {shown, OtherLanguageThan(shown)}) {
    if (!foundIn_[lang][static_cast<std::size_t>(page)]) continue;
    if (!html.empty()) html += "<br>";
    const std::string& marked = languageQueries_[lang].empty() ? query : languageQueries_[lang];
    html += languageLabels_[lang] + BuildSnippets(book_, regex, page, marked, lang, options_.showCounterparts);
  }
  return html;
}

// Snippets are most of the work of a long results page, and each entry's depend on its page alone.
// With a helper engine, rows are shared out odd and even between two threads (the list is sorted
// by rating, so halves by position would be uneven), each under its own copy of the deadline.
std::vector<std::string> CSearchResults::AllSnippets(const std::string& query) {
  constexpr int kRowsWorthASecondCore = 64;
  std::vector<std::string> snippets(pages_.size());
  const int rows = static_cast<int>(pages_.size()) - 1;
  const auto build = [&](RegexEngine& regex, int firstRow, int step) {
    for (int row = firstRow; row <= rows; row += step) snippets[row] = Snippets(regex, pages_[row][0], query);
  };
  if (!helperRegex_ || rows < kRowsWorthASecondCore) {
    build(regex_, 1, 1);
    return snippets;
  }
  std::optional<MatchDeadline> helperDeadline;
  if (regex_.Deadline()) helperDeadline.emplace(*regex_.Deadline());
  InTwoHalves(1, 2, [&](int firstRow, int) {
    if (firstRow == 1) {
      build(regex_, 1, 2);
      return;
    }
    const ScopedMatchDeadline watched(*helperRegex_, helperDeadline ? &*helperDeadline : nullptr);
    build(*helperRegex_, 2, 2);
  });
  return snippets;
}

void CSearchResults::Search(const std::string& searchStr, const std::string& arrStr, int sort, bool group,
                            const std::string& scopeTitle) {
  const std::vector<std::string> items = SplitAt(arrStr, ',');
  const int u = static_cast<int>(items.size()) - 1;
  if (u > 1) {
    view_.SetSearchInFoundEnabled(true);
    view_.SetResultCountText(ResultCountText(u - 1));
    pages_.assign(static_cast<std::size_t>(u), PageRow{});
    for (int i = 1; i <= u - 1; ++i) {
      const std::vector<std::string> parts = SplitAt(items[i], '|');
      const int page = ToInt(parts[0]);
      const int count = parts.size() > 1 ? ToInt(parts[1]) : 0;
      pages_[i] = {page, count, PaperOfPage(page)};
      if (count > maxPageCount_) maxPageCount_ = count;
    }
    BuildGroups();
    if (sort != 0) {
      SortArray(1, pages_);
      SortArray(1, groups_);
    }
  } else {
    view_.SetSearchInFoundEnabled(false);
  }
  WriteResultsPage(searchStr, group, scopeTitle);
}

void CSearchResults::BuildGroups() {
  maxGroupCount_ = 0;
  int previous = -1;
  groups_.assign(1, GroupRow{});
  for (std::size_t j = 1; j < pages_.size(); ++j) {
    const int b = pages_[j][2];
    if (b == previous) {
      groups_.back()[1] += pages_[j][1];
    } else {
      groups_.push_back({b, pages_[j][1]});
    }
    if (groups_.back()[1] > maxGroupCount_) maxGroupCount_ = groups_.back()[1];
    previous = b;
  }
}

// Chromium draws no width on an inline element, so each segment is an inline block; the markup
// is otherwise the one the page was designed with (see docs/rendering.md).
std::string CSearchResults::RatingBar(int value, int maximum, const std::string& fill, const std::string& rest,
                                      const std::string& title) {
  int w = 30;
  if (maximum != 0) w = static_cast<int>(std::nearbyint(static_cast<double>(value) * 30.0 / maximum));
  std::string html = "<font title=\"" + title +
                     "\" style=\"border: 1px solid black\"><font style=\"display:inline-block;height:8;width:" +
                     std::to_string(w) + ";background-color:#" + fill + ";font-size:6\">";
  if (30 - w > 0) {
    html += "</font><font style=\"display:inline-block;height:8;width:" + std::to_string(30 - w) +
            ";background-color:#" + rest + ";font-size:6\">";
  }
  html += "</font></font>";
  return html;
}

void CSearchResults::WriteResultsPage(const std::string& query, bool group, const std::string& scopeTitle) {
  const Language lang = book_.CurrentLanguage();
  const auto title = [&](int paper) { return book_.GetPaperTitle(paper, lang); };
  const auto num = [](int paper) { return paper > 0 ? std::to_string(paper) + "." : std::string(); };
  const std::string pageWord(PageWord(lang));
  const std::string paperWord(PaperWord(lang));

  languageLabels_[kRussian] = "<b>" + Tr(ORVELIS_TR_NOOP("Core", "Русский:")) + "</b> ";
  languageLabels_[kEnglish] = "<b>" + Tr(ORVELIS_TR_NOOP("Core", "Английский:")) + "</b> ";
  const std::vector<std::string> snippets = pages_.size() > 1 ? AllSnippets(query) : std::vector<std::string>{};

  std::string h;
  // Sized for the whole page at once: a page for a common word runs to megabytes.
  std::size_t snippetBytes = 0;
  for (const std::string& snippet : snippets) snippetBytes += snippet.size();
  constexpr std::size_t kEntryMarkupBytes = 1024;
  h.reserve(snippetBytes + pages_.size() * kEntryMarkupBytes + stylesheet_.StyleSheetHtml().size() + 4096);
  h += "<html><title>" + Tr(ORVELIS_TR_NOOP("Core", "Поиск по книге"));
  if (!scopeTitle.empty()) h += " - " + HtmlEscape(scopeTitle);
  // The query is the user's text: it is shown, never interpreted (a query may hold "</title>").
  h += " - [" + HtmlEscape(query) +
       "]</title><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html;CHARSET=Windows-1251\">" +
       stylesheet_.StyleSheetHtml() + "<body style=\"padding:5 5 5 5\">";
  if (pages_.size() <= 1) {
    view_.SetResultCountText(ResultCountText(0));
    h += "<br><br><h4>" + Tr(ORVELIS_TR_NOOP("Core", "Ничего не найдено")) + "</h4>" + CorrectionsHtml();
  } else {
    h += group ? "<a href=\"!ungroup\" target=\"_self\" title=\"" +
                     Tr(ORVELIS_TR_NOOP("Core", "Отменить группировку результатов поиска по Документам")) + "\"><b>" +
                     Tr(ORVELIS_TR_NOOP("Core", "отменить группировку результатов поиска")) + "</b></a><br>"
               : "<a href=\"!group\" target=\"_self\" title=\"" +
                     Tr(ORVELIS_TR_NOOP("Core", "Группировать результаты поиска по Документам")) + "\"><b>" +
                     Tr(ORVELIS_TR_NOOP("Core", "группировать результаты поиска")) + "</b></a><br>";
    h += "<hr noshade size=1>" + Tr(ORVELIS_TR_NOOP("Core", "сортировка по:")) + " &nbsp; ";
    const std::string byRating = Tr(ORVELIS_TR_NOOP("Core", "рейтингу"));
    const std::string byPage = Tr(ORVELIS_TR_NOOP("Core", "страницам"));
    h += options_.sortByRating == 1
             ? "<b>" + byRating + "</b>"
             : "<a href=\"^rate\" title=\"" + Tr(ORVELIS_TR_NOOP("Core", "Cортировать результаты по рейтингу")) +
                   "\" target=\"_self\">" + byRating + "</a>";
    h += "&nbsp; ";
    h += options_.sortByRating != 0
             ? "<a href=\"^page\" title=\"" +
                   Tr(ORVELIS_TR_NOOP("Core", "Cортировать результаты по порядковым номерам страниц")) +
                   "\" target=\"_self\">" + byPage + "</a>"
             : "<b>" + byPage + "</b>";
    h += "<hr noshade size=1>";
    const auto pageBar = [&](int row) {
      return RatingBar(pages_[row][1], maxPageCount_, "6F6FFB", "EEEEFF",
                       Tr(ORVELIS_TR_NOOP("Core", "Рейтинг страницы")));
    };
    if (!group) {
      for (std::size_t i = 1; i < pages_.size(); ++i) {
        const int page = pages_[i][0];
        const int paper = pages_[i][2];
        h += kEntryTable;
        h += std::to_string(i) + ". <a href=\"@page" + std::to_string(page) + "\" title=\"" + paperWord + " " +
             std::to_string(paper) + ". " + title(paper) + ". " + pageWord + " " + std::to_string(page) +
             "\" target=\"_self\">" + num(paper) + title(paper) + ". " + pageWord + " " + std::to_string(page) +
             "</a>";
        h += kRatingCell + pageBar(static_cast<int>(i)) + "</td></tr></table>";
        h += "<div align=\"justify\"><font style=\"font-size:10px\">" + snippets[i] +
             "</font></div><br>";
      }
    } else {
      for (std::size_t j = 1; j < groups_.size(); ++j) {
        const int g = groups_[j][0];
        h += kEntryTable;
        h += std::to_string(j) + ". <a href=\"@doc" + std::to_string(g) + "\" target=\"_self\" title=\"" + paperWord +
             " " + std::to_string(g) + ". " + title(g) + "\">" + num(g) + title(g) + "</a></td>";
        h += kRatingCell +
             RatingBar(groups_[j][1], maxGroupCount_, "B8B251", "FBF8C6",
                       Tr(ORVELIS_TR_NOOP("Core", "Рейтинг Документа"))) +
             "</td></tr>";
        for (std::size_t v = 1; v < pages_.size(); ++v) {
          if (pages_[v][2] != g) continue;
          const int page = pages_[v][0];
          h += "<tr><td colspan=\"2\" align=\"right\"><table border=\"0\" width=\"94%\" border=\"0\" cellpadding=\"0\" "
               "cellspacing=\"0\"><tr><td width=\"90%\">";
          h += "<a href=\"@page" + std::to_string(page) + "\" target=\"_self\">" + pageWord + " " +
               std::to_string(page) + "</a>";
          h += kRatingCell + pageBar(static_cast<int>(v)) + "</td></tr>";
          h += "<tr><td colspan=\"2\" style=\"font-size:10px\">" + snippets[v] +
               "</td></tr></table></td></tr>";
        }
        h += "</table><br>";
      }
    }
  }
  h += "<br></BODY></HTML>";
  view_.WriteSearchDocument(std::move(h));
  view_.ProcessEvents();
}

}  // namespace orvelis
