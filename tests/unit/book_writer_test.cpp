#include "book/book_writer.h"

#include <gtest/gtest.h>

#include "book/book_store.h"
#include "support/temp_dir.h"
#include "support/test_books.h"

namespace orvelis {
namespace {

BookContent ReadBack(const std::string& bytes) {
  BookStore store;
  EXPECT_TRUE(store.OpenBook(std::make_unique<MemoryByteSource>(bytes)));
  BookContent content;
  const BookContentResult r = ReadBookContent(store, content);
  EXPECT_TRUE(r.ok) << r.error;
  return content;
}

void ExpectSameRecords(const BookContent& a, const BookContent& b) {
  EXPECT_EQ(a.textVersionMajor, b.textVersionMajor);
  EXPECT_EQ(a.textVersionMinor, b.textVersionMinor);
  for (int i = 0; i < kPartCount; ++i) {
    EXPECT_EQ(a.parts[i].name, b.parts[i].name);
    EXPECT_EQ(a.parts[i].note, b.parts[i].note);
  }
  for (int i = 0; i < kPaperCount; ++i) {
    EXPECT_EQ(a.papers[i].title, b.papers[i].title);
    EXPECT_EQ(a.papers[i].author, b.papers[i].author);
    EXPECT_EQ(a.papers[i].sections, b.papers[i].sections);
  }
  EXPECT_EQ(a.pages, b.pages);
}

TEST(BookWriter, WritingThenReadingGivesTheSameRecords) {
  const BookContent tiny = test::TinyBookContent();
  ExpectSameRecords(ReadBack(WriteBook(tiny).bytes), tiny);
}

TEST(BookWriter, ReadingThenWritingTheSampleBookGivesTheSameBytes) {
  const std::string& bytes = test::SampleBookBytes();
  const WriteBookResult again = WriteBook(ReadBack(bytes));
  ASSERT_TRUE(again.ok);
  EXPECT_TRUE(again.bytes == bytes);
}

TEST(BookWriter, LaysOutTheHeaderAndTablesAsTheFormatSays) {
  BookContent c = test::TinyBookContent();
  const std::string bytes = WriteBook(c).bytes;
  // Version 3.7, Parts right after the header at position 25, length equal to the file's.
  EXPECT_EQ(bytes.substr(0, 4), std::string("\x03\x00\x07\x00", 4));
  EXPECT_EQ(bytes.substr(4, 4), std::string("\x19\x00\x00\x00", 4));
  const auto length = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[20])) |
                      static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[21])) << 8 |
                      static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[22])) << 16;
  EXPECT_EQ(length, bytes.size());
  // The first counted string: "en part 0", 9 bytes.
  EXPECT_EQ(bytes.substr(24, 11), std::string("\x09\x00", 2) + "en part 0");
}

TEST(BookWriter, AnEmptyStringTakesTwoZeroBytes) {
  BookContent c = test::TinyBookContent();
  c.parts[0].name[kEnglish].clear();
  const std::string bytes = WriteBook(c).bytes;
  EXPECT_EQ(bytes.substr(24, 4), std::string("\x00\x00\x09\x00", 4));
}

TEST(BookWriter, RefusesTextsOf65535BytesOrMore) {
  BookContent c = test::TinyBookContent();
  c.pages[kRussian][99] = std::string(65534, 'x');
  EXPECT_TRUE(WriteBook(c).ok);
  c.pages[kRussian][99] = std::string(65535, 'x');
  const WriteBookResult r = WriteBook(c);
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(r.bytes.empty());
  EXPECT_NE(r.error.find("Russian page 100"), std::string::npos) << r.error;
  // Two-byte UTF-8 letters are one byte each in the file: 65534 Cyrillic letters still fit.
  std::string cyrillic;
  for (int i = 0; i < 65534; ++i) cyrillic += "ж";
  c.pages[kRussian][99] = cyrillic;
  EXPECT_TRUE(WriteBook(c).ok);
}

TEST(BookWriter, CharactersOutsideWindows1251BecomeReferencesInPages) {
  BookContent c = test::TinyBookContent();
  c.pages[kEnglish][0] = "中";
  c.papers[0].title[kEnglish] = "中";
  const BookContent back = ReadBack(WriteBook(c).bytes);
  EXPECT_EQ(back.pages[kEnglish][0], "&#20013;");
  EXPECT_EQ(back.papers[0].title[kEnglish], "?");
}

TEST(BookWriter, KeepsAnUnusualTableOrderAndBytesBetweenTables) {
  BookContent c = test::TinyBookContent();
  c.layout.order = {BookTable::EnglishPages, BookTable::Parts, BookTable::RussianPages, BookTable::Papers};
  c.layout.gaps = {std::string("\x01\x02", 2), "", "gap", "", "trailer"};
  const std::string bytes = WriteBook(c).bytes;
  const BookContent back = ReadBack(bytes);
  EXPECT_EQ(back.layout.order, c.layout.order);
  EXPECT_EQ(back.layout.gaps, c.layout.gaps);
  ExpectSameRecords(back, c);
  EXPECT_TRUE(WriteBook(back).bytes == bytes);
}

TEST(BookWriter, AFailedAtomicWriteLeavesTheOldFile) {
  test::TempDir dir;
  const auto path = dir / "book.dat";
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(path, "old", error));
  std::filesystem::create_directory(dir / "book.dat.tmp");  // the temporary name cannot be created
  EXPECT_FALSE(WriteFileAtomically(path, "new", error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(test::ReadFileBytes(path), "old");
}

}  // namespace
}  // namespace orvelis
