// Any query over the sample book's text: no crash and no hang (a term that reaches the engine's
// limits is a rejected pattern).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "book/book_store.h"
#include "search/headless_search.h"
#include "search/highlight.h"

namespace {

using namespace orvelis;

struct Session {
  BookStore store;
  HeadlessSearch search{store};
};

Session& Shared() {
  static Session* session = [] {
    auto* s = new Session;
    const char* path = std::getenv("ORVELIS_FUZZ_BOOK");
    if (!path || !s->store.OpenBook(path) || !s->store.LoadPartRecords() || !s->store.LoadPaperRecords() ||
        !s->store.LoadPageTexts(kRussian)) {
      std::abort();
    }
    s->store.SetCurrentLanguage(kRussian);
    return s;
  }();
  return *session;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  HeadlessSearch& s = Shared().search;
  const std::string query(reinterpret_cast<const char*>(data), size);
  s.view.partsIndex = static_cast<int>(size % 6);
  const std::string list = s.engine.EvaluateWholeQuery(query, false);
  if (list.empty() || list.front() != ',') std::abort();
  // The words of the query also go through highlighting of one page.
  volatile std::size_t sink = HighlightWords(s.regex, s.book.GetPageText(1500, kRussian), query, kRussian, true).size();
  (void)sink;
  return 0;
}
