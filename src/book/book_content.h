#pragma once
// The whole book as plain data: what the writer serialises and the reader's full read produces.

#include <array>
#include <string>
#include <vector>

#include "book/book_format.h"

namespace orvelis {

class BookStore;

enum class BookTable { Parts, Papers, RussianPages, EnglishPages };

// The order of the four tables in the file and the bytes around them (normally none), kept so
// that reading a file and writing it again gives the same bytes.
struct BookLayout {
  std::array<BookTable, 4> order{BookTable::Parts, BookTable::Papers, BookTable::RussianPages,
                                 BookTable::EnglishPages};
  // gaps[0] lies between the header and the first table, gaps[i] after table i-1; raw bytes.
  std::array<std::string, 5> gaps;
};

struct BookContent {
  std::int16_t textVersionMajor = 1;
  std::int16_t textVersionMinor = 0;
  std::array<PartRecord, kPartCount> parts;
  std::array<PaperRecord, kPaperCount> papers;
  // pages[language][k - 1] is page k.
  std::array<std::vector<std::string>, kLanguageCount> pages{std::vector<std::string>(kPageCount),
                                                             std::vector<std::string>(kPageCount)};
  BookLayout layout;
};

struct BookContentResult {
  bool ok = false;
  std::string error;
};

// Reads every record of an open book (loading whatever is not loaded yet) and its layout.
BookContentResult ReadBookContent(BookStore& store, BookContent& content);

}  // namespace orvelis
