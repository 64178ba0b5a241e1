// Any short file as a book: the header check alone. A file it accepts has the length the header
// names and every table starting inside it, after the header.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "book/book_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvelis;
  BookStore store;
  auto source = std::make_unique<MemoryByteSource>(std::string(reinterpret_cast<const char*>(data), size));
  if (!store.OpenBook(std::move(source))) {
    if (store.IsOpen()) std::abort();  // a refused file is not kept open
    return 0;
  }
  const BookHeader& h = store.Header();
  const auto length = static_cast<std::int64_t>(size);
  if (h.FileLength != length) std::abort();
  for (std::int32_t position : {h.PartsPos, h.PapersPos, h.RussianTextPos, h.EnglishTextPos}) {
    if (position <= kHeaderSize || position > length) std::abort();
  }
  return 0;
}
