// The same one-term searches done by ripgrep over the same prepared page texts, for the ratio
// reported in docs/performance.md. Skipped where rg is not installed.

#include <benchmark/benchmark.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench_support.h"
#include "book/book_store.h"
#include "search/page_preparation.h"

namespace {

using namespace orvelis;

// The prepared texts of a language as one file per page, written once per run; empty when the
// book could not be read or a page not written.
const std::filesystem::path& PreparedDir(Language lang) {
  static std::filesystem::path dirs[kLanguageCount];
  std::filesystem::path& dir = dirs[lang];
  if (dir.empty()) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("orvelis-bench-pages-" + std::to_string(lang));
    std::filesystem::create_directories(folder);
    BookStore book;
    if (!book.OpenBook(bench::SampleBookPath()) || !book.LoadPageTexts(lang)) return dir;
    PreparedPages prepared;
    const auto& pages = prepared.Of(book, lang);
    for (int p = 1; p <= kPageCount; ++p) {
      std::ofstream out(folder / (std::to_string(p) + ".txt"), std::ios::binary);
      if (!(out << pages[p])) return dir;
    }
    dir = folder;
  }
  return dir;
}

// rg's exit status: 0 when it found the pattern, 1 when not, 2 on an error.
int RunRipgrep(const std::string& command) {
  const int status = std::system(command.c_str());
  return status >= 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void Ripgrep(benchmark::State& state, const char* pattern) {
  if (std::system("command -v rg >/dev/null 2>&1") != 0) {
    state.SkipWithError("ripgrep (rg) is not installed");
    return;
  }
  const Language lang = state.range(0) == 0 ? kEnglish : kRussian;
  const std::filesystem::path& dir = PreparedDir(lang);
  if (dir.empty()) {
    state.SkipWithError("the prepared pages could not be written");
    return;
  }
  // -c prints a count per matching file; the files that matched are the pages, as in our search.
  const std::string command = std::string("rg -c -i --no-config '") + pattern + "' " + dir.string();
  const std::string counted = command + " | wc -l";
  for (auto _ : state) {
    if (RunRipgrep(command + " > /dev/null") != 0) {
      state.SkipWithError("rg failed or found nothing");
      return;
    }
  }
  if (FILE* pipe = ::popen(counted.c_str(), "r")) {
    long pages = 0;
    if (std::fscanf(pipe, "%ld", &pages) == 1) state.counters["pages"] = static_cast<double>(pages);
    ::pclose(pipe);
  }
}

BENCHMARK_CAPTURE(Ripgrep, plain_word, " иисус ")->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ripgrep, plain_word_en, " jesus ")->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ripgrep, alternation, " (христос|иисус) ")->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ripgrep, alternation_en, " (christ|jesus) ")->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
