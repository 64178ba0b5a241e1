#pragma once
// The definitions file of a dictd-format dictionary, in any of its three forms: plain text
// (".dict"), dictzip (".dict.dz", read chunk by chunk) or a gzip file without the chunk table
// (inflated whole at open). Which one is decided by the bytes, not by the name.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "words/dictionary_result.h"
#include "words/dictzip.h"

namespace orvelis {

// Above these sizes a file is taken for damage, not for a dictionary: a whole-file gzip is held in
// memory, and no definition runs to megabytes.
inline constexpr std::uint64_t kMaxInflatedDictionary = 256ull << 20;
inline constexpr std::uint64_t kMaxDefinitionLength = 16ull << 20;

class DictdData {
 public:
  DictionaryResult Open(const std::filesystem::path& path);

  // The bytes [offset, offset + length) of the uncompressed definitions, or what is wrong with
  // them (beyond the end, damaged compression).
  DictionaryResult Read(std::uint64_t offset, std::uint64_t length, std::string& out);

 private:
  enum class Form { Plain, Inflated, Chunked };

  DictionaryResult ReadPlain(std::uint64_t offset, std::uint64_t length, std::string& out);
  DictionaryResult ReadChunked(std::uint64_t offset, std::uint64_t length, std::string& out);
  // The uncompressed bytes of chunk `index`, from the small cache of recent chunks when there.
  const std::string* Chunk(std::size_t index, DictionaryResult& result);
  DictionaryResult Damaged(const std::string& reason) const { return DamagedDictionaryFile(path_, reason); }

  std::filesystem::path path_;
  Form form_ = Form::Plain;
  std::ifstream file_;
  std::uint64_t fileSize_ = 0;
  std::string inflated_;
  GzipLayout layout_;
  struct CachedChunk {
    std::size_t index = 0;
    std::string bytes;
  };
  std::vector<CachedChunk> cache_;  // the most recently used last
};

}  // namespace orvelis
