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
#include "ground/large_buffer.h"

namespace orvelis {

class BookStore;
struct StoredPageTexts;

// Russian text marks a stressed vowel as <font class="emph">е</font>; the mark goes, the vowel
// stays (lower-cased). English text is returned unchanged.
std::string StripStressMarks(std::string_view text, Language language);

// "." + StripStressMarks(page) + ".", then each of . " « » &#171; &#187; , ; ) ( becomes a blank.
std::string PrepareSearchText(std::string_view pageText, Language language);
// The same for a page as the file stores it (Windows-1251), without decoding it first:
// PrepareStoredSearchText(bytes) == PrepareSearchText(DecodeCp1251(bytes)).
std::string PrepareStoredSearchText(std::string_view storedBytes, Language language);

class PreparedPages {
 public:
  // Index = page, 1..2097; index 0 is empty.
  using Pages = std::vector<std::string_view>;

  // The prepared text of every page of a language, prepared from the book's page texts on first
  // use; empty while they are not loaded.
  const Pages& Of(const BookStore& book, Language language);
  // Prepares a language straight from its stored bytes, for a caller that never needs the pages
  // as text. Later calls of Of give these pages.
  void PrepareStored(const StoredPageTexts& stored, Language language);
  // Has each page prepared from its stored bytes when it is asked for, in memory used over and
  // over: for a caller that reads each page once (a one-word search), no memory for the whole
  // prepared text is ever touched. `stored` must outlive this. Of prepares them all, should a
  // caller need them at once.
  void StreamStored(const StoredPageTexts& stored, Language language);
  bool Has(Language language) const { return !languages_[language].pages.empty() || languages_[language].stream; }
  // The prepared text of a page of a language that Has; for streamed pages valid until the next
  // call on the same thread.
  std::string_view Page(Language language, int page) const;

 private:
  template <typename Page, typename PageBytes>
  void PrepareAll(Language language, const PageBytes& pageBytes);

  struct Prepared {
    std::array<LargeBuffer, 2> halves;        // the pages' text, a buffer per half
    Pages pages;                              // views into the halves
    const StoredPageTexts* stream = nullptr;  // pages prepared when asked for
  };
  std::array<Prepared, kLanguageCount> languages_;
};

}  // namespace orvelis
