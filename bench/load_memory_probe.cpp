// Loads the book as the reader's start-up and a language switch do, in a process of its own, and
// prints the peak resident memory in MiB: a figure that nothing run before can inflate.

#include <cstdio>

#include "bench_support.h"
#include "book/book_store.h"

int main(int argc, char** argv) {
  orvelis::BookStore store;
  const char* path = argc > 1 ? argv[1] : orvelis::bench::SampleBookPath();
  if (!store.OpenBook(path) || !store.LoadPartRecords() || !store.LoadPaperRecords() ||
      !store.LoadPageTexts(orvelis::kRussian) || !store.LoadPageTexts(orvelis::kEnglish)) {
    std::fprintf(stderr, "the book did not load\n");
    return 2;
  }
  std::printf("%.1f\n", orvelis::bench::PeakResidentMiB());
  return 0;
}
