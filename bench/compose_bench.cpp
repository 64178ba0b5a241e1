// Composing every page of the book in both languages, as reading does page by page.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "bench_support.h"
#include "book/book_store.h"
#include "reader/headless_reader.h"

namespace {

using namespace orvelis;

void BM_ComposeEveryPage(benchmark::State& state) {
  BookStore store;
  if (!store.OpenBook(bench::SampleBookPath()) || !store.LoadPartRecords() || !store.LoadPaperRecords() ||
      !store.LoadPageTexts(kRussian) || !store.LoadPageTexts(kEnglish)) {
    state.SkipWithError("the sample book did not load");
    return;
  }
  HeadlessReader reader{store, "/home/reader/.local/share/OrvelisBook/"};
  PageComposer& composer = reader.core.Composer();
  std::vector<double> microseconds;
  for (auto _ : state) {
    microseconds.clear();
    for (Language lang : {kRussian, kEnglish}) {
      store.SetCurrentLanguage(lang);
      for (int page = 1; page <= kPageCount; ++page) {
        const auto start = std::chrono::steady_clock::now();
        ComposedNode node = composer.Compose("page" + std::to_string(page), "", 0, -1);
        benchmark::DoNotOptimize(node.pageHtml.data());
        microseconds.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
      }
    }
  }
  std::sort(microseconds.begin(), microseconds.end());
  state.counters["median_us"] = microseconds[microseconds.size() / 2];
  state.counters["p99_us"] = microseconds[microseconds.size() * 99 / 100];
}
BENCHMARK(BM_ComposeEveryPage)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
