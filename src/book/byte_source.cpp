#include "book/byte_source.h"

#include <algorithm>
#include <cstring>

#if defined(__unix__)
#include <sys/mman.h>
#include <unistd.h>
#endif


namespace orvelis {

std::size_t ByteSource::ReadAt(std::int64_t offset, char* buffer, std::size_t count) {
  if (offset < 0 || offset >= Size() || count == 0) return 0;
  const std::size_t n = DoReadAt(offset, buffer, count);
  ++readCalls_;
  bytesRead_ += static_cast<std::int64_t>(n);
  return n;
}

ByteView ByteSource::ViewAt(std::int64_t offset, std::size_t count) {
  if (offset < 0 || offset >= Size() || count == 0) return {};
  count = static_cast<std::size_t>(std::min<std::int64_t>(static_cast<std::int64_t>(count), Size() - offset));
  ByteView view = DoViewAt(offset, count);
  ++readCalls_;
  bytesRead_ += static_cast<std::int64_t>(view.bytes.size());
  return view;
}

ByteView ByteSource::DoViewAt(std::int64_t offset, std::size_t count) {
  auto bytes = std::make_shared<std::string>(count, '\0');
  bytes->resize(DoReadAt(offset, bytes->data(), count));
  return {*bytes, bytes};
}

ByteView MemoryByteSource::DoViewAt(std::int64_t offset, std::size_t count) {
  return {std::string_view(bytes_).substr(static_cast<std::size_t>(offset), count), nullptr};
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

ByteView FileByteSource::DoViewAt(std::int64_t offset, std::size_t count) {
#if defined(__unix__)
  // Whole pages from the one before `offset`, entered into the page table at once: touching
  // them one by one would fault per page.
  const auto pageSize = static_cast<std::int64_t>(sysconf(_SC_PAGESIZE));
  const std::int64_t start = pageSize > 0 ? offset - offset % pageSize : offset;
  const std::size_t length = count + static_cast<std::size_t>(offset - start);
  int flags = MAP_PRIVATE;
#if defined(MAP_POPULATE)
  flags |= MAP_POPULATE;
#endif
  void* mapped = mmap(nullptr, length, PROT_READ, flags, fileno(file_), static_cast<off_t>(start));
  if (mapped != MAP_FAILED) {
    std::shared_ptr<const void> owner(mapped, [length](const void* at) { munmap(const_cast<void*>(at), length); });
    return {std::string_view(static_cast<const char*>(mapped) + (offset - start), count), std::move(owner)};
  }
#endif
  return ByteSource::DoViewAt(offset, count);
}

std::size_t FileByteSource::DoReadAt(std::int64_t offset, char* buffer, std::size_t count) {
  if (std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0) return 0;
  return std::fread(buffer, 1, count, file_);
}

}  // namespace orvelis
