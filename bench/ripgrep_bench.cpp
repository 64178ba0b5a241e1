// The same one-term searches done by ripgrep over the same prepared page texts, for the ratio
// reported in docs/performance.md. Skipped where rg is not installed.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "bench_support.h"
#include "book/book_store.h"
#include "search/page_preparation.h"

namespace {

using namespace orvelis;

// The prepared texts of a language as one file per page, written once per run.
const std::filesystem::path& PreparedDir(Language lang) {
  static std::filesystem::path dirs[kLanguageCount];
  std::filesystem::path& dir = dirs[lang];
  if (dir.empty()) {
    dir = std::filesystem::temp_directory_path() / ("orvelis-bench-pages-" + std::to_string(lang));
    std::filesystem::create_directories(dir);
    BookStore book;
    if (book.OpenBook(bench::SampleBookPath()) && book.LoadPageTexts(lang)) {
      PreparedPages prepared;
      const auto& pages = prepared.Of(book, lang);
      for (int p = 1; p <= kPageCount; ++p) {
        std::ofstream(dir / (std::to_string(p) + ".txt"), std::ios::binary) << pages[p];
      }
    }
  }
  return dir;
}

void Ripgrep(benchmark::State& state, const char* pattern) {
  if (std::system("command -v rg >/dev/null 2>&1") != 0) {
    state.SkipWithError("ripgrep (rg) is not installed");
    return;
  }
  const Language lang = state.range(0) == 0 ? kEnglish : kRussian;
  const std::string command = std::string("rg -c -i --no-config '") + pattern + "' " + PreparedDir(lang).string() +
                              " > /dev/null";
  for (auto _ : state) {
    if (std::system(command.c_str()) < 0) state.SkipWithError("rg did not run");
  }
}

BENCHMARK_CAPTURE(Ripgrep, plain_word, " иисус ")->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ripgrep, plain_word_en, " jesus ")->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ripgrep, alternation, " (христос|иисус) ")->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ripgrep, alternation_en, " (christ|jesus) ")->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
