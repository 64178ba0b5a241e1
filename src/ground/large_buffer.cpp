#include "ground/large_buffer.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace orvelis {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

}  // namespace

LargeBuffer::LargeBuffer(std::size_t size) {
#if defined(__linux__)
  // Whole huge pages on their boundaries: one more is mapped, and the unaligned ends given back.
  const std::size_t length = (size + kHugePage - 1) / kHugePage * kHugePage;
  void* mapped = length == 0 ? MAP_FAILED
                             : mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped != MAP_FAILED) {
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + kHugePage - 1) & ~(kHugePage - 1);
    if (aligned > start) munmap(mapped, aligned - start);
    if (const std::uintptr_t tail = start + kHugePage - aligned; tail > 0) {
      munmap(reinterpret_cast<void*>(aligned + length), tail);
    }
    (void)madvise(reinterpret_cast<void*>(aligned), length, MADV_HUGEPAGE);  // advice; small pages without it
    data_ = std::unique_ptr<char, LargeBufferRelease>(reinterpret_cast<char*>(aligned), LargeBufferRelease{length});
    return;
  }
#endif
  data_ = std::unique_ptr<char, LargeBufferRelease>(new char[size], LargeBufferRelease{0});
}

void LargeBufferRelease::operator()(char* p) const {
#if defined(__linux__)
  if (mappedLength > 0) {
    munmap(p, mappedLength);
    return;
  }
#endif
  delete[] p;
}

}  // namespace orvelis
