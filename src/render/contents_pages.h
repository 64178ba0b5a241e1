#pragma once
// The two kinds of contents page: the titles of all Papers, and one Part with every section.

#include <string>
#include <string_view>

#include "book/book_format.h"

namespace orvelis {

class BookStore;

// part 0: the titles of all Papers; 1..4: the contents of that Part.
std::string PartContents(const BookStore& book, int pane, int part);
std::string PaperRows(const BookStore& book, int part, bool detailed, Language language);
std::string SectionRows(std::string_view sectionList);

}  // namespace orvelis
