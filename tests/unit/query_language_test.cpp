#include "search/query_language.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace orvelis {
namespace {

TEST(NormaliseQuery, AppliesTheSevenReplacementsInOrderWithoutRescanning) {
  EXPECT_EQ(NormaliseQuery("иисус+христос"), "иисус христос");
  EXPECT_EQ(NormaliseQuery("иисус + христос"), "иисус христос");
  EXPECT_EQ(NormaliseQuery("иисус +!назарянин"), "иисус !назарянин");
  EXPECT_EQ(NormaliseQuery("иисус ! назарянин"), "иисус !назарянин");
  EXPECT_EQ(NormaliseQuery("иисус |! назарянин"), "иисус|!назарянин");
  EXPECT_EQ(NormaliseQuery("\"иисус христос\""), "'иисус христос'");
  EXPECT_EQ(NormaliseQuery("a    b"), "a b");      // four blanks collapse
  EXPECT_EQ(NormaliseQuery("a     b"), "a  b");    // five leave two
  EXPECT_EQ(NormaliseQuery(" word "), " word ");  // not trimmed
}

// Records the terms handed to the evaluator and answers from a table.
struct FakeTerms {
  std::map<std::string, std::string> lists;
  std::vector<std::string> asked;
  TermEvaluator evaluator() {
    return [this](const std::string& term) {
      asked.push_back(term);
      const auto it = lists.find(term);
      return it == lists.end() ? std::string(",") : it->second;
    };
  }
};

TEST(EvaluateQuery, AssociatesToTheRightWithoutPrecedence) {
  FakeTerms terms;
  terms.lists = {{"a", ",1|1,2|1,"}, {"b", ",2|1,3|1,"}, {"c", ",3|1,4|1,"}};
  EXPECT_EQ(EvaluateQuery("a b|c", terms.evaluator()), ",2|2,");                    // a AND (b OR c)
  EXPECT_EQ(EvaluateQuery("a|b c", terms.evaluator()), ",1|1,2|1,3|2,");            // a OR (b AND c)
  EXPECT_EQ(EvaluateQuery("(a|b) c", terms.evaluator()), ",3|2,");                  // grouping
  EXPECT_EQ(terms.asked, (std::vector<std::string>{"a", "b", "c", "a", "b", "c", "a", "b", "c"}));
}

TEST(EvaluateQuery, ParenthesesAndQuotesDecideWhatIsOneTerm) {
  FakeTerms terms;
  EvaluateQuery("((a|b))", terms.evaluator());
  EvaluateQuery("(a|b)(c|d)", terms.evaluator());
  EvaluateQuery("'a b|c'", terms.evaluator());
  EvaluateQuery("(a|b) ", terms.evaluator());
  EvaluateQuery("word ", terms.evaluator());
  EvaluateQuery("a ()", terms.evaluator());
  EXPECT_EQ(terms.asked, (std::vector<std::string>{"((a|b))", "(a|b)(c|d)", "'a b|c'", "a|b", "word", "a"}));
}

TEST(EvaluateQuery, ALeadingSeparatorLeavesAnEmptyLeftTerm) {
  FakeTerms terms;
  terms.lists = {{"word", ",5|1,"}};
  EXPECT_EQ(EvaluateQuery(" word", terms.evaluator()), ",");
  EXPECT_EQ(EvaluateQuery("|word", terms.evaluator()), ",5|1,");
  EXPECT_EQ(terms.asked, (std::vector<std::string>{"", "word", "", "word"}));
}

TEST(TranslateTerm, MakesWholeWordPatterns) {
  EXPECT_EQ(TranslateTerm("иисус").pattern, " иисус ");
  EXPECT_EQ(TranslateTerm("'иисус христос'").pattern, " иисус христос ");
  EXPECT_EQ(TranslateTerm("вид?ний").pattern, " вид.ний ");
  EXPECT_EQ(TranslateTerm("бого*").pattern, " бого.* ");
  EXPECT_EQ(TranslateTerm("(Христос|Иисус)").pattern, " (Христос|Иисус) ");
  EXPECT_EQ(TranslateTerm("a.b/c").pattern, " a\\.b\\/c ");
  const TranslatedTerm negated = TranslateTerm(" ! назарянин ");
  EXPECT_TRUE(negated.negated);
  EXPECT_EQ(negated.pattern, " назарянин ");
}

TEST(TranslateTerm, NothingLeftIsAFormatError) {
  EXPECT_TRUE(TranslateTerm("").empty);
  EXPECT_TRUE(TranslateTerm("!").empty);
  EXPECT_TRUE(TranslateTerm("''").empty);
  EXPECT_TRUE(TranslateTerm("   ").empty);
  EXPECT_FALSE(TranslateTerm("?").empty);
}

TEST(CombineResults, AndKeepsCommonPagesOrKeepsAllAndCountsAdd) {
  EXPECT_EQ(CombineResults(",3|2,7|1,", ",7|4,9|1,", false), ",7|5,");
  EXPECT_EQ(CombineResults(",3|2,7|1,", ",7|4,9|1,", true), ",3|2,7|5,9|1,");
  EXPECT_EQ(CombineResults(",", ",7|4,", false), ",");
  EXPECT_EQ(CombineResults(",", ",7|4,", true), ",7|4,");
  EXPECT_EQ(CombineResults(",1|0,2|0,", ",2|3,", false), ",2|3,");
  // ",17|" is not ",7|": whole entries only.
  EXPECT_EQ(CombineResults(",17|1,", ",7|1,", false), ",");
  EXPECT_EQ(CombineResults(",2097|1,", ",2097|2,", true), ",2097|3,");
}

TEST(CombineResults, ReadsAPreviousListFromElsewhereAsGetHitCountDoes) {
  // Out of order and repeated: the first entry of a page counts.
  EXPECT_EQ(CombineResults(",9|1,3|2,3|5,", ",3|1,", false), ",3|3,");
  // A count too large is 32767, one that is no number or lacks its "," is 0; the page still counts.
  EXPECT_EQ(CombineResults(",4|99999,", ",4|1,", true), ",4|32768,");
  EXPECT_EQ(CombineResults(",4|x,5|2", ",4|1,5|1,", true), ",4|1,5|1,");
  // Page numbers with a leading zero are not entries.
  EXPECT_EQ(CombineResults(",05|1,0|1,", ",5|1,", false), ",");
}

TEST(GetHitCount, ReadsOneEntry) {
  const std::string list = ",12|3,57|1,";
  EXPECT_EQ(GetHitCount(0, list), 0);
  EXPECT_EQ(GetHitCount(1, list), 3);
  EXPECT_EQ(GetHitCount(6, list), 1);
  EXPECT_EQ(GetHitCount(1, ",12|x,"), 0);
}

TEST(QueryToWords, DropsOperatorsAndEscapesPatternCharacters) {
  EXPECT_EQ(QueryToWords("(иисус|христос) !назарянин"), "иисус христос назарянин");
  EXPECT_EQ(QueryToWords("вид?ний"), "вид.?ний");
  EXPECT_EQ(QueryToWords("\"a.b\" +c/d"), "a\\.b c\\/d");
  EXPECT_EQ(QueryToWords("  бого*  "), "бого*");
}

}  // namespace
}  // namespace orvelis
