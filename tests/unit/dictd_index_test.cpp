// The index of a dictd-format dictionary: its numbers and the shapes real indexes come in.

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "words/dictd_dictionary.h"
#include "words/dictd_index.h"

namespace orvelis {
namespace {

using Definitions = std::vector<std::string>;

TEST(DictdNumber, ReadsTheFormatsOwnBase64DigitsMostSignificantFirst) {
  const std::pair<const char*, std::uint64_t> cases[] = {
      {"A", 0},   {"B", 1},    {"Z", 25},         {"a", 26},       {"z", 51},
      {"0", 52},  {"9", 61},   {"+", 62},         {"/", 63},       {"BA", 64},
      {"AB", 1},  {"Ct/", 11135 /* 2*64*64 + 45*64 + 63 */},       {"BAAAA", 16777216},
      {"//////////", (1ull << 60) - 1},
  };
  for (const auto& [digits, value] : cases) EXPECT_EQ(DecodeDictdNumber(digits), value) << digits;
}

TEST(DictdNumber, RefusesWhatIsNotANumberInThoseDigits) {
  for (const char* digits : {"", "A=", "-1", "A B", "1.5", "Б", "\t", "BAAAAAAAAAA" /* 11 digits */}) {
    EXPECT_EQ(DecodeDictdNumber(digits), std::nullopt) << digits;
  }
}

// A dictionary whose index is written by hand over a plain data file.
class HandWrittenIndex : public ::testing::Test {
 protected:
  DictionaryResult Open(const std::string& index) {
    test::WriteFileBytes(dir / "hand.index", index);
    return dictionary.Open(dir / "hand.index", dir / "hand.dict");
  }
  void SetUp() override {
    // Offsets 0, 62, 63, 64 and 130 hold recognisable words.
    std::string data(140, '.');
    data.replace(0, 5, "first");
    data.replace(62, 1, "p");
    data.replace(63, 1, "s");
    data.replace(64, 5, "hello");
    data.replace(130, 10, "голос");  // ten bytes in UTF-8; the index counts bytes
    test::WriteFileBytes(dir / "hand.dict", data);
  }
  test::TempDir dir;
  DictdDictionary dictionary;
};

TEST_F(HandWrittenIndex, PointsAtTheBytesItsNumbersName) {
  ASSERT_TRUE(Open("first\tA\tF\nplus\t+\tB\nslash\t/\tB\nhello\tBA\tF\nvoice\tCC\tK\n"));
  EXPECT_EQ(dictionary.Lookup("first").definitions, Definitions{"first"});
  EXPECT_EQ(dictionary.Lookup("plus").definitions, Definitions{"p"});
  EXPECT_EQ(dictionary.Lookup("slash").definitions, Definitions{"s"});
  EXPECT_EQ(dictionary.Lookup("hello").definitions, Definitions{"hello"});
  EXPECT_EQ(dictionary.Lookup("voice").definitions, Definitions{"голос"});
}

TEST_F(HandWrittenIndex, TakesWindowsLineEndsAFieldAfterTheLengthAndNoFinalLineEnd) {
  ASSERT_TRUE(Open("first\tA\tF\r\n\r\nhello\tBA\tF\tHello!\nplus\t+\tB"));
  EXPECT_EQ(dictionary.Lookup("first").definitions, Definitions{"first"});
  EXPECT_EQ(dictionary.Lookup("hello").definitions, Definitions{"hello"});
  EXPECT_EQ(dictionary.Lookup("plus").definitions, Definitions{"p"});
  EXPECT_EQ(dictionary.HeadwordCount(), 3u);
}

TEST_F(HandWrittenIndex, FindsWordsInAnIndexSortedOtherwiseThanItCompares) {
  // Byte order puts "Zeta" before "alpha"; compared in upper case it comes after. Entries of one
  // headword keep their order in the file.
  ASSERT_TRUE(Open("Zeta\tA\tF\nhello\tBA\tF\nalpha\t+\tB\nHello\t/\tB\n"));
  EXPECT_EQ(dictionary.Lookup("zeta").definitions, Definitions{"first"});
  EXPECT_EQ(dictionary.Lookup("ALPHA").definitions, Definitions{"p"});
  EXPECT_EQ(dictionary.Lookup("hello").definitions, (Definitions{"hello", "s"}));
}

TEST_F(HandWrittenIndex, AnEmptyIndexOpensAndFindsNothing) {
  ASSERT_TRUE(Open(""));
  EXPECT_TRUE(dictionary.Lookup("first").definitions.empty());
}

TEST(FoldHeadword, UpperCasesLatin1AndCyrillicAndKeepsBrokenBytes) {
  EXPECT_EQ(FoldHeadword("ёлка Été"), "ЁЛКА ÉTÉ");
  EXPECT_EQ(FoldHeadword("a\xFF" "b"), "A\xFF" "B");
}

}  // namespace
}  // namespace orvelis
