#pragma once
// Runs a query over the current language's pages and hands the result list to the results page.

#include <array>
#include <chrono>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "book/book_format.h"
#include "ground/match_deadline.h"
#include "ground/regex_engine.h"
#include "ground/ui_text.h"
#include "search/page_preparation.h"
#include "search/query_limits.h"
#include "search/search_results.h"
#include "words/book_vocabulary.h"

namespace orvelis {

class BookStore;
struct TranslatedTerm;
class MessageSink;
class SearchView;
class Stylesheet;

inline constexpr const char* kQueryFormatError = ORVELIS_TR_NOOP("Core", "Ошибочный формат строки поиска");
inline constexpr const char* kSearchCaption = ORVELIS_TR_NOOP("Core", "Поиск по книге");

struct PageRange {
  int first = 1;
  int last = 0;
};
// One search as the panel asks for it: the query, the scope (the parts-selector index: 0 whole
// book, 1 Foreword, 2..5 Parts I..IV, and its text for the results' title), whether the new
// result is combined with the last one, and whether both languages' texts are searched.
struct SearchRequest {
  SearchRequest(std::string text = {}, int scope = 0, std::string scopeName = {}, bool withinFound = false,
                bool inBothLanguages = false, bool everyForm = false)
      : query(std::move(text)),
        scopeIndex(scope),
        scopeText(std::move(scopeName)),
        inFound(withinFound),
        bothLanguages(inBothLanguages),
        wordForms(everyForm) {}
  std::string query;
  int scopeIndex;
  std::string scopeText;
  bool inFound;
  bool bothLanguages;
  bool wordForms;  // each plain word stands for all its forms in the book (WithWordForms)
};

// The pages of the parts-selector index (0 whole book, 1 Foreword, 2..5 Parts I..IV).
PageRange SearchScope(int partsSelectorIndex);

class SearchEngine {
 public:
  SearchEngine(BookStore& book, RegexEngine& regex, const Stylesheet& stylesheet, SearchView& view,
               MessageSink& messages, const ResultsOptions& options);

  // Evaluates the request, keeps its query and result list, and writes the results page.
  void RunSearch(const SearchRequest& request);
  void ShowSearchProgress();
  std::string SearchTerm(const std::string& term, PageRange scope, Language lang);
  // Gets a loaded language's pages ready for matching ahead of the first search (the window does it
  // while the reader is idle); a language whose pages are not loaded is left alone.
  void PrepareAhead(Language lang);
  bool PagesReady(Language lang) const { return prepared_.Has(lang); }
  // A results page like a search's in the current language (a common word on a screenful of
  // pages) under a blank cover, for the window's browser to load once while the reader is idle:
  // the first real results page then finds the browser's fonts and styles ready. Changes nothing
  // a search or the search panel keeps; empty if no page could be made.
  std::string RehearsalPage();
  // Has a language matched from its stored bytes, each page prepared as it is matched
  // (PreparedPages::StreamStored), so that a caller that only counts matches (the command line)
  // never decodes the pages; a results page still needs them loaded. `stored` must outlive this.
  void StreamStoredPages(const StoredPageTexts& stored, Language lang);
  // Normalises and evaluates a query over its scope, combining with the last result when asked;
  // what RunSearch does before the results page, without touching the view. A query beyond the
  // size limits, or one whose matching outlasts the time budget, ends with its message and the
  // empty list (LastQueryStatus says which).
  std::string EvaluateWholeQuery(const SearchRequest& request);
  // The query of the last RunSearch: what the results page shows and its links search within.
  const std::string& LastQuery() const { return lastQuery_; }
  // The query the last results page was made for and its pages are highlighted with: the typed
  // one, or with every form of its words when forms were asked for.
  const std::string& LastShownQuery() const { return shownQuery_; }
  // The words of a language of the book, gathered on first use.
  const BookVocabulary& Vocabulary(Language lang);
  // For each plain word of `query` the book does not have, up to five close words, in `lang` (in
  // the language of the word's letters after a search in both languages).
  std::vector<std::pair<std::string, std::vector<std::string>>> SuggestionsFor(const std::string& query,
                                                                              Language lang, bool bothLanguages);
  QueryStatus LastQueryStatus() const { return status_; }

  const std::string& LastResultList() const { return lastResultList_; }
  void SetLastResultList(std::string list) { lastResultList_ = std::move(list); }
  // The languages in whose text the last search found `page`: one search in both languages
  // tells a page found in English only from one found in Russian; a search in one language
  // names every language, as its highlighting has always marked both panes.
  LanguageMask FoundLanguages(int page) const;

  // The time budget of one whole query and the clock it is measured by; tests bring their own.
  void SetQueryBudget(std::chrono::milliseconds budget, MatchDeadline::Clock clock = {}) {
    budget_ = budget;
    clock_ = std::move(clock);
  }

 private:
  void ReportFormatError();
  void ReportQueryStatus();
  // Makes a language's pages ready for matching, loading its page texts first if need be; false
  // when they cannot be.
  bool PreparePages(Language lang);
  struct PageMatches {
    std::string entries;  // "page|count," for each page found
    bool deadlinePassed = false;
    bool limitHit = false;
  };
  PageMatches MatchPages(RegexEngine& regex, bool negated, Language lang, int first, int last) const;
  PageMatches MatchScope(const TranslatedTerm& term, Language lang, PageRange scope);
  std::string EvaluateIn(Language lang, const std::string& query, PageRange scope);
  std::string QueryIn(Language lang, const SearchRequest& request);

  BookStore& book_;
  RegexEngine& regex_;
  std::unique_ptr<RegexEngine> helperRegex_;  // the second core's: half a large scope, half the snippets
  const Stylesheet& stylesheet_;
  SearchView& view_;
  MessageSink& messages_;
  const ResultsOptions& options_;
  PreparedPages prepared_;
  std::string lastQuery_;
  std::string shownQuery_;
  std::array<std::unique_ptr<BookVocabulary>, kLanguageCount> vocabulary_;
  std::string lastResultList_;
  // Each language's list of the last search in both languages; empty after a one-language search.
  std::array<std::string, kLanguageCount> foundIn_;
  bool quietFormatErrors_ = false;  // the second language repeats the first one's format messages
  std::chrono::milliseconds budget_ = kQueryTimeBudget;
  MatchDeadline::Clock clock_;
  MatchDeadline* deadline_ = nullptr;  // the running query's, while EvaluateWholeQuery runs
  QueryStatus status_ = QueryStatus::Done;
};

}  // namespace orvelis
