// Whole-book searches, cold and warm, and a large results page; see docs/performance.md.

#include <benchmark/benchmark.h>

#include <memory>

#include "bench_support.h"
#include "book/book_store.h"
#include "ground/cp1251.h"
#include "reader/headless_reader.h"
#include "search/page_preparation.h"
#include "words/book_vocabulary.h"
#include "words/glossary.h"

namespace {

using namespace orvelis;

struct Session {
  BookStore store;
  HeadlessReader search{store};
  RecordingSearchView& view = search.view;
  SearchEngine& engine = search.engine;

  bool Open(Language lang) {
    store.SetCurrentLanguage(lang);
    return static_cast<bool>(store.OpenBook(bench::SampleBookPath())) && store.LoadPartRecords() &&
           store.LoadPaperRecords() && store.LoadPageTexts(lang);
  }
};

Language LanguageArg(const benchmark::State& state) { return state.range(0) == 0 ? kEnglish : kRussian; }

// The first search of a run also prepares the language's pages for matching.
void SearchCold(benchmark::State& state, const char* query) {
  for (auto _ : state) {
    state.PauseTiming();
    auto session = std::make_unique<Session>();
    if (!session->Open(LanguageArg(state))) {
      state.SkipWithError("the sample book did not load");
      return;
    }
    state.ResumeTiming();
    benchmark::DoNotOptimize(session->engine.EvaluateWholeQuery({query}));
    state.PauseTiming();
    session.reset();
    state.ResumeTiming();
  }
}

// Preparing a language's pages for matching from the file's bytes, as the command line does: all
// at once on both cores, and one page at a time as each is matched (what each half of a
// command-line search does on its core).
void PrepareStoredPages(benchmark::State& state, bool oneAtATime) {
  const Language lang = LanguageArg(state);
  BookStore book;
  StoredPageTexts stored;
  if (!book.OpenBook(bench::SampleBookPath()) || !book.ReadStoredPageTexts(lang, stored)) {
    state.SkipWithError("the sample book did not load");
    return;
  }
  for (auto _ : state) {
    PreparedPages prepared;
    if (oneAtATime) {
      prepared.StreamStored(stored, lang);
      std::size_t bytes = 0;
      for (int p = 1; p <= kPageCount; ++p) bytes += prepared.Page(lang, p).size();
      benchmark::DoNotOptimize(bytes);
    } else {
      prepared.PrepareStored(stored, lang);
      benchmark::DoNotOptimize(prepared.Page(lang, kPageCount));
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(stored.ends.back()));
}

void SearchWarm(benchmark::State& state, const char* query) {
  Session session;
  if (!session.Open(LanguageArg(state))) {
    state.SkipWithError("the sample book did not load");
    return;
  }
  session.engine.EvaluateWholeQuery({query});
  std::size_t pages = 0;
  for (auto _ : state) {
    const std::string list = session.engine.EvaluateWholeQuery({query});
    pages = static_cast<std::size_t>(std::count(list.begin(), list.end(), ',')) - 1;
    benchmark::DoNotOptimize(list.data());
  }
  state.counters["pages_found"] = static_cast<double>(pages);
}

// The same word in both languages: at most the two one-language searches together plus 10 %
// (compare with SearchWarm/plain_word and plain_word_en, whose word pair this is).
void SearchWarmBothLanguages(benchmark::State& state, const char* query) {
  Session session;
  if (!session.Open(kRussian)) {
    state.SkipWithError("the sample book did not load");
    return;
  }
  const SearchRequest request(query, 0, {}, false, true);
  session.engine.EvaluateWholeQuery(request);
  std::size_t pages = 0;
  for (auto _ : state) {
    const std::string list = session.engine.EvaluateWholeQuery(request);
    pages = static_cast<std::size_t>(std::count(list.begin(), list.end(), ',')) - 1;
    benchmark::DoNotOptimize(list.data());
  }
  state.counters["pages_found"] = static_cast<double>(pages);
}

// The two one-language searches a search in both languages stands for, one after the other as a
// reader switching the language would run them: the caches hold neither language's pages when
// its turn comes, as in the search in both languages.
void SearchWarmEachLanguageInTurn(benchmark::State& state, const char* query) {
  Session session;
  if (!session.Open(kRussian) || !session.store.LoadPageTexts(kEnglish)) {
    state.SkipWithError("the sample book did not load");
    return;
  }
  for (Language lang : {kEnglish, kRussian}) {
    session.store.SetCurrentLanguage(lang);
    session.engine.EvaluateWholeQuery({query});
  }
  for (auto _ : state) {
    for (Language lang : {kRussian, kEnglish}) {
      session.store.SetCurrentLanguage(lang);
      benchmark::DoNotOptimize(session.engine.EvaluateWholeQuery({query}).data());
    }
  }
}

// The words of a language and their stems, gathered once per run for every form of a word and
// for suggestions (target: under 100 ms); the pages are prepared before.
void BuildVocabulary(benchmark::State& state) {
  Session session;
  if (!session.Open(LanguageArg(state))) {
    state.SkipWithError("the sample book did not load");
    return;
  }
  PreparedPages prepared;
  const PreparedPages::Pages& pages = prepared.Of(session.store, LanguageArg(state));
  std::size_t words = 0;
  for (auto _ : state) {
    const BookVocabulary vocabulary(pages, LanguageArg(state));
    words = vocabulary.WordCount();
  }
  state.counters["distinct_words"] = static_cast<double>(words);
}

void SearchWarmWordForms(benchmark::State& state, const char* query) {
  Session session;
  if (!session.Open(LanguageArg(state))) {
    state.SkipWithError("the sample book did not load");
    return;
  }
  const SearchRequest request(query, 0, {}, false, false, true);
  session.engine.EvaluateWholeQuery(request);
  for (auto _ : state) benchmark::DoNotOptimize(session.engine.EvaluateWholeQuery(request).data());
}

// The glossary: pairing the aligned paragraphs of the whole book and stemming their words (on
// first use), then one lookup (target: under 50 ms once built).
void GlossaryBuild(benchmark::State& state) {
  Session session;
  if (!session.Open(kRussian) || !session.store.LoadPageTexts(kEnglish)) {
    state.SkipWithError("the sample book did not load");
    return;
  }
  std::size_t pairs = 0;
  for (auto _ : state) pairs = Glossary(session.store).PairCount();
  state.counters["aligned_pairs"] = static_cast<double>(pairs);
}

void GlossaryLookup(benchmark::State& state, const char* word) {
  Session session;
  if (!session.Open(kRussian) || !session.store.LoadPageTexts(kEnglish)) {
    state.SkipWithError("the sample book did not load");
    return;
  }
  const Glossary glossary(session.store);
  for (auto _ : state) benchmark::DoNotOptimize(glossary.Lookup(word, kRussian).size());
}

void ResultsPage(benchmark::State& state, const char* query) {
  Session session;
  if (!session.Open(LanguageArg(state))) {
    state.SkipWithError("the sample book did not load");
    return;
  }
  for (auto _ : state) {
    session.engine.RunSearch({query});
    benchmark::DoNotOptimize(session.view.documents.back().data());
    session.view.documents.clear();
  }
  state.counters["result_pages"] = std::stod(session.view.resultCountText.substr(session.view.resultCountText.find(':') + 2));
}

// Every document handed to a browser pane is encoded to Windows-1251 first.
void EncodeResultsPage(benchmark::State& state, const char* query) {
  Session session;
  if (!session.Open(LanguageArg(state))) {
    state.SkipWithError("the sample book did not load");
    return;
  }
  session.engine.RunSearch({query});
  const std::string page = session.view.documents.back();
  for (auto _ : state) benchmark::DoNotOptimize(EncodeCp1251(page, Unmappable::NumericReference).size());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(page.size()));
}

BENCHMARK_CAPTURE(SearchCold, plain_word, "иисус")->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(SearchCold, plain_word_en, "jesus")->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(PrepareStoredPages, both_cores, false)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PrepareStoredPages, one_page_at_a_time, true)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchWarm, plain_word, "иисус")->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchWarm, plain_word_en, "jesus")->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchWarmEachLanguageInTurn, plain_word_ru, "иисус")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchWarmEachLanguageInTurn, plain_word_en, "jesus")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchWarmBothLanguages, plain_word_ru, "иисус")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchWarmBothLanguages, plain_word_en, "jesus")->Unit(benchmark::kMillisecond);
BENCHMARK(BuildVocabulary)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(GlossaryBuild)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(GlossaryLookup, frequent_word, "иисус")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GlossaryLookup, most_frequent_word, "и")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchWarmWordForms, plain_word, "иисус")->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchWarm, alternation, "(христос|иисус)")->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchWarm, alternation_en, "(christ|jesus)")->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchWarm, wildcard, "бог*")->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchWarm, three_terms, "иисус христос учитель")->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ResultsPage, word_on_1000_pages, "иисус")->Arg(1)->Unit(benchmark::kMillisecond);
// "и" stands in nearly every sentence of every page: some 15 MB of snippets.
BENCHMARK_CAPTURE(ResultsPage, word_in_every_sentence, "и")->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(EncodeResultsPage, word_in_every_sentence, "и")->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
