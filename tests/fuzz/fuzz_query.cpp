// Any query over the sample book, in the language its letters belong to and in one of the six
// scopes: no crash, no hang (the runner's per-input timeout), and a result list of the right form,
// "," then "page|count," with pages ascending inside the scope. Every operator combines pages one
// by one, so the list of a part of the book must be the whole book's list cut to that part,
// counts included; that is checked whenever neither search gave up on a term.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "book/book_store.h"
#include "ground/match_deadline.h"
#include "ground/regex_engine.h"
#include "reader/headless_reader.h"
#include "search/highlight.h"
#include "search/query_limits.h"

namespace {

using namespace orvelis;

struct Session {
  BookStore store;
  HeadlessReader search{store};
};

Session& Shared() {
  static Session* session = [] {
    auto* s = new Session;
    const char* path = std::getenv("ORVELIS_FUZZ_BOOK");
    if (!path || !s->store.OpenBook(path) || !s->store.LoadPartRecords() || !s->store.LoadPaperRecords() ||
        !s->store.LoadPageTexts(kRussian) || !s->store.LoadPageTexts(kEnglish)) {
      std::abort();
    }
    return s;
  }();
  return *session;
}

void Check(bool condition) {
  if (!condition) std::abort();
}

struct Entry {
  int page = 0;
  std::string count;
};

// The entries of a result list; aborts on anything but "," followed by "digits|digits," runs.
std::vector<Entry> ParseList(const std::string& list) {
  Check(!list.empty() && list.front() == ',');
  std::vector<Entry> entries;
  std::size_t i = 1;
  const auto digits = [&](char end) {
    const std::size_t start = i;
    while (i < list.size() && list[i] >= '0' && list[i] <= '9') ++i;
    Check(i > start && i - start <= 6 && i < list.size() && list[i] == end);
    return list.substr(start, i++ - start);
  };
  while (i < list.size()) {
    Entry e;
    e.page = std::stoi(digits('|'));
    e.count = digits(',');
    entries.push_back(std::move(e));
  }
  return entries;
}

struct Evaluation {
  std::string list;
  bool gaveUp = false;  // a term was rejected or empty: a message was shown
};

Evaluation Evaluate(HeadlessReader& s, const std::string& query, int scope) {
  s.messages.shown.clear();
  Evaluation e;
  e.list = s.engine.EvaluateWholeQuery({query, scope});
  e.gaveUp = !s.messages.shown.empty();
  return e;
}

bool HasCyrillic(const std::string& text) {
  for (const char c : text) {
    if (c == '\xD0' || c == '\xD1') return true;  // lead bytes of the Cyrillic letters in UTF-8
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Each language's pages are prepared for matching on first use; that is done here, not inside
  // the first input's time limit.
  for (Language lang : {kRussian, kEnglish}) {
    Shared().store.SetCurrentLanguage(lang);
    Shared().search.engine.EvaluateWholeQuery({"a"});
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  HeadlessReader& s = Shared().search;
  const std::string query(reinterpret_cast<const char*>(data), size);
  const Language lang = HasCyrillic(query) ? kRussian : kEnglish;
  Shared().store.SetCurrentLanguage(lang);
  const int scope = static_cast<int>(size % 6);

  const Evaluation part = Evaluate(s, query, scope);
  const std::vector<Entry> entries = ParseList(part.list);
  const PageRange range = SearchScope(scope);
  int previous = range.first - 1;
  for (const Entry& e : entries) {
    Check(e.page > previous && e.page <= range.last);
    previous = e.page;
  }

  if (scope != 0 && !part.gaveUp) {
    const Evaluation whole = Evaluate(s, query, 0);
    if (!whole.gaveUp) {
      std::string cut = ",";
      for (const Entry& e : ParseList(whole.list)) {
        if (e.page >= range.first && e.page <= range.last) cut += std::to_string(e.page) + "|" + e.count + ",";
      }
      Check(cut == part.list);
    }
  }

  // The words of the query also go through highlighting of one page, as the page view does it:
  // ordinary words are never cut, a backtracking word gives up within the query's budget.
  MatchDeadline deadline(kQueryTimeBudget, MatchDeadline::Reach::LongOnly);
  const ScopedMatchDeadline watched(s.regex, &deadline);
  volatile std::size_t sink = HighlightWords(s.regex, s.book.GetPageText(1500, lang), query, lang, true).size();
  (void)sink;
  return 0;
}
