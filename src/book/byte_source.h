#pragma once
// Random-access byte input for the book reader: a real file, or memory (tests, fuzzing).
// Every source counts its reads so that tests can prove what was (not) read.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace orvelis {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual std::int64_t Size() const = 0;
  // Reads up to `count` bytes at `offset`; returns how many were read (fewer only at the end).
  std::size_t ReadAt(std::int64_t offset, char* buffer, std::size_t count);

  std::int64_t ReadCalls() const { return readCalls_; }
  std::int64_t BytesRead() const { return bytesRead_; }

 protected:
  virtual std::size_t DoReadAt(std::int64_t offset, char* buffer, std::size_t count) = 0;

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
  std::FILE* file_;
  std::int64_t size_;
};

}  // namespace orvelis
