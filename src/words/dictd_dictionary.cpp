#include "words/dictd_dictionary.h"

#include "words/dictionary_files.h"

namespace orvelis {

DictionaryResult DictdDictionary::Open(const std::filesystem::path& indexPath,
                                       const std::filesystem::path& dataPath) {
  open_ = false;
  std::string indexBytes;
  if (DictionaryResult r = ReadWholeDictionaryFile(indexPath, kMaxIndexSize, indexBytes); !r) return r;
  if (DictionaryResult r = index_.Parse(indexBytes, indexPath); !r) return r;
  if (DictionaryResult r = data_.Open(dataPath); !r) return r;
  open_ = true;
  return {};
}

DictionaryLookup DictdDictionary::Lookup(std::string_view word) {
  DictionaryLookup lookup;
  if (!open_) return lookup;
  for (const DictdEntry& entry : index_.Find(word)) {
    std::string definition;
    if (DictionaryResult r = data_.Read(entry.offset, entry.length, definition); !r) {
      if (lookup.error.empty()) lookup.error = r.message;
      continue;
    }
    lookup.definitions.push_back(std::move(definition));
  }
  return lookup;
}

}  // namespace orvelis
