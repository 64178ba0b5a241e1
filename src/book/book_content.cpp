#include "book/book_content.h"

#include <algorithm>

#include "book/book_store.h"

namespace orvelis {
namespace {

struct Span {
  BookTable table;
  std::int64_t start;  // file offset
  std::int64_t end;
};

}  // namespace

BookContentResult ReadBookContent(BookStore& store, BookContent& content) {
  for (BookResult r : {store.LoadPartRecords(), store.LoadPaperRecords(), store.LoadPageTexts(kEnglish),
                       store.LoadPageTexts(kRussian)}) {
    if (!r) return {false, r.detail};
  }
  const BookHeader& h = store.Header();
  content.textVersionMajor = h.TextVersionMajor;
  content.textVersionMinor = h.TextVersionMinor;
  content.parts = store.Parts();
  content.papers = store.Papers();
  for (Language lang = 0; lang < kLanguageCount; ++lang) {
    for (int k = 1; k <= kPageCount; ++k) content.pages[lang][k - 1] = store.GetPageText(k, lang);
  }

  const TableExtents& e = store.Extents();
  std::array<Span, 4> spans = {Span{BookTable::Parts, h.PartsPos - 1, e.partsEnd},
                               Span{BookTable::Papers, h.PapersPos - 1, e.papersEnd},
                               Span{BookTable::RussianPages, h.RussianTextPos - 1, e.pagesEnd[kRussian]},
                               Span{BookTable::EnglishPages, h.EnglishTextPos - 1, e.pagesEnd[kEnglish]}};
  std::stable_sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.start < b.start; });
  // Tables that share bytes cannot be laid out again as they were; write the usual layout then.
  std::int64_t cursor = kHeaderSize;
  for (const Span& s : spans) {
    if (s.start < cursor) {
      content.layout = BookLayout{};
      return {true, {}};
    }
    cursor = s.end;
  }
  cursor = kHeaderSize;
  for (std::size_t i = 0; i < spans.size(); ++i) {
    content.layout.order[i] = spans[i].table;
    content.layout.gaps[i] = store.ReadRawBytes(cursor, spans[i].start - cursor);
    cursor = spans[i].end;
  }
  content.layout.gaps[4] = store.ReadRawBytes(cursor, store.FileSize() - cursor);
  return {true, {}};
}

}  // namespace orvelis
