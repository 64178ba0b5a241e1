#include <benchmark/benchmark.h>

#include "ground/heap_policy.h"

// The benchmarks measure the core as the reader runs it, with its allocator settings.
int main(int argc, char** argv) {
  orvelis::KeepLargeBlocksInTheHeap();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
