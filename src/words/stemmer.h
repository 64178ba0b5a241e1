#pragma once
// The Snowball stemmer of one of the book's languages, for words that are already lower case.

#include <memory>
#include <string>
#include <string_view>

#include "book/book_format.h"

struct sb_stemmer;

namespace orvelis {

class Stemmer {
 public:
  explicit Stemmer(Language language);
  ~Stemmer();
  Stemmer(Stemmer&&) noexcept;
  Stemmer& operator=(Stemmer&&) noexcept;

  // The stem of a lower-case UTF-8 word; the word itself when the stemmer is not available.
  std::string Stem(std::string_view word) const;

 private:
  sb_stemmer* stemmer_ = nullptr;
};

// Letters as the book's words are made of them: Latin, and Cyrillic with "ё".
bool IsWordLetter(char32_t cp);
char32_t ToLowerLetter(char32_t cp);
std::string LowerWord(std::string_view word);

}  // namespace orvelis
