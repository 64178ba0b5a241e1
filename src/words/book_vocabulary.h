#pragma once
// The words of one language of the book as search sees them (the prepared page texts, outside
// markup): maximal runs of letters, lower-cased, with their counts and their Snowball stems. It
// gives every form of a word and the words close to a mistyped one.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "book/book_format.h"
#include "words/stemmer.h"

namespace orvelis {

class BookVocabulary {
 public:
  // `pages` are prepared page texts (index 0 unused, as PreparedPages keeps them).
  BookVocabulary(const std::vector<std::string_view>& pages, Language language);

  // The words of the book whose stem is the stem of `word` (any case), most frequent first;
  // empty when the book has none.
  std::vector<std::string> FormsOf(std::string_view word) const;
  // How often a lower-case word occurs; 0 when never.
  int CountOf(const std::string& lowercaseWord) const;
  // Up to `limit` words of the book within two edits (an edit: a letter inserted, removed,
  // replaced, or two neighbours swapped) of `word`, the more frequent first; none for a word the
  // book has.
  std::vector<std::string> Suggestions(std::string_view word, std::size_t limit = 5) const;
  std::size_t WordCount() const { return counts_.size(); }

 private:
  Stemmer stemmer_;
  std::unordered_map<std::string, int> counts_;
  std::unordered_map<std::string, std::vector<std::string>> formsByStem_;  // most frequent first
};

// Optimal-string-alignment distance of two words in code points, or `cap` + 1 when larger than `cap`.
int EditDistance(std::u32string_view a, std::u32string_view b, int cap);

}  // namespace orvelis
