#include "navigation/navigation_rules.h"

#include "book/book_tables.h"
#include "book/book_key.h"

namespace orvelis {

namespace {

std::string PageKey(int page) { return FormatBookKey({BookKeyKind::Page, page}); }
std::string ContentsKey() { return FormatBookKey({BookKeyKind::Contents}); }

}  // namespace

int CurrentPageNumber(const std::string& currentKey) {
  const auto page = ParseBookKey(currentKey, kShownPageSyntax);
  return page ? page->number : 0;
}

std::optional<std::string> NextPageKey(int p) {
  if (p < FillBookTables().LastPage[kPaperCount - 1]) return PageKey(p + 1);
  return std::nullopt;
}

std::optional<std::string> PrevPageKey(int p) {
  if (p > 1) return PageKey(p - 1);
  if (p == 1) return ContentsKey();
  return std::nullopt;
}

std::optional<std::string> NextDocKey(int p) {
  const int k = PaperOfPage(p);
  if (k < kPaperCount - 1) return PageKey(FillBookTables().LastPage[k] + 1);
  return std::nullopt;
}

std::string PrevDocKey(int p) {
  const int k = PaperOfPage(p);
  if (k == 0) return ContentsKey();
  if (k == 1) return PageKey(1);
  return PageKey(FillBookTables().LastPage[k - 2] + 1);
}

}  // namespace orvelis
