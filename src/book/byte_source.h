#pragma once
// Random-access byte input for the book reader: a real file, or memory (tests, fuzzing).
// Every source counts its reads so that tests can prove what was (not) read.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace orvelis {

// Bytes of a source, seen in place where the source can show them (a mapped file) or else read
// into memory of their own; valid while `owner` (or the source, for memory) lives.
struct ByteView {
  std::string_view bytes;
  std::shared_ptr<const void> owner;
};

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual std::int64_t Size() const = 0;
  // Reads up to `count` bytes at `offset`; returns how many were read (fewer only at the end).
  std::size_t ReadAt(std::int64_t offset, char* buffer, std::size_t count);
  // Up to `count` bytes at `offset` (fewer at the end) without copying them where the source can;
  // counted as one read.
  ByteView ViewAt(std::int64_t offset, std::size_t count);

  std::int64_t ReadCalls() const { return readCalls_; }
  std::int64_t BytesRead() const { return bytesRead_; }

 protected:
  virtual std::size_t DoReadAt(std::int64_t offset, char* buffer, std::size_t count) = 0;
  // Reads the bytes into a string of the view's own unless a source knows better.
  virtual ByteView DoViewAt(std::int64_t offset, std::size_t count);

 private:
  std::int64_t readCalls_ = 0;
  std::int64_t bytesRead_ = 0;
};

class MemoryByteSource final : public ByteSource {
 public:
  explicit MemoryByteSource(std::string bytes) : bytes_(std::move(bytes)) {}
  std::int64_t Size() const override { return static_cast<std::int64_t>(bytes_.size()); }

 private:
  std::size_t DoReadAt(std::int64_t offset, char* buffer, std::size_t count) override;
  ByteView DoViewAt(std::int64_t offset, std::size_t count) override;
  std::string bytes_;
};

class FileByteSource final : public ByteSource {
 public:
  // Returns null when the file cannot be opened for reading.
  static std::unique_ptr<FileByteSource> Open(const std::filesystem::path& path);
  ~FileByteSource() override;
  FileByteSource(const FileByteSource&) = delete;
  FileByteSource& operator=(const FileByteSource&) = delete;

  std::int64_t Size() const override { return size_; }

 private:
  FileByteSource(std::FILE* file, std::int64_t size) : file_(file), size_(size) {}
  std::size_t DoReadAt(std::int64_t offset, char* buffer, std::size_t count) override;
  // Maps the file's pages (already in the page cache after the first run) instead of copying them.
  ByteView DoViewAt(std::int64_t offset, std::size_t count) override;
  std::FILE* file_;
  std::int64_t size_;
};

}  // namespace orvelis
