#pragma once
// The query language: normalisation, evaluation by splitting at the first top-level separator,
// the translation of a term into a pattern, the algebra of result lists, and the word list used
// for highlighting.
//
// A result list is "," then "page|count," per page in ascending page order; "," is empty.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orvelis {

inline constexpr const char* kEmptyResultList = ",";

std::string NormaliseQuery(std::string_view query);

// Evaluates a normalised query; every term goes to `searchTerm`, which returns its result list.
using TermEvaluator = std::function<std::string(const std::string& term)>;
std::string EvaluateQuery(const std::string& query, const TermEvaluator& searchTerm);

struct TranslatedTerm {
  std::string pattern;  // " " + term + " ", ready for the engine
  bool negated = false;
  bool empty = false;  // nothing left: a format error
};
TranslatedTerm TranslateTerm(std::string_view term);

std::string CombineResults(std::string_view a, std::string_view b, bool isOr);
// The lists of one query in two languages as one: each page once, with the higher of its counts.
std::string MergeLanguageResults(std::string_view a, std::string_view b);
// pages[p] says whether page p (1..2097) is in the list.
std::vector<bool> PagesOfList(std::string_view list);
// pos is 1-based (0: absent).
int GetHitCount(std::size_t pos, std::string_view list);

std::string QueryToWords(std::string_view query);

// The WordChar run that a "*" in a highlighted word stands for.
inline constexpr const char* kWordCharRun = R"re([^ ,\.;:\-\)"»&]*)re";

}  // namespace orvelis
