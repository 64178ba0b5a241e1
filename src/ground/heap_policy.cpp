#include "ground/heap_policy.h"

#include <cstdlib>  // defines __GLIBC__ under glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace orvelis {

void KeepLargeBlocksInTheHeap() {
#if defined(__GLIBC__)
  constexpr int kMiB = 1 << 20;
  mallopt(M_MMAP_THRESHOLD, 32 * kMiB);  // glibc's own ceiling for the threshold it adjusts itself
  mallopt(M_TRIM_THRESHOLD, 256 * kMiB);
#endif
}

}  // namespace orvelis
