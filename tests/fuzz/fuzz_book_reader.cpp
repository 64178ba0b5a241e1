// Any bytes after a 24-byte header handed to the book reader: no crash, no read outside the input,
// and what is read lies inside the file. The harness writes the input's size into the header's
// length field, so that mutations get past that first check and reach the records.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "book/book_store.h"

namespace {

constexpr std::size_t kLengthField = 20;

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvelis;
  std::string bytes(reinterpret_cast<const char*>(data), size);
  if (bytes.size() < static_cast<std::size_t>(kHeaderSize)) return 0;  // the header target covers short files
  for (std::size_t i = 0; i < 4; ++i) bytes[kLengthField + i] = static_cast<char>((size >> (8 * i)) & 0xFF);

  BookStore store;
  if (!store.OpenBook(std::make_unique<MemoryByteSource>(std::move(bytes)))) return 0;
  const auto fileSize = static_cast<std::int64_t>(size);
  if (!store.LoadPartRecords()) return 0;
  Check(store.Extents().partsEnd <= fileSize);
  if (!store.LoadPaperRecords()) return 0;
  Check(store.Extents().papersEnd <= fileSize);
  for (Language lang : {kEnglish, kRussian}) {
    if (!store.LoadPageTexts(lang)) continue;
    Check(store.Extents().pagesEnd[lang] <= fileSize);
    std::size_t total = 0;
    for (int page = 1; page <= kPageCount; ++page) total += store.GetPageText(page, lang).size();
    for (int paper = 0; paper < kPaperCount; ++paper) {
      total += store.GetPaperTitle(paper, lang).size() + store.GetPaperSections(paper, lang).size();
    }
    volatile std::size_t sink = total;
    (void)sink;
  }
  return 0;
}
