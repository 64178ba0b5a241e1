// Opening the sample book and reading both languages, as start-up and a language switch do.

#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "book/book_store.h"

namespace {

void BM_OpenBookAndLoadBothLanguages(benchmark::State& state) {
  for (auto _ : state) {
    orvelis::BookStore store;
    if (!store.OpenBook(orvelis::bench::SampleBookPath()) || !store.LoadPartRecords() ||
        !store.LoadPaperRecords() || !store.LoadPageTexts(orvelis::kRussian) ||
        !store.LoadPageTexts(orvelis::kEnglish)) {
      state.SkipWithError("the sample book did not load");
      return;
    }
    benchmark::DoNotOptimize(store.GetPageText(2097, orvelis::kEnglish).data());
  }
  state.counters["peak_MiB"] = orvelis::bench::PeakResidentMiB();
}
BENCHMARK(BM_OpenBookAndLoadBothLanguages)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
