#include "book/record_reader.h"

#include <algorithm>
#include <cstring>

#include "ground/cp1251.h"

namespace orvelis {

RecordReader::RecordReader(ByteSource& source, std::int64_t offset, std::size_t chunkSize)
    : source_(source), position_(offset), chunkSize_(chunkSize) {}

// Makes `count` bytes at the current position available in one piece and advances past them.
bool RecordReader::Take(std::size_t count, const char*& data) {
  if (position_ < 0 || position_ + static_cast<std::int64_t>(count) > source_.Size()) return false;
  const bool inBuffer = position_ >= bufferStart_ &&
                        position_ + static_cast<std::int64_t>(count) <=
                            bufferStart_ + static_cast<std::int64_t>(bufferLength_);
  if (!inBuffer) {
    const std::int64_t remaining = source_.Size() - position_;
    const std::size_t want =
        static_cast<std::size_t>(std::min<std::int64_t>(remaining, std::max(chunkSize_, count)));
    buffer_.resize(std::max(buffer_.size(), want));
    bufferStart_ = position_;
    bufferLength_ = source_.ReadAt(position_, buffer_.data(), want);
    if (bufferLength_ < count) return false;
  }
  data = buffer_.data() + (position_ - bufferStart_);
  position_ += static_cast<std::int64_t>(count);
  return true;
}

bool RecordReader::TakeCounted(std::string_view& bytes) {
  const char* data = nullptr;
  if (!Take(2, data)) return false;
  const std::size_t length =
      static_cast<unsigned char>(data[0]) | (static_cast<std::size_t>(static_cast<unsigned char>(data[1])) << 8);
  if (!Take(length, data)) return false;
  bytes = std::string_view(data, length);
  return true;
}

bool RecordReader::ReadString(std::string& out) {
  std::string_view bytes;
  if (!TakeCounted(bytes)) return false;
  out.clear();
  AppendDecodedCp1251(bytes, out);
  return true;
}

}  // namespace orvelis
