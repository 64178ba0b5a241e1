#pragma once
// An installed dictionary in the dictd format: an index of headwords and a file of definitions
// (see dictd_index.h and dictd_data.h). Opened once, then asked word by word.

#include <filesystem>
#include <string_view>

#include "words/dictd_data.h"
#include "words/dictd_index.h"
#include "words/dictionary_result.h"

namespace orvelis {

// An index larger than this is taken for a wrong file rather than read into memory.
inline constexpr std::uint64_t kMaxIndexSize = 256ull << 20;

class DictdDictionary {
 public:
  // Reads the whole index and the data file's header. On failure the dictionary stays closed and
  // finds nothing.
  DictionaryResult Open(const std::filesystem::path& indexPath, const std::filesystem::path& dataPath);
  bool IsOpen() const { return open_; }

  // The definitions of `word`, compared without regard to case; none for an absent word.
  DictionaryLookup Lookup(std::string_view word);

  std::size_t HeadwordCount() const { return index_.size(); }

 private:
  DictdIndex index_;
  DictdData data_;
  bool open_ = false;
};

}  // namespace orvelis
