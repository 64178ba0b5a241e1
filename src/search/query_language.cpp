#include "search/query_language.h"

#include <charconv>
#include <climits>
#include <vector>

#include "book/book_format.h"
#include "render/text_replace.h"

namespace orvelis {
namespace {

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
  ReplaceAllExact(text, from, to);
  return text;
}

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

bool Parenthesised(std::string_view s) { return !s.empty() && s.front() == '(' && s.back() == ')'; }

// Where ",p|" first occurs in a result list, for every page p: one scan instead of a substring
// search per page. Positions are 1-based, 0 when absent, as GetHitCount expects.
std::vector<std::size_t> EntryPositions(std::string_view list) {
  std::vector<std::size_t> positions(kPageCount + 1, 0);
  for (std::size_t comma = list.find(','); comma != std::string_view::npos; comma = list.find(',', comma + 1)) {
    std::size_t end = comma + 1;
    while (end < list.size() && list[end] >= '0' && list[end] <= '9') ++end;
    if (end == comma + 1 || end >= list.size() || list[end] != '|' || list[comma + 1] == '0') continue;
    int page = 0;
    const auto [ptr, ec] = std::from_chars(list.data() + comma + 1, list.data() + end, page);
    if (ec == std::errc() && page >= 1 && page <= kPageCount && positions[page] == 0) positions[page] = comma + 1;
  }
  return positions;
}

}  // namespace

std::string NormaliseQuery(std::string_view query) {
  std::string s(query);
  ReplaceAllExact(s, "+", " ");
  ReplaceAllExact(s, "\"", "'");
  ReplaceAllExact(s, "  ", " ");
  ReplaceAllExact(s, "  ", " ");
  ReplaceAllExact(s, " |", "|");
  ReplaceAllExact(s, "| ", "|");
  ReplaceAllExact(s, "! ", "!");
  return s;
}

std::string EvaluateQuery(const std::string& query, const TermEvaluator& searchTerm) {
  std::string s = query;
  // Only the first ")" is examined: "(a|b)" loses its parentheses, "((a|b))" keeps them.
  if (!s.empty() && s.front() == '(' && s.find(')') == s.size() - 1) s = s.substr(1, s.size() - 2);

  int depth = 0;
  bool inQuote = false;
  std::size_t separator = std::string::npos;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '(') {
      ++depth;
    } else if (c == ')') {
      --depth;
    } else if (c == '\'') {
      inQuote = !inQuote;
    } else if ((c == ' ' || c == '|') && depth == 0 && !inQuote) {
      separator = i;
      break;
    }
  }
  if (separator == std::string::npos) return searchTerm(s);

  std::string left = s.substr(0, separator);
  std::string right = s.substr(separator + 1);
  const bool isOr = s[separator] == '|';
  if (Parenthesised(left)) left = left.substr(1, left.size() - 2);
  if (Parenthesised(right)) right = right.substr(1, right.size() - 2);
  if (right.empty()) return searchTerm(left);
  const std::string first = EvaluateQuery(left, searchTerm);
  const std::string second = EvaluateQuery(right, searchTerm);
  return CombineResults(first, second, isOr);
}

TranslatedTerm TranslateTerm(std::string_view rawTerm) {
  TranslatedTerm result;
  std::string_view term = TrimBlanks(rawTerm);
  if (!term.empty() && term.front() == '!') {
    result.negated = true;
    term = TrimBlanks(term.substr(1));
  }
  std::string t(term);
  ReplaceAllExact(t, ".", "\\.");
  ReplaceAllExact(t, "/", "\\/");
  ReplaceAllExact(t, "?", ".");
  ReplaceAllExact(t, "*", ".*");
  ReplaceAllExact(t, "'", "");
  result.empty = t.empty();
  result.pattern = " " + t + " ";
  return result;
}

int GetHitCount(std::size_t pos, std::string_view list) {
  if (pos == 0 || pos > list.size()) return 0;
  const std::size_t bar = list.find('|', pos - 1);
  if (bar == std::string_view::npos) return 0;
  const std::size_t comma = list.find(',', bar);
  if (comma == std::string_view::npos) return 0;
  int count = 0;
  const auto [ptr, ec] = std::from_chars(list.data() + bar + 1, list.data() + comma, count);
  if (ec == std::errc::result_out_of_range) return SHRT_MAX;
  if (ec != std::errc() || ptr != list.data() + comma) return 0;
  return count > SHRT_MAX ? SHRT_MAX : count;
}

std::string CombineResults(std::string_view a, std::string_view b, bool isOr) {
  const std::vector<std::size_t> inA = EntryPositions(a);
  const std::vector<std::size_t> inB = EntryPositions(b);
  std::string result = ",";
  for (int p = 1; p <= kPageCount; ++p) {
    const std::size_t pa = inA[p];
    const std::size_t pb = inB[p];
    const bool keep = isOr ? (pa > 0 || pb > 0) : (pa > 0 && pb > 0);
    if (keep) {
      result += std::to_string(p) + "|" + std::to_string(GetHitCount(pa, a) + GetHitCount(pb, b)) + ",";
    }
  }
  return result;
}

std::string QueryToWords(std::string_view query) {
  std::string q(query);
  q = Replaced(q, "\"", " ");
  q = Replaced(q, "'", " ");
  q = Replaced(q, "+", " ");
  q = Replaced(q, "|", " ");
  q = Replaced(q, "!", "");
  q = Replaced(q, "(", " ");
  q = Replaced(q, ")", " ");
  q = Replaced(q, "/", "\\/");
  q = Replaced(q, ".", "\\.");
  q = Replaced(q, "?", ".?");
  q = Replaced(q, "  ", " ");
  q = Replaced(q, "  ", " ");
  return std::string(TrimBlanks(q));
}

}  // namespace orvelis
