#include "search/query_language.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <vector>

#include "book/book_format.h"
#include "ground/text_replace.h"

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

// The count between an entry's "|" and the "," after it, as a 16-bit count; 0 if it is no number.
int HitCountBetween(std::string_view list, std::size_t bar, std::size_t comma) {
  int count = 0;
  const auto [ptr, ec] = std::from_chars(list.data() + bar + 1, list.data() + comma, count);
  if (ec == std::errc::result_out_of_range) return SHRT_MAX;
  if (ec != std::errc() || ptr != list.data() + comma) return 0;
  return count > SHRT_MAX ? SHRT_MAX : count;
}

// The count of every page's first entry ",p|" in a result list, read as GetHitCount reads it:
// one scan of the list instead of a substring search per page.
struct PageEntry {
  bool present = false;
  int count = 0;
};
std::vector<PageEntry> PageEntries(std::string_view list) {
  std::vector<PageEntry> entries(kPageCount + 1);
  for (std::size_t comma = list.find(','); comma != std::string_view::npos;) {
    const std::size_t next = list.find(',', comma + 1);
    std::size_t bar = comma + 1;
    while (bar < list.size() && list[bar] >= '0' && list[bar] <= '9') ++bar;
    int page = 0;
    if (bar > comma + 1 && bar < list.size() && list[bar] == '|' && list[comma + 1] != '0' &&
        std::from_chars(list.data() + comma + 1, list.data() + bar, page).ec == std::errc() && page >= 1 &&
        page <= kPageCount && !entries[page].present) {
      // The "," after the "|" is the next one: only digits lie between this "," and the "|".
      entries[page] = {true, next == std::string_view::npos ? 0 : HitCountBetween(list, bar, next)};
    }
    comma = next;
  }
  return entries;
}

void AppendNumber(std::string& out, int value) {
  char digits[16];
  const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, end);
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

namespace {

// Views into the query rather than copies, so a query of n words costs n steps, not n squared.
std::string Evaluate(std::string_view s, const TermEvaluator& searchTerm) {
  // Only the first ")" is examined: "(a|b)" loses its parentheses, "((a|b))" keeps them.
  if (!s.empty() && s.front() == '(' && s.find(')') == s.size() - 1) s = s.substr(1, s.size() - 2);

  int depth = 0;
  bool inQuote = false;
  std::size_t separator = std::string_view::npos;
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
  if (separator == std::string_view::npos) return searchTerm(std::string(s));

  std::string_view left = s.substr(0, separator);
  std::string_view right = s.substr(separator + 1);
  const bool isOr = s[separator] == '|';
  if (Parenthesised(left)) left = left.substr(1, left.size() - 2);
  if (Parenthesised(right)) right = right.substr(1, right.size() - 2);
  if (right.empty()) return searchTerm(std::string(left));
  const std::string first = Evaluate(left, searchTerm);
  const std::string second = Evaluate(right, searchTerm);
  return CombineResults(first, second, isOr);
}

}  // namespace

std::string EvaluateQuery(const std::string& query, const TermEvaluator& searchTerm) {
  return Evaluate(query, searchTerm);
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
  return HitCountBetween(list, bar, comma);
}

// Linear in the lengths of the lists: a query of n words combines n times at a bounded cost each.
std::string CombineResults(std::string_view a, std::string_view b, bool isOr) {
  const std::vector<PageEntry> inA = PageEntries(a);
  const std::vector<PageEntry> inB = PageEntries(b);
  std::string result = ",";
  result.reserve(isOr ? a.size() + b.size() : std::min(a.size(), b.size()) + 8);
  for (int p = 1; p <= kPageCount; ++p) {
    const PageEntry& ea = inA[p];
    const PageEntry& eb = inB[p];
    if (isOr ? (ea.present || eb.present) : (ea.present && eb.present)) {
      AppendNumber(result, p);
      result += '|';
      AppendNumber(result, ea.count + eb.count);
      result += ',';
    }
  }
  return result;
}

std::string MergeLanguageResults(std::string_view a, std::string_view b) {
  const std::vector<PageEntry> inA = PageEntries(a);
  const std::vector<PageEntry> inB = PageEntries(b);
  std::string result = ",";
  result.reserve(std::max(a.size(), b.size()) + 8);
  for (int p = 1; p <= kPageCount; ++p) {
    if (!inA[p].present && !inB[p].present) continue;
    AppendNumber(result, p);
    result += '|';
    AppendNumber(result, std::max(inA[p].count, inB[p].count));
    result += ',';
  }
  return result;
}

std::vector<bool> PagesOfList(std::string_view list) {
  const std::vector<PageEntry> entries = PageEntries(list);
  std::vector<bool> pages(entries.size());
  for (std::size_t p = 0; p < entries.size(); ++p) pages[p] = entries[p].present;
  return pages;
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
