// Composing every page of the book in both languages, as reading does page by page.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "bench_support.h"
#include "book/book_store.h"
#include "reader/headless_reader.h"
#include "window_rules/paragraph_alignment.h"

namespace {

using namespace orvelis;

// Every page composed one way: the one-language page, or the parallel text.
void ComposeEveryPage(benchmark::State& state, bool parallel) {
  BookStore store;
  if (!bench::OpenWholeSampleBook(store)) {
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
        ComposedNode node = composer.Compose("page" + std::to_string(page), "", 0, -1, {}, parallel);
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
void BM_ComposeEveryPage(benchmark::State& state) { ComposeEveryPage(state, false); }
BENCHMARK(BM_ComposeEveryPage)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_ComposeEveryParallelPage(benchmark::State& state) { ComposeEveryPage(state, true); }
BENCHMARK(BM_ComposeEveryParallelPage)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A paragraph's counterpart, as the context menu asks for it: every paragraph of a long Paper.
void BM_CounterpartOfAParagraph(benchmark::State& state) {
  BookStore store;
  if (!bench::OpenWholeSampleBook(store)) {
    state.SkipWithError("the sample book did not load");
    return;
  }
  HeadlessReader reader{store, "/"};
  PageComposer& composer = reader.core.Composer();
  // The tooltips the shown pages give their paragraphs.
  std::vector<std::string> titles;
  for (int page = 500; page < 520; ++page) {
    const std::string html = composer.Compose("page" + std::to_string(page), "", 0, -1).pageHtml;
    for (std::size_t at = html.find("<p title=\""); at != std::string::npos; at = html.find("<p title=\"", at + 1)) {
      titles.push_back(html.substr(at + 10, html.find('"', at + 10) - at - 10));
    }
  }
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(composer.Counterpart(titles[i++ % titles.size()]).data());
  }
}
BENCHMARK(BM_CounterpartOfAParagraph)->Unit(benchmark::kMicrosecond);

// The window's share of one step of paragraph-aligned scrolling, once both panes have answered
// with their anchors: finding the place at the top and the other pane's position, on a page of
// 60 paragraphs.
void BM_AlignOneScrollStep(benchmark::State& state) {
  PaneGeometry shown{{}, 0, 12000};
  PaneGeometry other{{}, 0, 10400};
  for (int i = 0; i < 60; ++i) {
    shown.paragraphs.push_back({"p" + std::to_string(i + 1), 40.0 + i * 198});
    other.paragraphs.push_back({"p" + std::to_string(i + 1), 40.0 + i * 171});
  }
  double top = 0;
  for (auto _ : state) {
    shown.scrollTop = top;
    top = top > 11000 ? 0 : top + 37;
    benchmark::DoNotOptimize(AlignedScrollTop(shown, other));
  }
}
BENCHMARK(BM_AlignOneScrollStep)->Unit(benchmark::kMicrosecond);

}  // namespace
