// A Paper and a Part exported as parallel text, as the tool and the window's save produce them.

#include <benchmark/benchmark.h>

#include <string>

#include "bench_support.h"
#include "book/book_store.h"
#include "reader/headless_reader.h"
#include "render/parallel_export.h"

namespace {

using namespace orvelis;

// `key` composed into the document and encoded into the file's bytes (writing them is the disk's).
void ExportParallel(benchmark::State& state, const std::string& key) {
  BookStore store;
  if (!bench::OpenWholeSampleBook(store)) {
    state.SkipWithError("the sample book did not load");
    return;
  }
  HeadlessReader reader{store, "/home/reader/.local/share/OrvelisBook/"};
  ParallelExporter exporter(reader.core.Composer(), store, reader.core.Regex());
  std::size_t bytes = 0;
  for (auto _ : state) {
    const auto exported = exporter.Compose(key);
    const std::string file = exported->FileBytes();
    benchmark::DoNotOptimize(file.data());
    bytes = file.size();
  }
  state.counters["file_bytes"] = static_cast<double>(bytes);
}

// Paper 15 is the longest, pages 164 to 183.
void BM_ExportLongestPaperAsParallelText(benchmark::State& state) { ExportParallel(state, "doc15"); }
BENCHMARK(BM_ExportLongestPaperAsParallelText)->Unit(benchmark::kMillisecond);

// Part III, 63 Papers.
void BM_ExportPartAsParallelText(benchmark::State& state) { ExportParallel(state, "part3"); }
BENCHMARK(BM_ExportPartAsParallelText)->Unit(benchmark::kMillisecond);

}  // namespace
