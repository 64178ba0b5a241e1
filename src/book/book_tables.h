#pragma once
// The fixed division of the book into Parts, Papers and pages, and the words that name them.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "book/book_format.h"

namespace orvelis {

struct BookTables {
  std::array<std::int16_t, kPartCount> LastPaperOfPart;  // last Paper of each Part
  std::array<std::int16_t, kPaperCount> LastPage;        // last page of each Paper
  std::array<std::int16_t, kPaperCount> FirstPage;       // page on which a Paper's own text begins
};

// The tables are constants; the first call builds them and every call returns the same instance.
const BookTables& FillBookTables();

// Smallest Paper whose last page is not below `page`; 0 for page 0 and for pages beyond the book.
int PaperOfPage(int page);
// First page of Part n's first Paper (n >= 1): the jump page of "go to Paper", i.e. LastPage[i-1]+1.
int PaperJumpPage(int paper);
std::string RomanNumber(int n);

std::string_view PartWord(Language language);
std::string_view PageWord(Language language);
std::string_view PaperWord(Language language);
std::string_view ContentsOfPartTitle(Language language);

}  // namespace orvelis
