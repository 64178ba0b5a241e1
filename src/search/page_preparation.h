#pragma once
// The text a term is matched against: a page with its stress marks removed, wrapped in dots, and
// with sentence punctuation, quotes and brackets turned into blanks, so that a pattern " word "
// finds whole blank-delimited words. The preparation does not depend on the query, so each
// language's pages are prepared once and kept.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "book/book_format.h"

namespace orvelis {

class BookStore;

// Russian text marks a stressed vowel as <font class="emph">е</font>; the mark goes, the vowel
// stays (lower-cased). English text is returned unchanged.
std::string StripStressMarks(std::string_view text, Language language);

// "." + StripStressMarks(page) + ".", then each of . " « » &#171; &#187; , ; ) ( becomes a blank.
std::string PrepareSearchText(std::string_view pageText, Language language);

class PreparedPages {
 public:
  // The prepared text of every page of a language (index = page, 1..2097), prepared on first use.
  const std::vector<std::string>& Of(const BookStore& book, Language language);

 private:
  std::array<std::vector<std::string>, kLanguageCount> pages_;
};

}  // namespace orvelis
