#include "search/search_engine.h"

#include <algorithm>
#include <array>
#include <optional>

#include "book/book_store.h"
#include "book/book_tables.h"
#include "ground/regex_engine.h"
#include "ground/two_halves.h"
#include "ground/ui_text.h"
#include "ground/utf8.h"
#include "ports/message_sink.h"
#include "ports/recording_search_view.h"
#include "ports/search_view.h"
#include "render/stylesheet.h"
#include "search/query_language.h"
#include "words/word_forms_query.h"

namespace orvelis {

std::string ResultCountText(int pages) {
  return Tr(ORVELIS_TR_NOOP("Core", "Результаты (страниц: %1)"), {std::to_string(pages)});
}

PageRange SearchScope(int k) {
  const BookTables& t = FillBookTables();
  const auto lastPageOfPart = [&](int part) { return static_cast<int>(t.LastPage[t.LastPaperOfPart[part]]); };
  switch (k) {
    case 1: return {1, lastPageOfPart(0)};
    case 2: return {lastPageOfPart(0) + 1, lastPageOfPart(1)};
    case 3: return {lastPageOfPart(1) + 1, lastPageOfPart(2)};
    case 4: return {lastPageOfPart(2) + 1, lastPageOfPart(3)};
    case 5: return {lastPageOfPart(3) + 1, t.LastPage[kPaperCount - 1]};
    default: return {1, t.LastPage[kPaperCount - 1]};
  }
}

SearchEngine::SearchEngine(BookStore& book, RegexEngine& regex, const Stylesheet& stylesheet, SearchView& view,
                           MessageSink& messages, const ResultsOptions& options)
    : book_(book), regex_(regex), stylesheet_(stylesheet), view_(view), messages_(messages), options_(options) {}

void SearchEngine::ShowSearchProgress() {
  view_.WriteSearchDocument(
      "<html><title>" + Tr(ORVELIS_TR_NOOP("Core", "Поиск по книге")) +
      "</title><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html;CHARSET=Windows-1251\">" +
      stylesheet_.StyleSheetHtml() + "<body style=\"padding:5 5 5 5\"><center><br><br><font color=\"red\"><b>" +
      Tr(ORVELIS_TR_NOOP("Core", "Идет обработка запроса...")) + "</b></font></center></body></html>");
  view_.ProcessEvents();
}

// A term's format message can come in the middle of a query; the time the reader takes to answer
// it is not the query's, so the budget stands still meanwhile.
void SearchEngine::ReportFormatError() {
  if (quietFormatErrors_) return;
  const auto shown = deadline_ ? deadline_->Now() : std::chrono::steady_clock::time_point{};
  messages_.Show({kQueryFormatError, kSearchCaption, MessageIcon::Information, MessageButtons::Ok});
  if (deadline_) deadline_->Postpone(deadline_->Now() - shown);
  view_.SelectAndFocusSearchBox();
}

void SearchEngine::ReportQueryStatus() {
  messages_.Show({QueryStatusMessage(status_), kSearchCaption, MessageIcon::Information, MessageButtons::Ok});
  view_.SelectAndFocusSearchBox();
}

bool SearchEngine::PreparePages(Language lang) {
  if (!prepared_.Has(lang)) {
    (void)book_.LoadPageTexts(lang);
    (void)prepared_.Of(book_, lang);
  }
  return prepared_.Has(lang);
}

void SearchEngine::PrepareAhead(Language lang) {
  if (book_.PageTextLoaded(lang)) (void)PreparePages(lang);
}

std::string SearchEngine::RehearsalPage() {
  constexpr std::array<const char*, kLanguageCount> kCommonWord = {"and", "\xD0\xB8"};  // English "and", Russian "и"
  constexpr int kFirstPage = 10;
  constexpr int kEntries = 12;  // more than a screenful
  const Language lang = book_.CurrentLanguage();
  (void)book_.LoadPageTexts(lang);
  const int lastPage = SearchScope(0).last;
  std::string list = ",";
  for (int p = kFirstPage; p < kFirstPage + kEntries && p <= lastPage; ++p) list += std::to_string(p) + "|1,";
  RecordingSearchView unseen;
  CSearchResults results(book_, regex_, stylesheet_, unseen, options_);
  results.Search(kCommonWord[lang], list, options_.sortByRating, options_.groupResults);
  std::string page = std::move(unseen.documents.back());
  // The cover is the blank the pane shows before the first search. It opens the body, above
  // everything, so that no part of the page is ever painted uncovered while it arrives.
  const std::size_t body = page.find("<body");
  const std::size_t bodyEnd = body == std::string::npos ? std::string::npos : page.find('>', body);
  if (bodyEnd == std::string::npos) return {};
  page.insert(bodyEnd + 1,
              "<div style=\"position:fixed;left:0;top:0;right:0;bottom:0;z-index:2147483647;"
              "background:#ffffff\"></div>");
  return page;
}

void SearchEngine::StreamStoredPages(const StoredPageTexts& stored, Language lang) {
  prepared_.StreamStored(stored, lang);
}

// The pages from `first` to `last` that a term's pattern (already set on `regex`) finds, as list
// entries "page|count,"; stops at the first page where the deadline passed or a limit was hit.
SearchEngine::PageMatches SearchEngine::MatchPages(RegexEngine& regex, bool negated, Language lang, int first,
                                                   int last) const {
  PageMatches found;
  for (int p = first; p <= last; ++p) {
    const std::string_view t = prepared_.Page(lang, p);
    // One pass per page: the count of non-overlapping matches also says whether it matches.
    const std::size_t count = negated ? (regex.Test(t) ? 1 : 0) : regex.CountMatches(t);
    if (regex.DeadlinePassed()) {
      found.deadlinePassed = true;
      break;
    }
    if (regex.LimitHit()) {
      found.limitHit = true;
      break;
    }
    if (!negated && count > 0) {
      found.entries += std::to_string(p) + "|" + std::to_string(count) + ",";
    } else if (negated && count == 0) {
      found.entries += std::to_string(p) + "|0,";
    }
  }
  return found;
}

// Over a large scope the second half of the pages is matched on another core by an engine of its
// own, under a copy of the deadline. A page's result depends on that page alone, so the joined
// entries are those of one pass. An injected clock (tests) is read from one thread only, so then
// the pages are matched in one pass.
SearchEngine::PageMatches SearchEngine::MatchScope(const TranslatedTerm& term, Language lang, PageRange scope) {
  constexpr int kPagesWorthASecondCore = 256;
  if (clock_ || scope.last - scope.first + 1 < kPagesWorthASecondCore) {
    return MatchPages(regex_, term.negated, lang, scope.first, scope.last);
  }
  if (!helperRegex_) helperRegex_ = std::make_unique<RegexEngine>();
  if (!helperRegex_->SetPattern(term.pattern)) return MatchPages(regex_, term.negated, lang, scope.first, scope.last);
  std::optional<MatchDeadline> helperDeadline;
  if (regex_.Deadline()) helperDeadline.emplace(*regex_.Deadline());
  std::array<PageMatches, 2> halves;
  InTwoHalves(scope.first, scope.last, [&](int first, int last) {
    if (first == scope.first) {
      halves[0] = MatchPages(regex_, term.negated, lang, first, last);
      return;
    }
    const ScopedMatchDeadline watched(*helperRegex_, helperDeadline ? &*helperDeadline : nullptr);
    halves[1] = MatchPages(*helperRegex_, term.negated, lang, first, last);
  });
  halves[0].entries += halves[1].entries;
  halves[0].deadlinePassed = halves[0].deadlinePassed || halves[1].deadlinePassed;
  halves[0].limitHit = halves[0].limitHit || halves[1].limitHit;
  return halves[0];
}

std::string SearchEngine::SearchTerm(const std::string& term, PageRange scope, Language lang) {
  const TranslatedTerm translated = TranslateTerm(term);
  if (translated.empty || !regex_.SetPattern(translated.pattern) || !PreparePages(lang)) {
    ReportFormatError();
    return kEmptyResultList;
  }
  const PageMatches found = MatchScope(translated, lang, scope);
  if (found.deadlinePassed) {
    status_ = QueryStatus::OverBudget;
    return kEmptyResultList;
  }
  if (found.limitHit) {
    ReportFormatError();
    return kEmptyResultList;
  }
  return "," + found.entries;
}

std::string SearchEngine::EvaluateIn(Language lang, const std::string& query, PageRange scope) {
  return EvaluateQuery(query, [this, scope, lang](const std::string& term) {
    return status_ == QueryStatus::OverBudget ? std::string(kEmptyResultList) : SearchTerm(term, scope, lang);
  });
}

std::string SearchEngine::EvaluateWholeQuery(const SearchRequest& request) {
  const std::string& query = request.query;
  const PageRange scope = SearchScope(request.scopeIndex);
  foundIn_ = {};
  status_ = CheckQuerySize(query);
  if (status_ != QueryStatus::Done) {
    ReportQueryStatus();
    return kEmptyResultList;
  }
  const Language first = book_.CurrentLanguage();
  const Language second = OtherLanguageThan(first);
  // Preparing a language's pages for matching (once per run) is no part of any query's budget.
  for (Language lang : {first, second}) {
    if (lang == second && !request.bothLanguages) break;
    (void)PreparePages(lang);
    if (request.wordForms) (void)Vocabulary(lang);  // gathered once per run, like the preparation
  }
  // One deadline for every term: the engine reads it between matches and inside long ones.
  MatchDeadline deadline(budget_, MatchDeadline::Reach::Every, clock_);
  const ScopedMatchDeadline watched(regex_, &deadline);
  deadline_ = &deadline;
  struct Forget {
    MatchDeadline*& deadline;
    bool& quiet;
    ~Forget() {
      deadline = nullptr;
      quiet = false;
    }
  } forget{deadline_, quietFormatErrors_};
  std::string list = EvaluateIn(first, NormaliseQuery(QueryIn(first, request)), scope);
  if (request.bothLanguages && status_ != QueryStatus::OverBudget) {
    // The same query in the other text: a term the first language refused was already reported.
    quietFormatErrors_ = true;
    foundIn_[second] = EvaluateIn(second, NormaliseQuery(QueryIn(second, request)), scope);
    foundIn_[first] = list;
    list = MergeLanguageResults(foundIn_[first], foundIn_[second]);
  }
  if (status_ == QueryStatus::OverBudget) {
    foundIn_ = {};
    ReportQueryStatus();
    return kEmptyResultList;
  }
  if (request.inFound) {
    list = CombineResults(list, lastResultList_, false);
    if (request.bothLanguages) {
      for (std::string& found : foundIn_) found = CombineResults(found, lastResultList_, false);
    }
  }
  return list;
}

const BookVocabulary& SearchEngine::Vocabulary(Language lang) {
  if (!vocabulary_[lang]) {
    (void)PreparePages(lang);
    vocabulary_[lang] = std::make_unique<BookVocabulary>(prepared_.Of(book_, lang), lang);
  }
  return *vocabulary_[lang];
}

std::string SearchEngine::QueryIn(Language lang, const SearchRequest& request) {
  return request.wordForms ? WithWordForms(request.query, Vocabulary(lang)) : request.query;
}

std::vector<std::pair<std::string, std::vector<std::string>>> SearchEngine::SuggestionsFor(const std::string& query,
                                                                                          Language lang,
                                                                                          bool bothLanguages) {
  std::vector<std::pair<std::string, std::vector<std::string>>> suggestions;
  for (const QueryWord& word : PlainQueryWords(query)) {
    Language in = lang;
    if (bothLanguages) {
      std::size_t pos = 0;
      const char32_t first = utf8::Next(word.text, pos);
      in = first < 0x80 ? kEnglish : kRussian;
    }
    const BookVocabulary& vocabulary = Vocabulary(in);
    if (vocabulary.CountOf(LowerWord(word.text)) > 0) continue;
    const bool seen = std::any_of(suggestions.begin(), suggestions.end(),
                                  [&](const auto& entry) { return entry.first == word.text; });
    if (seen) continue;
    std::vector<std::string> close = vocabulary.Suggestions(word.text);
    if (!close.empty()) suggestions.emplace_back(word.text, std::move(close));
  }
  return suggestions;
}

LanguageMask SearchEngine::FoundLanguages(int page) const {
  if (foundIn_[kEnglish].empty() && foundIn_[kRussian].empty()) return kAllLanguages;
  LanguageMask mask = 0;
  for (Language lang = 0; lang < kLanguageCount; ++lang) {
    const std::vector<bool> pages = PagesOfList(foundIn_[lang]);
    if (page > 0 && page < static_cast<int>(pages.size()) && pages[page]) mask |= MaskOf(lang);
  }
  return mask;
}

void SearchEngine::RunSearch(const SearchRequest& request) {
  ShowSearchProgress();
  lastQuery_ = request.query;
  lastResultList_ = EvaluateWholeQuery(request);
  const Language shown = book_.CurrentLanguage();
  shownQuery_ = QueryIn(shown, request);
  // The snippets' highlighting has a budget of its own that stops only long matches: a word found
  // on every page is marked however long the page takes, a word whose pattern backtracks without
  // end is left unmarked once the budget is spent, as a rejected pattern is.
  MatchDeadline highlighting(budget_, MatchDeadline::Reach::LongOnly, clock_);
  const ScopedMatchDeadline watched(regex_, &highlighting);
  // A snippet's counterpart and a hit in the other language come from that language's pages.
  if (options_.showCounterparts || request.bothLanguages) {
    (void)book_.LoadPageTexts(OtherLanguageThan(book_.CurrentLanguage()));
  }
  CSearchResults results(book_, regex_, stylesheet_, view_, options_);
  if (!clock_) {
    if (!helperRegex_) helperRegex_ = std::make_unique<RegexEngine>();
    results.ShareWorkWith(helperRegex_.get());
  }
  if (request.bothLanguages && status_ == QueryStatus::Done) {
    std::array<std::string, kLanguageCount> queries;
    for (Language lang = 0; lang < kLanguageCount; ++lang) queries[lang] = QueryIn(lang, request);
    results.LabelLanguages(foundIn_, queries);
  }
  if (lastResultList_ == kEmptyResultList && status_ == QueryStatus::Done) {
    results.OfferCorrections(request.query, SuggestionsFor(request.query, shown, request.bothLanguages));
  }
  results.Search(shownQuery_, lastResultList_, options_.sortByRating, options_.groupResults,
                 request.scopeIndex > 0 ? request.scopeText : std::string());
}

}  // namespace orvelis
