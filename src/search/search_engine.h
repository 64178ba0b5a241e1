#pragma once
// Runs a query over the current language's pages and hands the result list to the results page.

#include <chrono>
#include <string>

#include "search/page_preparation.h"
#include "search/search_results.h"

namespace orvelis {

class BookStore;
class MessageSink;
class RegexEngine;
class SearchView;
class Stylesheet;

inline constexpr const char* kQueryFormatError = "Ошибочный формат строки поиска";
inline constexpr const char* kSearchCaption = "Поиск по книге";

struct PageRange {
  int first = 1;
  int last = 0;
};
// The pages of the parts-selector index (0 whole book, 1 Foreword, 2..5 Parts I..IV).
PageRange SearchScope(int partsSelectorIndex);

class SearchEngine {
 public:
  SearchEngine(BookStore& book, RegexEngine& regex, const Stylesheet& stylesheet, SearchView& view,
               MessageSink& messages, const ResultsOptions& options);

  void RunSearch(const std::string& query);
  void ShowSearchProgress();
  std::string SearchTerm(const std::string& term);
  // Normalises and evaluates a query over the current scope, combining with the last result when
  // `inFound`; what RunSearch does before the results page, without touching the view.
  std::string EvaluateWholeQuery(const std::string& query, bool inFound);

  const std::string& LastResultList() const { return lastResultList_; }
  void SetLastResultList(std::string list) { lastResultList_ = std::move(list); }

  // A term still scanning after this long is given up as a rejected pattern, so no query can
  // hold the window however its pattern backtracks.
  void SetTermTimeLimit(std::chrono::milliseconds limit) { termTimeLimit_ = limit; }

 private:
  void ReportFormatError();

  BookStore& book_;
  RegexEngine& regex_;
  const Stylesheet& stylesheet_;
  SearchView& view_;
  MessageSink& messages_;
  const ResultsOptions& options_;
  PreparedPages prepared_;
  std::string lastResultList_;
  std::chrono::milliseconds termTimeLimit_{800};
};

}  // namespace orvelis
