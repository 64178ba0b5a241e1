// Opening the sample book and reading both languages, as start-up and a language switch do:
// from the page cache (warm) and with the file's pages evicted first (cold, as after a reboot).

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "bench_support.h"
#include "book/book_store.h"

namespace {

bool LoadBoth(orvelis::BookStore& store) {
  return store.OpenBook(orvelis::bench::SampleBookPath()) && store.LoadPartRecords() && store.LoadPaperRecords() &&
         store.LoadPageTexts(orvelis::kRussian) && store.LoadPageTexts(orvelis::kEnglish);
}

// Asks the kernel to drop the book's cached pages (clean pages go at once; no privileges needed).
bool EvictBookFromPageCache() {
  const int fd = ::open(orvelis::bench::SampleBookPath(), O_RDONLY);
  if (fd < 0) return false;
  const bool done = ::fdatasync(fd) == 0 && ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED) == 0;
  ::close(fd);
  return done;
}

void BM_OpenBookAndLoadBothLanguages(benchmark::State& state) {
  for (auto _ : state) {
    orvelis::BookStore store;
    if (!LoadBoth(store)) {
      state.SkipWithError("the sample book did not load");
      return;
    }
    benchmark::DoNotOptimize(store.GetPageText(2097, orvelis::kEnglish).data());
  }
}
BENCHMARK(BM_OpenBookAndLoadBothLanguages)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_OpenBookAndLoadBothLanguagesCold(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    const bool evicted = EvictBookFromPageCache();
    state.ResumeTiming();
    if (!evicted) {
      state.SkipWithError("the book's pages could not be evicted from the page cache");
      return;
    }
    orvelis::BookStore store;
    if (!LoadBoth(store)) {
      state.SkipWithError("the sample book did not load");
      return;
    }
    benchmark::DoNotOptimize(store.GetPageText(2097, orvelis::kEnglish).data());
  }
}
BENCHMARK(BM_OpenBookAndLoadBothLanguagesCold)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The memory of a loaded book, measured in a fresh process (see load_memory_probe.cpp).
void BM_LoadedBookPeakMemory(benchmark::State& state) {
  double peak = -1;
  for (auto _ : state) {
    FILE* probe = ::popen((std::string(ORVELIS_LOAD_PROBE) + " 2>/dev/null").c_str(), "r");
    if (!probe || std::fscanf(probe, "%lf", &peak) != 1 || ::pclose(probe) != 0) {
      state.SkipWithError("the memory probe failed");
      return;
    }
  }
  state.counters["peak_MiB"] = peak;
}
BENCHMARK(BM_LoadedBookPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
