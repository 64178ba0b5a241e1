#pragma once
// The results page of one search: one entry per found page (or per Paper with its pages), each
// with its rating bar and the sentences in which the query's words occur.

#include <array>
#include <utility>
#include <string>
#include <vector>

namespace orvelis {

class BookStore;
class RegexEngine;
class SearchView;
class Stylesheet;

// The program-wide flags of searching and of the results page ("sord", "sgrp", "sbl", "sctp").
struct ResultsOptions {
  int sortByRating = 1;  // 1 by rating, 0 in page order
  bool groupResults = false;
  bool searchBothLanguages = false;  // the panel's searches go over the Russian and the English text
  bool wordForms = false;            // each plain word stands for all its forms in the book
  // Under each snippet, the opening words of its paragraph in the other language ("sctp").
  bool showCounterparts = false;
};

class CSearchResults {
 public:
  // Row 0 of both tables holds no entry; rows 1..n are the entries.
  using PageRow = std::array<int, 3>;   // page, hit count, Paper
  using GroupRow = std::array<int, 2>;  // Paper, summed hit count

  CSearchResults(const BookStore& book, RegexEngine& regex, const Stylesheet& stylesheet, SearchView& view,
                 const ResultsOptions& options);

  // The result of a search in both languages: each entry then shows the snippets of each language
  // the page was found in, labelled with the language. `foundIn` holds each language's list,
  // `queries` the query each language's snippets are marked with.
  void LabelLanguages(const std::array<std::string, 2>& foundIn, const std::array<std::string, 2>& queries);
  // A search that found nothing: under the message, for each word of the typed query the book
  // lacks, the close words it has, each a link that runs the query with that word replaced.
  using Corrections = std::vector<std::pair<std::string, std::vector<std::string>>>;
  void OfferCorrections(const std::string& typedQuery, Corrections corrections);
  // `scopeTitle` names a scope narrower than the whole book in the page's title.
  void Search(const std::string& searchStr, const std::string& arrStr, int sort, bool group,
              const std::string& scopeTitle = {});
  // An engine for a second thread: with one, the snippets of a long list are built on two cores.
  // Leave it unset where the highlighting's clock must be read from one thread (tests' clocks).
  void ShareWorkWith(RegexEngine* helper) { helperRegex_ = helper; }

  template <std::size_t N>
  static void SortArray(int sortDim, std::vector<std::array<int, N>>& sortArr) {
    quick_sort(sortArr, sortDim, 1, static_cast<int>(sortArr.size()) - 1);
  }
  template <std::size_t N>
  static void quick_sort(std::vector<std::array<int, N>>& sortArr, int sortDim, int first, int last);

  // The page as the last Search built it.
  const std::vector<PageRow>& Pages() const { return pages_; }
  const std::vector<GroupRow>& Groups() const { return groups_; }
  int MaxPageCount() const { return maxPageCount_; }
  int MaxGroupCount() const { return maxGroupCount_; }

  static std::string RatingBar(int value, int maximum, const std::string& fill, const std::string& rest,
                               const std::string& title);

 private:
  void BuildGroups();
  void WriteResultsPage(const std::string& query, bool group, const std::string& scopeTitle);
  std::string Snippets(RegexEngine& regex, int page, const std::string& query) const;
  // The snippets of every entry, by row of pages_.
  std::vector<std::string> AllSnippets(const std::string& query);
  std::string CorrectionsHtml() const;

  const BookStore& book_;
  RegexEngine& regex_;
  RegexEngine* helperRegex_ = nullptr;
  const Stylesheet& stylesheet_;
  SearchView& view_;
  const ResultsOptions& options_;
  std::vector<PageRow> pages_{PageRow{}};
  std::vector<GroupRow> groups_{GroupRow{}};
  int maxPageCount_ = 0;
  int maxGroupCount_ = 0;
  std::array<std::vector<bool>, 2> foundIn_;  // empty unless LabelLanguages was called
  std::array<std::string, 2> languageQueries_;
  std::array<std::string, 2> languageLabels_;  // "<b>Русский:</b> ", read before any second thread starts
  std::string typedQuery_;
  Corrections corrections_;

};

// (first + last) / 2 rounded to the nearest integer, a half going to the even one.
inline int MidpointHalfEven(int first, int last) {
  const int sum = first + last;
  const int floor = sum >= 0 ? sum / 2 : -((-sum + 1) / 2);
  if (sum % 2 == 0) return floor;
  return floor % 2 == 0 ? floor : floor + 1;
}

template <std::size_t N>
void CSearchResults::quick_sort(std::vector<std::array<int, N>>& sortArr, int sortDim, int first, int last) {
  if (last < first) return;
  int i = first;
  int j = last;
  const int pivot = sortArr[MidpointHalfEven(first, last)][sortDim];
  for (;;) {
    while (sortArr[i][sortDim] > pivot) ++i;
    while (sortArr[j][sortDim] < pivot) --j;
    if (j < i) break;
    std::swap(sortArr[i], sortArr[j]);
    ++i;
    --j;
    if (j < i) break;
  }
  if (first < j) quick_sort(sortArr, sortDim, first, j);
  if (i < last) quick_sort(sortArr, sortDim, i, last);
}

}  // namespace orvelis
