#pragma once
// Memory for tens of megabytes written once and then read, such as a language's prepared pages.
// Where the system allows, it is mapped on its own, aligned to and marked for huge pages: fresh
// memory in 4 KiB pages costs a fault per page on first touch, which on virtual machines adds up
// to more than the work done in it.

#include <cstddef>
#include <memory>

namespace orvelis {

// Gives a LargeBuffer's memory back the way it was taken.
struct LargeBufferRelease {
  std::size_t mappedLength = 0;  // 0: allocated with new[]
  void operator()(char* p) const;
};

class LargeBuffer {
 public:
  LargeBuffer() = default;
  // At least `size` bytes, uninitialised; pages never written are never touched.
  explicit LargeBuffer(std::size_t size);
  char* data() const { return data_.get(); }

 private:
  std::unique_ptr<char, LargeBufferRelease> data_;
};

}  // namespace orvelis
