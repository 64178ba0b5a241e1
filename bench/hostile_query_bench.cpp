// Queries meant to hold the window: each must end within the query's time budget (1 s) plus a
// little, with its message; see docs/performance.md. Also the cost of combining per word.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>

#include "bench_support.h"
#include "book/book_store.h"
#include "reader/headless_reader.h"
#include "search/query_language.h"

namespace {

using namespace orvelis;

std::string Repeated(const std::string& piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

// Two hundred words of the book joined by "|", so every combination handles long lists.
std::string TwoHundredWords() {
  const char* words[] = {"иисус", "христос", "бог",  "отец",   "сын",     "дух",    "мир",
                         "жизнь", "вера",    "истина", "любовь", "царство", "учитель", "апостолы",
                         "народ", "свет",    "путь",  "слово",  "время",   "человек"};
  std::string query;
  for (int i = 0; i < 200; ++i) query += std::string(i ? "|" : "") + words[i % 20];
  return query;
}

// The whole search as the window runs it, results page included, and its slowest run.
void HostileQuery(benchmark::State& state, const std::string& query) {
  BookStore store;
  HeadlessReader search{store};
  store.SetCurrentLanguage(kRussian);
  if (!store.OpenBook(bench::SampleBookPath()) || !store.LoadPartRecords() || !store.LoadPaperRecords() ||
      !store.LoadPageTexts(kRussian)) {
    state.SkipWithError("the sample book did not load");
    return;
  }
  search.engine.EvaluateWholeQuery({"иисус"});  // the pages are prepared once per language
  double slowest = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    search.engine.RunSearch({query});
    slowest = std::max(slowest, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    search.view.documents.clear();
  }
  state.counters["slowest_s"] = slowest;
  state.counters["status"] = static_cast<double>(search.engine.LastQueryStatus());  // 0 done .. 3 over budget
  const std::string& list = search.engine.LastResultList();
  state.counters["pages_found"] = static_cast<double>(std::count(list.begin(), list.end(), ',') - 1);
}

BENCHMARK_CAPTURE(HostileQuery, stars_6000, Repeated("*", 6000))->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(HostileQuery, stars_1999, Repeated("*", 1999))->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(HostileQuery, a_blank_5000, Repeated("a ", 5000))->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(HostileQuery, a_blank_300, Repeated("a ", 300))->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(HostileQuery, backtracking_word, "(?*)*ю")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(HostileQuery, backtracking_words_50, Repeated("(?*)*ю ", 50))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(HostileQuery, wildcards_in_one_word, "*и*и*ю")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(HostileQuery, two_hundred_words, TwoHundredWords())->Unit(benchmark::kMillisecond)->Iterations(3);
// Found quickly, but its highlighting word backtracks in every snippet.
BENCHMARK_CAPTURE(HostileQuery, backtracking_highlight, "и" + Repeated("?", 30))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// Combining alone: every word answers with every page of the book, the longest list there is.
void BM_CombineWords(benchmark::State& state) {
  std::string everyPage = ",";
  for (int p = 1; p <= kPageCount; ++p) everyPage += std::to_string(p) + "|" + std::to_string(p % 97 + 1) + ",";
  const auto words = static_cast<int>(state.range(0));
  std::string query;
  for (int i = 0; i < words; ++i) query += i % 2 ? "a " : "b|";
  const TermEvaluator term = [&](const std::string&) { return everyPage; };
  for (auto _ : state) benchmark::DoNotOptimize(EvaluateQuery(NormaliseQuery(query), term));
  state.counters["per_word"] = benchmark::Counter(static_cast<double>(words), benchmark::Counter::kIsIterationInvariantRate |
                                                                             benchmark::Counter::kInvert);
}
BENCHMARK(BM_CombineWords)->Arg(50)->Arg(200)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace
