#include "support/test_books.h"

#include "book/book_writer.h"
#include "tool/sample/sample_book.h"

namespace orvelis::test {

BookContent TinyBookContent() {
  BookContent c;
  c.textVersionMajor = 3;
  c.textVersionMinor = 7;
  const char* langs[] = {"en", "ru"};
  for (Language lang = 0; lang < kLanguageCount; ++lang) {
    for (int i = 0; i < kPartCount; ++i) {
      c.parts[i].name[lang] = std::string(langs[lang]) + " part " + std::to_string(i);
      c.parts[i].note[lang] = i == 2 ? "" : std::string(langs[lang]) + " note " + std::to_string(i);
    }
    for (int i = 0; i < kPaperCount; ++i) {
      c.papers[i].title[lang] = std::string(langs[lang]) + " Paper Title " + std::to_string(i);
      c.papers[i].author[lang] = std::string(langs[lang]) + " author " + std::to_string(i);
      c.papers[i].sections[lang] = "  1|First|" + std::to_string(i + 1) + "\r\n2|Second<br>more|9  ";
    }
    for (int k = 1; k <= kPageCount; ++k) c.pages[lang][k - 1] = std::string(langs[lang]) + " page " + std::to_string(k);
  }
  c.papers[5].title[kRussian] = "Вселенная Вселенных";
  return c;
}

std::string TinyBookBytes() { return WriteBook(TinyBookContent()).bytes; }

const BookContent& SampleBookContent() {
  static const BookContent content = sample::MakeSampleBook();
  return content;
}

const std::string& SampleBookBytes() {
  static const std::string bytes = WriteBook(SampleBookContent()).bytes;
  return bytes;
}

void PutInt32(std::string& bytes, std::size_t offset, std::int32_t value) {
  for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>(static_cast<std::uint32_t>(value) >> (8 * i));
}

void PutUInt16(std::string& bytes, std::size_t offset, std::uint16_t value) {
  bytes[offset] = static_cast<char>(value & 0xFF);
  bytes[offset + 1] = static_cast<char>(value >> 8);
}

}  // namespace orvelis::test

#include <gtest/gtest.h>

#include "book/book_store.h"

namespace orvelis::test {
namespace {
void OpenWhole(BookStore& store, const std::string& bytes) {
  ASSERT_TRUE(store.OpenBook(std::make_unique<MemoryByteSource>(bytes)));
  ASSERT_TRUE(store.LoadPartRecords());
  ASSERT_TRUE(store.LoadPaperRecords());
  ASSERT_TRUE(store.LoadPageTexts(kEnglish));
  ASSERT_TRUE(store.LoadPageTexts(kRussian));
}
}  // namespace

void OpenTinyBook(BookStore& store) { OpenWhole(store, TinyBookBytes()); }
void OpenSampleBook(BookStore& store) { OpenWhole(store, SampleBookBytes()); }
}  // namespace orvelis::test
