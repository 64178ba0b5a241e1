// Any byte string handed to the book reader: no crash, no read outside the input.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "book/book_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orvelis::BookStore store;
  auto source = std::make_unique<orvelis::MemoryByteSource>(std::string(reinterpret_cast<const char*>(data), size));
  if (!store.OpenBook(std::move(source))) return 0;
  if (!store.LoadPartRecords() || !store.LoadPaperRecords()) return 0;
  for (orvelis::Language lang : {orvelis::kEnglish, orvelis::kRussian}) {
    if (!store.LoadPageTexts(lang)) continue;
    volatile std::size_t sink = store.GetPageText(1, lang).size() + store.GetPaperTitle(196, lang).size() +
                                store.GetPaperSections(0, lang).size();
    (void)sink;
  }
  return 0;
}
