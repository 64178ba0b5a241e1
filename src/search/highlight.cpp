#include "search/highlight.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <vector>

#include "book/book_store.h"
#include "book/book_tables.h"
#include "ground/regex_engine.h"
#include "ground/caseless_text.h"
#include "ground/text_replace.h"
#include "render/parallel_page.h"
#include "search/page_preparation.h"
#include "search/query_limits.h"
#include "search/query_language.h"

namespace orvelis {
namespace {

constexpr std::string_view kVowels[] = {"а", "е", "и", "о", "у", "ю", "я"};
constexpr std::string_view kLeading = R"re([ (\.\->])re";
constexpr std::string_view kTrailing = R"re([ ,\.;:\-\)"»&])re";

std::vector<std::string> SplitAtBlanks(const std::string& text) {
  std::vector<std::string> items;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(' ', start)) != std::string::npos; start = at + 1) {
    items.push_back(text.substr(start, at - start));
  }
  items.push_back(text.substr(start));
  return items;
}

std::string TrimBlanks(const std::string& s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string WithWordCharRuns(std::string word) {
  ReplaceAllExact(word, "*", kWordCharRun);
  return word;
}

// The parts of a text that are not text to read: tags with their attributes, and paragraph
// markers (the markup's own pattern), which become anchors and tooltips. Sorted, not overlapping.
struct Span {
  std::size_t begin = 0;
  std::size_t end = 0;
};
std::vector<Span> MarkupSpans(RegexEngine& regex, const std::string& text) {
  std::vector<Span> spans;
  for (std::size_t lt = text.find('<'); lt != std::string::npos; lt = text.find('<', lt + 1)) {
    // As a browser reads it: "<" opens a tag only before a letter, "/", "!" or "?".
    const char next = lt + 1 < text.size() ? text[lt + 1] : ' ';
    if (!std::isalpha(static_cast<unsigned char>(next)) && next != '/' && next != '!' && next != '?') continue;
    const std::size_t gt = text.find('>', lt + 1);
    if (gt == std::string::npos) break;
    spans.push_back({lt, gt + 1});
    lt = gt;
  }
  regex.SetPattern(R"re(\(\([^:]*:[^:]*:[^:]*\)\))re");
  for (const RegexMatch& m : regex.Execute(text)) spans.push_back({m.position, m.position + m.length});
  std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.begin < b.begin; });
  std::vector<Span> merged;
  for (const Span& span : spans) {
    if (!merged.empty() && span.begin < merged.back().end) {
      merged.back().end = std::max(merged.back().end, span.end);
    } else {
      merged.push_back(span);
    }
  }
  return merged;
}

// True when the boundary between two bytes falls within a span, not at its edge.
bool CutsSpan(const std::vector<Span>& spans, std::size_t boundary) {
  auto after = std::upper_bound(spans.begin(), spans.end(), boundary,
                                [](std::size_t at, const Span& span) { return at < span.begin; });
  if (after == spans.begin()) return false;
  const Span& span = *std::prev(after);
  return span.begin < boundary && boundary < span.end;
}

}  // namespace

namespace {

// The pattern of each query word, in the order the words are marked. They depend on the query
// alone, and snippets mark one query thousands of times in a row, so the last set is kept.
const std::vector<std::string>& HighlightPatterns(const std::string& query, Language vowelLanguage, bool convert) {
  struct Key {
    std::string query;
    Language language;
    bool convert;
    bool operator==(const Key&) const = default;
  };
  thread_local Key last{{}, kEnglish, false};
  thread_local std::vector<std::string> patterns;
  thread_local bool filled = false;
  Key key{query, vowelLanguage, convert};
  if (filled && key == last) return patterns;
  patterns.clear();
  const std::string words = convert ? QueryToWords(query) : query;
  for (const std::string& item : SplitAtBlanks(words)) {
    // The "*" runs go in before the stress-mark groups: the groups' own "[^>]*" must stay as it is.
    std::string w = WithWordCharRuns(TrimBlanks(item));
    if (vowelLanguage != kEnglish) {
      for (std::string_view v : kVowels) {
        w = ReplaceAllIgnoreCase(w, v, "(<font [^>]*>)?" + std::string(v) + "(<\\/font>)?");
      }
    }
    if (w.empty()) continue;
    patterns.push_back("(" + std::string(kLeading) + ")(" + w + ")(" + std::string(kTrailing) + ")");
  }
  last = std::move(key);
  filled = true;
  return patterns;
}

}  // namespace

std::string HighlightWords(RegexEngine& regex, const std::string& text, const std::string& query,
                           Language vowelLanguage, bool convert) {
  if (query.empty()) return text;
  std::string result = text;
  for (const std::string& pattern : HighlightPatterns(query, vowelLanguage, convert)) {
    if (!regex.SetPattern(pattern) || !regex.Test(result)) continue;
    // A word may hold whole tags (a stress mark) but never begins or ends inside a tag or a marker.
    const std::vector<Span> markup = MarkupSpans(regex, result);
    regex.SetPattern(pattern);
    const int n = regex.GroupCount();
    result = regex.ReplaceAll(result, "$1<font class=\"bld\">$2</font>$" + std::to_string(n), [&](const RegexMatch& m) {
      const RegexMatch::Group& word = m.groups[1];
      return !CutsSpan(markup, word.position) && !CutsSpan(markup, word.position + word.length);
    });
  }
  return result;
}

std::string SentenceAt(std::string_view t, std::size_t pos) {
  if (pos == 0 || pos > t.size()) return {};
  const std::size_t a = t.rfind('.', pos - 1);  // 0-based; "at or before pos"
  if (a == std::string_view::npos) return {};
  const std::size_t c = t.find('.', a + 1);
  if (c == std::string_view::npos) return {};
  return std::string(t.substr(a + 1, c - a - 1));
}

std::string ParagraphRefAt(std::string_view t, std::size_t pos, std::string_view lit) {
  if (pos == 0) return {};
  const std::size_t a = FindIgnoreCase(t, lit, pos - 1);
  if (a == std::string_view::npos) return {};
  const std::size_t b = t.rfind("((", a);  // the last "((" that starts at or before a
  if (b == std::string_view::npos) return {};
  const std::size_t c = t.find("))", b);
  if (c == std::string_view::npos || c - b >= 15) return {};
  std::string ref(t.substr(b + 2, c - b - 2));
  ReplaceAllExact(ref, "_", "");
  return ref;
}

std::string SearchResultParagraph(int page, const std::string& ref, Language language, const std::string& s) {
  std::string paper = std::to_string(PaperOfPage(page));
  if (paper == "0") paper = language == kEnglish ? "F" : "П";
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = ref.find(':', start)) != std::string::npos; start = at + 1) {
    parts.push_back(ref.substr(start, at - start));
  }
  parts.push_back(ref.substr(start));
  if (parts.size() != 3) return s;
  const std::string p = std::to_string(page);
  return "<a class=\"search_res\" href=\"@page" + p + "#" + parts[0] + "\" title=\" " + p + ":" + parts[0] + " [" +
         paper + ":" + parts[1] + ":" + parts[2] + "] \">" + s + "</a>";
}

std::string RemoveParagraphMarkers(RegexEngine& regex, const std::string& text) {
  regex.SetPattern(R"(\(\(([^:]*):([^:]*):(\d*)\)\))");
  return regex.ReplaceAll(text, "");
}

std::string OpeningWords(const std::string& pageText, const std::string& ref, std::size_t words) {
  if (ref.empty()) return {};
  for (const PageSegment& segment : SplitAtMarkers(pageText)) {
    std::string marker = segment.marker;
    ReplaceAllExact(marker, "_", "");
    if (marker != "((" + ref + "))") continue;
    // The paragraph's text as it reads: no markup, no line breaks, single blanks.
    std::string text;
    bool inTag = false;
    for (std::size_t i = segment.marker.size(); i < segment.text.size(); ++i) {
      const char c = segment.text[i];
      if (c == '<') inTag = true;
      const bool blank = inTag || c == '\r' || c == '\n' || c == '\t' || c == ' ';
      if (c == '>') inTag = false;
      if (!blank) text += c;
      else if (!text.empty() && text.back() != ' ') text += ' ';
    }
    std::string opening;
    std::size_t taken = 0;
    for (const std::string& word : SplitAtBlanks(text)) {
      if (word.empty()) continue;
      if (taken == words) {
        // "...", not "....": the cut replaces the last word's own stop.
        while (!opening.empty() && std::string_view(".,;:").find(opening.back()) != std::string_view::npos) {
          opening.pop_back();
        }
        return opening + "...";
      }
      if (!opening.empty()) opening += ' ';
      opening += word;
      ++taken;
    }
    return opening;
  }
  return {};
}

std::string BuildSnippets(const BookStore& book, RegexEngine& regex, int page, const std::string& query) {
  return BuildSnippets(book, regex, page, query, book.CurrentLanguage(), false);
}

std::string BuildSnippets(const BookStore& book, RegexEngine& regex, int page, const std::string& query,
                          Language lang, bool withCounterparts) {
  std::string t = "." + book.GetPageText(page, lang) + ".";
  // A snippet already in the list, in any case, is not repeated; for a word in nearly every
  // sentence that question is asked thousands of times of one page, hence the folded copy.
  CaselessText snippets;
  const std::string words = QueryToWords(query);
  ReplaceAllExact(t, ".", "   .   ");
  ReplaceAllExact(t, "))", ")) ");
  for (const std::string& item : SplitAtBlanks(words)) {
    const std::string w = TrimBlanks(item);
    if (w.empty()) continue;
    t = StripStressMarks(t, lang);
    const std::string pat = WithWordCharRuns(w);
    std::string lit = w;
    ReplaceAllExact(lit, "*", "");
    if (!regex.SetPattern("(" + std::string(kLeading) + pat + std::string(kTrailing) + ")")) continue;
    const std::vector<RegexMatch> matches = regex.Execute(t);
    // A sentence found again (the word twice in it) in the same paragraph gives the snippet it gave
    // before, which is then in the list already: it is passed over before it is built again.
    std::string previousSentence;
    std::string previousRef;
    for (const RegexMatch& match : matches) {
      const std::size_t pos = match.position + 1;
      std::string s = SentenceAt(t, pos);
      std::string ref = ParagraphRefAt(t, pos, lit);
      if (s == previousSentence && ref == previousRef) continue;
      previousSentence = s;
      previousRef = ref;
      regex.SetPattern("(<[^>]*>)");
      s = regex.ReplaceAll(s, " ");
      ReplaceAllExact(s, "\r\n", "");
      ReplaceAllExact(s, "\t", "");
      s = "..." + TrimBlanks(s) + "...";
      s = SearchResultParagraph(page, ref, lang, s);
      s = HighlightWords(regex, s, query, lang, true);
      if (snippets.Contains(s)) continue;
      if (!snippets.Empty()) snippets.Append("<br>");
      snippets.Append(s);
      if (withCounterparts) {
        const std::string opening = OpeningWords(book.GetPageText(page, OtherLanguageThan(lang)), ref);
        if (!opening.empty()) snippets.Append("<br><i><font color=\"#606060\">" + opening + "</font></i>");
      }
    }
  }
  std::string result = snippets.Text();
  ReplaceAllExact(result, "[[", "<");
  ReplaceAllExact(result, "]]", ">");
  result = RemoveParagraphMarkers(regex, result);
  ReplaceAllExact(result, "   .   ", ".");
  return result;
}

}  // namespace orvelis

namespace orvelis {
Highlighter MakePageHighlighter(RegexEngine& regex, const BookStore& book) {
  return [&regex, &book](const std::string& text, const std::string& query, Language) {
    // As for the snippets: ordinary words are never cut, a backtracking word gives up in time.
    MatchDeadline deadline(kQueryTimeBudget, MatchDeadline::Reach::LongOnly);
    const ScopedMatchDeadline watched(regex, &deadline);
    return HighlightWords(regex, text, query, book.CurrentLanguage(), true);
  };
}
}  // namespace orvelis
