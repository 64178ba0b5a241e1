#include "window_rules/book_tree_model.h"

#include "book/book_key.h"
#include "book/book_store.h"
#include "book/book_tables.h"
#include "ground/ui_text.h"

namespace orvelis {

std::vector<BookTreeNode> BookTreeNodes(const BookStore& book, Language lang) {
  const BookTables& t = FillBookTables();
  const bool en = lang == kEnglish;
  const std::string pageWord(PageWord(lang));
  std::vector<BookTreeNode> nodes;
  nodes.reserve(kPageCount + kPaperCount + 12);
  const std::string bookKey = FormatBookKey({BookKeyKind::Book});
  const std::string contentsKey = FormatBookKey({BookKeyKind::Contents});
  nodes.push_back({bookKey, "", en ? "The ORVELIS Book" : "Книга ОРВЕЛИС", "book"});
  nodes.push_back({contentsKey, bookKey, en ? "CONTENTS" : "ОГЛАВЛЕНИЕ", "book"});
  nodes.push_back({FormatBookKey({BookKeyKind::PartContents, 0}), contentsKey,
                   en ? "The Titles of the Papers" : "Названия Документов", "doc"});
  for (int k = 1; k <= 4; ++k) {
    nodes.push_back({FormatBookKey({BookKeyKind::PartContents, k}), contentsKey,
                     std::string(ContentsOfPartTitle(lang)) + RomanNumber(k), "doc"});
  }
  const auto addPaper = [&](int paper, const std::string& parent, const std::string& text) {
    const std::string key = FormatBookKey({BookKeyKind::Paper, paper});
    nodes.push_back({key, parent, text, "book"});
    for (int page = PaperJumpPage(paper); page <= t.LastPage[paper]; ++page) {
      nodes.push_back({FormatBookKey({BookKeyKind::Page, page}), key, pageWord + " " + std::to_string(page), "doc"});
    }
  };
  addPaper(0, bookKey, book.GetPaperTitle(0, lang));
  for (int k = 1; k <= 4; ++k) {
    const std::string partKey = FormatBookKey({BookKeyKind::Part, k});
    nodes.push_back({partKey, bookKey, RomanNumber(k) + ". " + book.GetPartName(k, lang), "book"});
    for (int p = t.LastPaperOfPart[k - 1] + 1; p <= t.LastPaperOfPart[k]; ++p) {
      addPaper(p, partKey, std::to_string(p) + ". " + book.GetPaperTitle(p, lang));
    }
  }
  return nodes;
}

std::string ExpandedImage(const std::string& image) { return image == "doc" ? image : "book_open"; }
std::string CollapsedImage(const std::string& image) { return image == "doc" ? image : "book"; }

std::vector<std::string> PartsSelectorEntries(Language lang) {
  std::vector<std::string> entries = {Tr(ORVELIS_TR_NOOP("Core", "-- Вся книга --")),
                                      lang == kEnglish ? "Foreword" : "Предисловие"};
  for (int k = 1; k <= 4; ++k) entries.push_back(std::string(lang == kEnglish ? "Part " : "Часть ") + RomanNumber(k));
  return entries;
}

std::string LeftPanelCaption(int panel, Language lang) {
  switch (panel) {
    case 1:
      return lang == kRussian ? Tr(ORVELIS_TR_NOOP("Core", "Книга (русский текст)"))
                              : Tr(ORVELIS_TR_NOOP("Core", "Книга (английский текст)"));
    case 2:
      return lang == kRussian ? Tr(ORVELIS_TR_NOOP("Core", "Поиск (русский текст)"))
                              : Tr(ORVELIS_TR_NOOP("Core", "Поиск (английский текст)"));
    case 3:
      return Tr(ORVELIS_TR_NOOP("Core", "Избранное"));
    default: return {};
  }
}

}  // namespace orvelis
