#pragma once
// The index of a dictd-format dictionary: one line per entry, "headword TAB offset TAB length",
// the two numbers written in the format's own base64 digits (A-Z a-z 0-9 + /, the most significant
// digit first, no padding) and counting bytes of the uncompressed definitions.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "words/dictionary_result.h"

namespace orvelis {

// Where one definition lies in the uncompressed data.
struct DictdEntry {
  std::uint64_t offset = 0;
  std::uint64_t length = 0;
};

// The value of a number in the index's base64 digits; nullopt for an empty number, a character
// outside the alphabet, or more digits than 64 bits can hold.
std::optional<std::uint64_t> DecodeDictdNumber(std::string_view digits);

// The form in which headwords are compared: upper case for ASCII, Latin-1 and Cyrillic, so that
// "Battle", "battle" and "BATTLE" meet, as do "Бой" and "бой".
std::string FoldHeadword(std::string_view word);

class DictdIndex {
 public:
  // Reads a whole index. A line that is not a headword and two numbers fails the whole index with
  // its line number: a dictionary whose index is damaged cannot be trusted to point at the right
  // definitions. Fields after the length (some indexes keep the original headword there) are
  // ignored. Files are sorted for binary search, but not every tool that writes them sorts as we
  // compare, so an index out of our order is sorted here once.
  DictionaryResult Parse(std::string_view bytes, const std::filesystem::path& path);

  // The entries of `word` (surrounding blanks ignored), in the order of the file; none when absent.
  std::vector<DictdEntry> Find(std::string_view word) const;

  std::size_t size() const { return rows_.size(); }

 private:
  struct Row {
    std::size_t keyStart = 0;
    std::size_t keyLength = 0;
    DictdEntry entry;
  };
  std::string_view Key(const Row& row) const { return std::string_view(keys_).substr(row.keyStart, row.keyLength); }

  std::string keys_;  // the folded headwords, back to back
  std::vector<Row> rows_;
};

}  // namespace orvelis
