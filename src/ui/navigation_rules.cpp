#include "ui/navigation_rules.h"

#include <charconv>

#include "book/book_tables.h"
#include "render/text_replace.h"

namespace orvelis {

int CurrentPageNumber(const std::string& currentKey) {
  if (FindIgnoreCase(currentKey, "page") == std::string::npos) return 0;
  const std::string digits = ReplaceAllIgnoreCase(currentKey, "page", "");
  int n = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), n);
  return n;
}

std::optional<std::string> NextPageKey(int p) {
  if (p < FillBookTables().LastPage[kPaperCount - 1]) return "page" + std::to_string(p + 1);
  return std::nullopt;
}

std::optional<std::string> PrevPageKey(int p) {
  if (p > 1) return "page" + std::to_string(p - 1);
  if (p == 1) return std::string("cont");
  return std::nullopt;
}

std::optional<std::string> NextDocKey(int p) {
  const int k = PaperOfPage(p);
  if (k < kPaperCount - 1) return "page" + std::to_string(FillBookTables().LastPage[k] + 1);
  return std::nullopt;
}

std::string PrevDocKey(int p) {
  const int k = PaperOfPage(p);
  if (k == 0) return "cont";
  if (k == 1) return "page1";
  return "page" + std::to_string(FillBookTables().LastPage[k - 2] + 1);
}

}  // namespace orvelis
