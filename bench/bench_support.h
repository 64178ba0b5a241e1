#pragma once
// Shared pieces of the benchmarks: the sample book's path and the process's peak memory.

#include <cstdlib>
#include <fstream>
#include <string>

#include "book/book_store.h"

namespace orvelis::bench {

// ORVELIS_BENCH_BOOK=FILE measures another book of the same structure (scripts/make-scaled-book.sh
// makes one with pages eight times longer).
inline const char* SampleBookPath() {
  const char* other = std::getenv("ORVELIS_BENCH_BOOK");
  return other && *other ? other : ORVELIS_SAMPLE_BOOK;
}

// The sample book with its records and both languages' pages loaded, Russian shown.
inline bool OpenWholeSampleBook(BookStore& store) {
  store.SetCurrentLanguage(kRussian);
  return store.OpenBook(SampleBookPath()) && store.LoadPartRecords() && store.LoadPaperRecords() &&
         store.LoadPageTexts(kRussian) && store.LoadPageTexts(kEnglish);
}

// Peak resident memory of this process in MiB (VmHWM), or -1 where /proc is missing.
inline double PeakResidentMiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  }
  return -1;
}

}  // namespace orvelis::bench
