#include "book/book_store.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "support/test_books.h"

namespace orvelis {
namespace {

using test::PutInt32;
using test::PutUInt16;
using test::TinyBookBytes;

BookResult Open(BookStore& store, std::string bytes) {
  return store.OpenBook(std::make_unique<MemoryByteSource>(std::move(bytes)));
}

class OpenTinyBook : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Open(store, TinyBookBytes()));
    ASSERT_TRUE(store.LoadPartRecords());
    ASSERT_TRUE(store.LoadPaperRecords());
  }
  BookStore store;
};

TEST_F(OpenTinyBook, ServesPartAndPaperRecordsByLanguage) {
  EXPECT_EQ(store.Header().TextVersionMajor, 3);
  EXPECT_EQ(store.Header().TextVersionMinor, 7);
  EXPECT_EQ(store.GetPartName(3, kEnglish), "en part 3");
  EXPECT_EQ(store.GetPartNote(4, kRussian), "ru note 4");
  EXPECT_EQ(store.GetPartNote(2, kRussian), "");
  EXPECT_EQ(store.GetPaperAuthor(196, kEnglish), "en author 196");
}

TEST_F(OpenTinyBook, PaperTitlesAreUpperCasedCyrillicIncluded) {
  EXPECT_EQ(store.GetPaperTitle(7, kEnglish), "EN PAPER TITLE 7");
  EXPECT_EQ(store.GetPaperTitle(5, kRussian), "ВСЕЛЕННАЯ ВСЕЛЕННЫХ");
}

TEST_F(OpenTinyBook, SectionListsLoseSurroundingBlanksOnly) {
  EXPECT_EQ(store.GetPaperSections(0, kEnglish), "1|First|1\r\n2|Second<br>more|9");
}

TEST_F(OpenTinyBook, PagesAreReadAWholeLanguageAtATimeAndOnlyOnce) {
  const std::int64_t before = store.Source()->ReadCalls();
  ASSERT_TRUE(store.LoadPageTexts(kRussian));
  const std::int64_t afterFirst = store.Source()->ReadCalls();
  EXPECT_GT(afterFirst, before);
  EXPECT_EQ(store.GetPageText(1, kRussian), "ru page 1");
  EXPECT_EQ(store.GetPageText(2097, kRussian), "ru page 2097");
  EXPECT_EQ(store.GetPageText(0, kRussian), "");
  EXPECT_EQ(store.GetPageText(2098, kRussian), "");
  EXPECT_FALSE(store.PageTextLoaded(kEnglish));
  EXPECT_EQ(store.GetPageText(5, kEnglish), "");

  ASSERT_TRUE(store.LoadPageTexts(kRussian));
  EXPECT_EQ(store.Source()->ReadCalls(), afterFirst);

  ASSERT_TRUE(store.LoadPageTexts(kEnglish));
  const std::int64_t afterEnglish = store.Source()->ReadCalls();
  ASSERT_TRUE(store.LoadPageTexts(kRussian));
  ASSERT_TRUE(store.LoadPageTexts(kEnglish));
  EXPECT_EQ(store.Source()->ReadCalls(), afterEnglish);
  EXPECT_EQ(store.GetPageText(1234, kEnglish), "en page 1234");
}

TEST_F(OpenTinyBook, PanesMapToLanguagesThroughTheCurrentLanguage) {
  store.SetCurrentLanguage(kRussian);
  EXPECT_EQ(store.LanguageOfPane(0), kRussian);
  EXPECT_EQ(store.LanguageOfPane(1), kEnglish);
  EXPECT_EQ(store.OtherLanguage(), kEnglish);
  store.SetCurrentLanguage(kEnglish);
  EXPECT_EQ(store.LanguageOfPane(0), kEnglish);
  EXPECT_EQ(store.LanguageOfPane(3), kRussian);
  EXPECT_EQ(store.OtherLanguage(), kRussian);
}

TEST_F(OpenTinyBook, CloseBookForgetsEverything) {
  ASSERT_TRUE(store.LoadPageTexts(kEnglish));
  store.CloseBook();
  EXPECT_FALSE(store.IsOpen());
  EXPECT_FALSE(store.PageTextLoaded(kEnglish));
  EXPECT_EQ(store.GetPageText(1, kEnglish), "");
  EXPECT_EQ(store.GetPartName(1, kEnglish), "");
}


// Every way a file can be damaged gives the damaged-file result and reads nothing out of bounds.
struct Damage {
  const char* name;
  std::string (*make)();
  bool failsAtOpen;
};
void PrintTo(const Damage& d, std::ostream* os) { *os << d.name; }

std::string LengthOneShort() { std::string b = TinyBookBytes(); b.pop_back(); return b; }
std::string LengthOneLong() { std::string b = TinyBookBytes(); b.push_back('x'); return b; }
std::string HeaderFieldOffByOne() {
  std::string b = TinyBookBytes();
  PutInt32(b, 20, static_cast<std::int32_t>(b.size() + 1));
  return b;
}
std::string TruncatedHeader() { return TinyBookBytes().substr(0, 23); }
std::string EmptyFile() { return {}; }
std::string TablePositionPastTheEnd() {
  std::string b = TinyBookBytes();
  PutInt32(b, 16, static_cast<std::int32_t>(b.size() + 10));
  return b;
}
std::string TablePositionInsideTheHeader() {
  std::string b = TinyBookBytes();
  PutInt32(b, 4, 3);
  return b;
}
std::string NegativeTablePosition() {
  std::string b = TinyBookBytes();
  PutInt32(b, 8, -5);
  return b;
}
// The last English page's count claims more bytes than are left.
std::string LastCountRunsPastTheEnd() {
  std::string b = TinyBookBytes();
  const std::string last = "en page 2097";
  const std::size_t at = b.rfind(last);
  PutUInt16(b, at - 2, static_cast<std::uint16_t>(last.size() + 1));
  return b;
}
// The Parts table starts at the last byte: its first count cannot be read.
std::string PartsTableAtTheLastByte() {
  std::string b = TinyBookBytes();
  PutInt32(b, 4, static_cast<std::int32_t>(b.size()));
  return b;
}

class DamagedBook : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedBook, IsReportedWithTheDamagedFileMessage) {
  BookStore store;
  BookResult result = Open(store, GetParam().make());
  if (result) {
    ASSERT_FALSE(GetParam().failsAtOpen);
    BookResult parts = store.LoadPartRecords();
    BookResult later = parts ? store.LoadPaperRecords() : parts;
    if (later) later = store.LoadPageTexts(kRussian);
    if (later) later = store.LoadPageTexts(kEnglish);
    result = later;
  }
  ASSERT_FALSE(result);
  EXPECT_STREQ(result.Text(), "Файл book.dat поврежден");
  EXPECT_STREQ(result.Caption(), "Ошибка чтения файла");
  EXPECT_FALSE(result.detail.empty());
}

INSTANTIATE_TEST_SUITE_P(
    AllKinds, DamagedBook,
    ::testing::Values(Damage{"LengthOneShort", LengthOneShort, true}, Damage{"LengthOneLong", LengthOneLong, true},
                      Damage{"HeaderFieldOffByOne", HeaderFieldOffByOne, true},
                      Damage{"TruncatedHeader", TruncatedHeader, true}, Damage{"EmptyFile", EmptyFile, true},
                      Damage{"TablePositionPastTheEnd", TablePositionPastTheEnd, true},
                      Damage{"TablePositionInsideTheHeader", TablePositionInsideTheHeader, true},
                      Damage{"NegativeTablePosition", NegativeTablePosition, true},
                      Damage{"LastCountRunsPastTheEnd", LastCountRunsPastTheEnd, false},
                      Damage{"PartsTableAtTheLastByte", PartsTableAtTheLastByte, false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(BookStoreOpen, AMissingOrUnreadableFileIsDamaged) {
  test::TempDir dir;
  BookStore store;
  EXPECT_FALSE(store.OpenBook(dir / "book.dat"));
  EXPECT_FALSE(store.OpenBook(dir.path()));  // a folder, not a file
  EXPECT_FALSE(store.IsOpen());
}

TEST(BookStoreOpen, ReadsARealFileFromDisk) {
  test::TempDir dir;
  test::WriteFileBytes(dir / "book.dat", TinyBookBytes());
  BookStore store;
  ASSERT_TRUE(store.OpenBook(dir / "book.dat"));
  ASSERT_TRUE(store.LoadPageTexts(kEnglish));
  EXPECT_EQ(store.GetPageText(42, kEnglish), "en page 42");
}

// A language's stored pages are seen in the mapped file: the views must start at the right byte
// although a language never starts on a page boundary, and a damaged count must not read beyond
// the file.
TEST(BookStoreOpen, StoredPagesOfARealFileAreSeenInPlace) {
  test::TempDir dir;
  test::WriteFileBytes(dir / "book.dat", TinyBookBytes());
  BookStore store;
  ASSERT_TRUE(store.OpenBook(dir / "book.dat"));
  for (const auto& [lang, prefix] : {std::pair{kRussian, "ru page "}, std::pair{kEnglish, "en page "}}) {
    StoredPageTexts stored;
    ASSERT_TRUE(store.ReadStoredPageTexts(lang, stored));
    EXPECT_EQ(stored.Page(1), std::string(prefix) + "1");
    EXPECT_EQ(stored.Page(1234), std::string(prefix) + "1234");
    EXPECT_EQ(stored.Page(2097), std::string(prefix) + "2097");
  }
  EXPECT_EQ(store.Extents().pagesEnd[kEnglish], store.FileSize());

  test::WriteFileBytes(dir / "damaged.dat", LastCountRunsPastTheEnd());
  ASSERT_TRUE(store.OpenBook(dir / "damaged.dat"));
  StoredPageTexts stored;
  const BookResult result = store.ReadStoredPageTexts(kEnglish, stored);
  EXPECT_FALSE(result);
  EXPECT_EQ(result.detail, "page 2097 runs past the end of the file");
}

TEST(ByteSourceView, GivesTheBytesAtAnyOffsetCutAtTheEndAndCountsAsARead) {
  test::TempDir dir;
  std::string bytes(3 * 4096 + 100, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>('a' + i % 26);
  test::WriteFileBytes(dir / "bytes", bytes);
  auto file = FileByteSource::Open(dir / "bytes");
  ASSERT_TRUE(file);
  MemoryByteSource memory(bytes);
  for (ByteSource* source : {static_cast<ByteSource*>(file.get()), static_cast<ByteSource*>(&memory)}) {
    for (const std::int64_t offset : {0, 1, 4095, 4096, 4097, 3 * 4096 + 99}) {
      const ByteView view = source->ViewAt(offset, 5000);
      EXPECT_EQ(view.bytes, std::string_view(bytes).substr(static_cast<std::size_t>(offset), 5000)) << offset;
    }
    EXPECT_TRUE(source->ViewAt(static_cast<std::int64_t>(bytes.size()), 1).bytes.empty());
    EXPECT_TRUE(source->ViewAt(-1, 1).bytes.empty());
    const std::int64_t reads = source->ReadCalls();
    const std::int64_t read = source->BytesRead();
    (void)source->ViewAt(10, 20);
    EXPECT_EQ(source->ReadCalls(), reads + 1);
    EXPECT_EQ(source->BytesRead(), read + 20);
  }
  // The view outlives the source that gave it while its owner is held.
  const ByteView kept = file->ViewAt(4096, 26);
  file.reset();
  EXPECT_EQ(kept.bytes, std::string_view(bytes).substr(4096, 26));
}

TEST(BookStoreOpen, AFailedLoadKeepsNoHalfReadLanguage) {
  BookStore store;
  ASSERT_TRUE(Open(store, LastCountRunsPastTheEnd()));
  EXPECT_FALSE(store.LoadPageTexts(kEnglish));
  EXPECT_FALSE(store.PageTextLoaded(kEnglish));
  EXPECT_EQ(store.GetPageText(1, kEnglish), "");
}

}  // namespace
}  // namespace orvelis
