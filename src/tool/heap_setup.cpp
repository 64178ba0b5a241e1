#include "tool/heap_setup.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#if defined(__GLIBC__) && defined(__linux__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace orvelis::tool {

void UseHugePagesForTheHeap(std::size_t expectedBytes) {
#if defined(__GLIBC__) && defined(__linux__)
  constexpr std::size_t kMiB = 1 << 20;
  constexpr std::size_t kHugePage = 2 * kMiB;
  // Everything in the one main heap: big blocks not mapped one by one, threads not given arenas
  // of their own, and the heap grown in one large step that is then marked for huge pages.
  mallopt(M_MMAP_THRESHOLD, 512 * kMiB);
  mallopt(M_TRIM_THRESHOLD, 1024 * kMiB);
  mallopt(M_ARENA_MAX, 1);
  mallopt(M_TOP_PAD, static_cast<int>(std::clamp(expectedBytes, 64 * kMiB, 1536 * kMiB)));
  void* probe = std::malloc(kHugePage);
  if (!probe) return;
  const auto top = reinterpret_cast<std::uintptr_t>(sbrk(0));
  const auto begin = (reinterpret_cast<std::uintptr_t>(probe) + kHugePage - 1) & ~(kHugePage - 1);
  std::free(probe);
  if (top > begin) (void)madvise(reinterpret_cast<void*>(begin), top - begin, MADV_HUGEPAGE);
  mallopt(M_TOP_PAD, 0);
#else
  (void)expectedBytes;
#endif
}

}  // namespace orvelis::tool
