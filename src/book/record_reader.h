#pragma once
// Sequential reader of counted strings (16-bit length + Windows-1251 bytes), buffered in large
// chunks so that a whole language costs a handful of reads. Never reads outside the source.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "book/byte_source.h"

namespace orvelis {

class RecordReader {
 public:
  RecordReader(ByteSource& source, std::int64_t offset, std::size_t chunkSize = 1 << 20);

  // Appends the decoded (UTF-8) string to `out` after clearing it. Returns false, leaving the
  // reader failed, when the count or the text would run past the end of the source.
  bool ReadString(std::string& out);

  std::int64_t Position() const { return position_; }

 private:
  bool Take(std::size_t count, const char*& data);
  // The bytes of the next counted string, valid until the next read.
  bool TakeCounted(std::string_view& bytes);

  ByteSource& source_;
  std::int64_t position_;
  std::size_t chunkSize_;
  std::vector<char> buffer_;
  std::int64_t bufferStart_ = 0;
  std::size_t bufferLength_ = 0;
};

}  // namespace orvelis
