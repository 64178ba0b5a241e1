#include "ground/cp1251.h"

#include <gtest/gtest.h>

#include "ground/utf8.h"

namespace orvelis {
namespace {

TEST(Cp1251, EveryByteDecodesAndEncodesBackToItself) {
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::string text = DecodeCp1251(byte);
    EXPECT_EQ(EncodeCp1251(text, Unmappable::Question), byte) << "byte " << b;
    EXPECT_EQ(EncodeCp1251(text, Unmappable::NumericReference), byte) << "byte " << b;
  }
}

TEST(Cp1251, DecodesTheCyrillicAndPunctuationOfTheHighHalf) {
  EXPECT_EQ(DecodeCp1251("\xC0\xFF"), "Ая");
  EXPECT_EQ(DecodeCp1251("\xA8\xB8"), "Ёё");
  EXPECT_EQ(DecodeCp1251("\xAB\xBB"), "«»");
  EXPECT_EQ(DecodeCp1251("\x96\x97\x85"), "–—…");
  EXPECT_EQ(DecodeCp1251("\x88\xB9"), "€№");
  EXPECT_EQ(DecodeCp1251("\xA0"), "\u00A0");
}

TEST(Cp1251, UnassignedByte0x98RoundTripsThroughU0098) {
  EXPECT_EQ(DecodeCp1251("\x98"), "\u0098");
  EXPECT_EQ(EncodeCp1251("\u0098", Unmappable::Question), "\x98");
}

TEST(Cp1251, UnmappableCharactersBecomeQuestionMarksInPlainText) {
  EXPECT_EQ(EncodeCp1251("a中b😀", Unmappable::Question), "a?b?");
  EXPECT_EQ(EncodedCp1251Length("a中b😀", Unmappable::Question), 4u);
}

TEST(Cp1251, UnmappableCharactersBecomeNumericReferencesInHtml) {
  EXPECT_EQ(EncodeCp1251("a中b😀", Unmappable::NumericReference), "a&#20013;b&#128512;");
  EXPECT_EQ(EncodedCp1251Length("中", Unmappable::NumericReference), 8u);
}

TEST(Cp1251, MalformedUtf8IsReplacedNotCopied) {
  EXPECT_EQ(EncodeCp1251("x\xC3", Unmappable::Question), "x?");
  EXPECT_EQ(EncodeCp1251("\xE2\x82", Unmappable::Question), "??");
}

// Markup runs are copied eight bytes at a time: letters and faults must come out right wherever
// they fall against those blocks, at the very start and end included.
TEST(Cp1251, LongAsciiRunsAroundLettersAndFaults) {
  EXPECT_EQ(EncodeCp1251("<p class=x>Бог</p>", Unmappable::Question), "<p class=x>\xC1\xEE\xE3</p>");
  EXPECT_EQ(EncodeCp1251("abcdefgЖ", Unmappable::Question), "abcdefg\xC6");
  EXPECT_EQ(EncodeCp1251("Яabcdefghijklmnop", Unmappable::Question), "\xDF" "abcdefghijklmnop");
  EXPECT_EQ(EncodeCp1251("abcdefgh中ijklmnop\xC3", Unmappable::NumericReference), "abcdefgh&#20013;ijklmnop&#65533;");
  EXPECT_EQ(EncodeCp1251("abcdefgh\xC3ijklmnop", Unmappable::Question), "abcdefgh?ijklmnop");
  EXPECT_EQ(EncodeCp1251("", Unmappable::Question), "");
  // References longer than the characters they stand for, one after another, then more text.
  EXPECT_EQ(EncodeCp1251("中中中中中中中中中中abcdefghЖ", Unmappable::NumericReference),
            "&#20013;&#20013;&#20013;&#20013;&#20013;&#20013;&#20013;&#20013;&#20013;&#20013;abcdefgh\xC6");
}

TEST(Utf8, UpperCaseCoversLatinAndCyrillic) {
  EXPECT_EQ(utf8::ToUpper("The Universe of Universes"), "THE UNIVERSE OF UNIVERSES");
  EXPECT_EQ(utf8::ToUpper("вселенная ёжик ўі"), "ВСЕЛЕННАЯ ЁЖИК ЎІ");
  EXPECT_EQ(utf8::ToUpper("123 «ok» – ß"), "123 «OK» – ß");
}

}  // namespace
}  // namespace orvelis
