#include "navigation/go_to_rules.h"

#include <gtest/gtest.h>

#include "ports/settings_store.h"

namespace orvelis {
namespace {

TEST(GoToRules, PagesAndPapersWithinTheirRanges) {
  EXPECT_EQ(GoToTarget("2097", false).key, "page2097");
  EXPECT_EQ(GoToTarget("0", false).error, kPageRangeText);
  EXPECT_EQ(GoToTarget("2098", false).error, kPageRangeText);
  EXPECT_EQ(GoToTarget("196", true).key, "doc196");
  EXPECT_EQ(GoToTarget("197", true).error, kPaperRangeText);
  EXPECT_EQ(GoToTarget("0", true).error, kPaperRangeText);  // the Foreword is not reachable here
  EXPECT_EQ(GoToTarget("99999", true).error, kPaperRangeText);
}

TEST(GoToRules, NumbersAreRoundedHalfToEvenAndTextIsRefused) {
  EXPECT_EQ(GoToTarget("12.6", false).key, "page13");
  EXPECT_EQ(GoToTarget("12.5", false).key, "page12");
  EXPECT_EQ(GoToTarget("13.5", false).key, "page14");
  EXPECT_EQ(GoToTarget(" 7 ", false).key, "page7");
  EXPECT_EQ(GoToTarget("seven", false).error, kNotANumberText);
  EXPECT_EQ(GoToTarget("", false).error, kNotANumberText);
  EXPECT_EQ(GoToTarget("0.4", false).error, kPageRangeText);
}

TEST(GoToRules, TheRememberedKind) {
  MemorySettingsStore s;
  EXPECT_EQ(ReadGoToKind(s), 0);
  s.Write("fp_t", "1");
  EXPECT_EQ(ReadGoToKind(s), 1);
  s.Write("fp_t", "5");
  EXPECT_EQ(ReadGoToKind(s), 0);
  s.Write("fp_t", "x");
  EXPECT_EQ(ReadGoToKind(s), 0);
}

}  // namespace
}  // namespace orvelis
