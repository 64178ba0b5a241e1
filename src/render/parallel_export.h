#pragma once
// The parallel text of a page, a Paper or a Part as one document that stands on its own, for a
// file or for paper: the rows of the parallel page, the Paper's title in both languages above its
// pages, each page's number, the stylesheet inside, and none of the program's own navigation.

#include <optional>
#include <string>

namespace orvelis {

class BookStore;
class PageComposer;
class RegexEngine;

struct ParallelExport {
  std::string title;  // the document's title element, as composed pages have it
  std::string html;   // UTF-8

  // The file's bytes: Windows-1251, as saved pages are; what it lacks becomes a numeric reference.
  std::string FileBytes() const;
};

class ParallelExporter {
 public:
  ParallelExporter(PageComposer& composer, BookStore& book, RegexEngine& regex);

  // `key` is a stored key ("page12", "doc5", "part2"); the left column is the book's current
  // language. A Paper or Part number below 0 is the first, as the composer reads it; "part0" is the
  // Foreword's group, as the tool's `part 0`. Nothing for contents keys and unreadable ones.
  std::optional<ParallelExport> Compose(const std::string& key);

  // The page a shown key shows ("doc5" its jump page); nothing for contents pages.
  static std::optional<int> ShownPage(const std::string& shownKey);

 private:
  std::string PaperHeading(int paper) const;
  std::string PartHeading(int part) const;
  std::string PageRows(int page);
  std::string Document(const std::string& title, const std::string& body) const;

  PageComposer& composer_;
  BookStore& book_;
  RegexEngine& regex_;
};

}  // namespace orvelis
