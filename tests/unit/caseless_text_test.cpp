// A snippet list asks "is this one already there, in any case?" of text that only grows. The
// folded copy must answer exactly as a caseless search of the whole text does.

#include <gtest/gtest.h>

#include <string>

#include "ground/caseless_text.h"

namespace orvelis {
namespace {

TEST(CaselessText, FindsWhatACaselessSearchFindsAndNothingElse) {
  CaselessText text;
  EXPECT_TRUE(text.Contains(""));
  EXPECT_FALSE(text.Contains("a"));
  text.Append("<a href=\"x\">Иисус</a> Пришёл в ГАЛИЛЕЮ");
  text.Append("<br>");
  text.Append("The MASTER said");
  EXPECT_EQ(text.Text(), "<a href=\"x\">Иисус</a> Пришёл в ГАЛИЛЕЮ<br>The MASTER said");
  // Cyrillic in any case, ё included; ASCII in any case; a piece across two appends.
  EXPECT_TRUE(text.Contains("иИСУС</A>"));
  EXPECT_TRUE(text.Contains("ПРИШЁЛ"));
  EXPECT_TRUE(text.Contains("галилею<BR>the master"));
  EXPECT_TRUE(text.Contains("<A HREF=\"X\">"));
  // ё and е are different letters; a longer word is not found in a shorter one.
  EXPECT_FALSE(text.Contains("пришел"));
  EXPECT_FALSE(text.Contains("галилеюю"));
  EXPECT_FALSE(text.Contains("masters"));
}

// Bytes that are no UTF-8 compare as the replacement character, in the text as in the needle:
// they never make an ASCII needle match letters, and never stop a Cyrillic needle beside them.
TEST(CaselessText, StrayBytesStayApartFromTheLettersAroundThem) {
  CaselessText text;
  text.Append("a\xD0");
  text.Append("b я\xFFЯ");
  EXPECT_TRUE(text.Contains("B Я"));
  EXPECT_FALSE(text.Contains("ab"));
  EXPECT_TRUE(text.Contains("я\xFEя"));  // another stray byte, the same replacement
  EXPECT_FALSE(text.Contains("яя"));
}

}  // namespace
}  // namespace orvelis
