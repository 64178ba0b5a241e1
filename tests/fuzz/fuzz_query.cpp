// Any query over the sample book's text: no crash and no hang (a term that reaches the engine's
// limits is a rejected pattern).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "book/book_store.h"
#include "render/recording_reading_view.h"
#include "render/regex_engine.h"
#include "render/stylesheet.h"
#include "search/highlight.h"
#include "search/recording_search_view.h"
#include "search/search_engine.h"
#include "ui/settings_store.h"

namespace {

using namespace orvelis;

struct Session {
  BookStore book;
  RegexEngine regex;
  MemorySettingsStore settings;
  RecordingReadingView menus;
  Stylesheet stylesheet{settings, menus, "/u/"};
  RecordingSearchView view;
  RecordingMessageSink messages;
  ResultsOptions options;
  SearchEngine engine{book, regex, stylesheet, view, messages, options};
};

Session& Shared() {
  static Session* session = [] {
    auto* s = new Session;
    const char* path = std::getenv("ORVELIS_FUZZ_BOOK");
    if (!path || !s->book.OpenBook(path) || !s->book.LoadPartRecords() || !s->book.LoadPaperRecords() ||
        !s->book.LoadPageTexts(kRussian)) {
      std::abort();
    }
    s->book.SetCurrentLanguage(kRussian);
    s->stylesheet.BuildStylesheet(true);
    return s;
  }();
  return *session;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Session& s = Shared();
  const std::string query(reinterpret_cast<const char*>(data), size);
  s.view.partsIndex = size % 6;
  const std::string list = s.engine.EvaluateWholeQuery(query, false);
  if (list.empty() || list.front() != ',') std::abort();
  // The words of the query also go through highlighting of one page.
  volatile std::size_t sink = HighlightWords(s.regex, s.book.GetPageText(1500, kRussian), query, kRussian, true).size();
  (void)sink;
  return 0;
}
