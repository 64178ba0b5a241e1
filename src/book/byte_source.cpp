#include "book/byte_source.h"

#include <cstring>

namespace orvelis {

std::size_t ByteSource::ReadAt(std::int64_t offset, char* buffer, std::size_t count) {
  if (offset < 0 || offset >= Size() || count == 0) return 0;
  const std::size_t n = DoReadAt(offset, buffer, count);
  ++readCalls_;
  bytesRead_ += static_cast<std::int64_t>(n);
  return n;
}

std::size_t MemoryByteSource::DoReadAt(std::int64_t offset, char* buffer, std::size_t count) {
  const std::size_t available = bytes_.size() - static_cast<std::size_t>(offset);
  const std::size_t n = count < available ? count : available;
  std::memcpy(buffer, bytes_.data() + offset, n);
  return n;
}

std::unique_ptr<FileByteSource> FileByteSource::Open(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return nullptr;
  std::FILE* file = std::fopen(path.string().c_str(), "rb");
  if (!file) return nullptr;
  if (std::fseek(file, 0, SEEK_END) != 0) {
    std::fclose(file);
    return nullptr;
  }
  const long size = std::ftell(file);
  if (size < 0) {
    std::fclose(file);
    return nullptr;
  }
  return std::unique_ptr<FileByteSource>(new FileByteSource(file, size));
}

FileByteSource::~FileByteSource() { std::fclose(file_); }

std::size_t FileByteSource::DoReadAt(std::int64_t offset, char* buffer, std::size_t count) {
  if (std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0) return 0;
  return std::fread(buffer, 1, count, file_);
}

}  // namespace orvelis
