#pragma once
// Books for tests: a small hand-made one whose every text names its place, and the sample book.

#include <string>

#include "book/book_content.h"

namespace orvelis::test {

// Page k reads "<lang> page k", Paper i's title "<lang> paper i" in mixed case, and so on.
BookContent TinyBookContent();
std::string TinyBookBytes();

// The sample book (default seed), built once per test process.
const BookContent& SampleBookContent();
const std::string& SampleBookBytes();

// Little-endian field helpers for crafting damaged files.
void PutInt32(std::string& bytes, std::size_t offset, std::int32_t value);
void PutUInt16(std::string& bytes, std::size_t offset, std::uint16_t value);

}  // namespace orvelis::test

namespace orvelis {
class BookStore;
}
namespace orvelis::test {
// Opens the tiny book in `store` with Parts, Papers and both languages loaded.
void OpenTinyBook(BookStore& store);
// Opens the sample book in `store` the same way.
void OpenSampleBook(BookStore& store);
}  // namespace orvelis::test
