#include "ground/regex_engine.h"

#include <gtest/gtest.h>

namespace orvelis {
namespace {

TEST(RegexEngine, IgnoresCaseIncludingCyrillic) {
  RegexEngine re;
  ASSERT_TRUE(re.SetPattern("иисус"));
  EXPECT_TRUE(re.Test("Сказал ИИСУС тогда"));
  ASSERT_TRUE(re.SetPattern("ёж"));
  EXPECT_TRUE(re.Test("ЁЖИК"));
  ASSERT_TRUE(re.SetPattern("god"));
  EXPECT_EQ(re.CountMatches("God, GOD and god's"), 3u);
}

TEST(RegexEngine, WordClassesStayAsciiAsInEcmascript) {
  RegexEngine re;
  ASSERT_TRUE(re.SetPattern("\\w+"));
  EXPECT_EQ(re.CountMatches("мир"), 0u);
  ASSERT_TRUE(re.SetPattern("a.b"));
  EXPECT_TRUE(re.Test("a\rb"));
  EXPECT_FALSE(re.Test("a\nb"));
}

TEST(RegexEngine, ReplacesAllWithGroupReferencesUpToNinetyNine) {
  RegexEngine re;
  ASSERT_TRUE(re.SetPattern("(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)(l)(m)"));
  EXPECT_EQ(re.GroupCount(), 13);
  EXPECT_EQ(re.ReplaceAll("xabcdefghijklmy", "[$13|$1|$10]"), "x[m|a|j]y");
  // With fewer groups, "$13" is group 1 followed by the digit 3.
  ASSERT_TRUE(re.SetPattern("(a)(b)"));
  EXPECT_EQ(re.ReplaceAll("ab ab", "$13$2"), "a3b a3b");
  EXPECT_EQ(re.ReplaceAll("ab", "$$1 $& $9 $x"), "$1 ab $9 $x");
}

TEST(RegexEngine, ZeroLengthMatchesAdvanceByOneCharacter) {
  RegexEngine re;
  ASSERT_TRUE(re.SetPattern("x*"));
  EXPECT_EQ(re.ReplaceAll("abc", "-"), "-a-b-c-");
  EXPECT_EQ(re.ReplaceAll("жя", "-"), "-ж-я-");
  EXPECT_EQ(re.CountMatches("axxb"), 4u);  // "", "xx", "", ""
}

TEST(RegexEngine, ExecuteReportsPositionsAndGroups) {
  RegexEngine re;
  ASSERT_TRUE(re.SetPattern("(\\d+)(x)?"));
  const auto matches = re.Execute("a12x 7");
  ASSERT_EQ(matches.size(), 2u);
  EXPECT_EQ(matches[0].position, 1u);
  EXPECT_EQ(matches[0].length, 3u);
  ASSERT_EQ(matches[0].groups.size(), 2u);
  EXPECT_TRUE(matches[0].groups[1].set);
  EXPECT_EQ(matches[1].position, 5u);
  EXPECT_FALSE(matches[1].groups[1].set);
}

TEST(RegexEngine, CatastrophicBacktrackingStopsAtTheLimitAndSaysSo) {
  RegexEngine re;
  ASSERT_TRUE(re.SetPattern("(a+)+$"));
  const std::string subject = std::string(40, 'a') + "!";
  EXPECT_FALSE(re.Test(subject));
  EXPECT_TRUE(re.LimitHit());
  EXPECT_EQ(re.ReplaceAll(subject, "x"), subject);
  EXPECT_TRUE(re.LimitHit());
  ASSERT_TRUE(re.SetPattern("a"));
  EXPECT_TRUE(re.Test("a"));
  EXPECT_FALSE(re.LimitHit());
}

// A clock that moves one millisecond at every reading, so a deadline passes after a known number
// of readings however fast the machine is.
MatchDeadline::Clock SteppingClock(int& readings) {
  return [&readings] { return std::chrono::steady_clock::time_point{} + std::chrono::milliseconds(++readings); };
}

TEST(RegexEngine, ADeadlineStopsOneLongMatchFromInside) {
  RegexEngine re;
  ASSERT_TRUE(re.SetPattern("(a+)+$"));
  const std::string subject = std::string(40, 'a') + "!";
  int readings = 0;
  MatchDeadline deadline(std::chrono::milliseconds(5), MatchDeadline::Reach::Every, SteppingClock(readings));
  re.SetDeadline(&deadline);
  // One call of the matcher: only a reading from inside it can end it before PCRE2's own limit.
  EXPECT_FALSE(re.Test(subject));
  EXPECT_TRUE(re.DeadlinePassed());
  EXPECT_FALSE(re.LimitHit());
  EXPECT_EQ(re.ReplaceAll(subject, "x"), subject);
  re.SetDeadline(nullptr);
  EXPECT_FALSE(re.Test(subject));
  EXPECT_TRUE(re.LimitHit());
  EXPECT_FALSE(re.DeadlinePassed());
}

TEST(RegexEngine, ALongMatchThatEndsInTimeFindsWhatItWouldWithoutADeadline) {
  RegexEngine re;
  ASSERT_TRUE(re.SetPattern("(a+)+b"));
  // Every split of the eighteen "a" is tried before the match further on is found.
  const std::string subject = std::string(18, 'a') + "!aab";
  int readings = 0;
  MatchDeadline deadline(std::chrono::hours(1), MatchDeadline::Reach::Every, SteppingClock(readings));
  re.SetDeadline(&deadline);
  const std::vector<RegexMatch> matches = re.Execute(subject);
  EXPECT_GT(readings, 2);  // it did run watched
  ASSERT_EQ(matches.size(), 1u);
  EXPECT_EQ(matches[0].position, 19u);
  EXPECT_EQ(matches[0].length, 3u);
  ASSERT_EQ(matches[0].groups.size(), 1u);
  EXPECT_EQ(matches[0].groups[0].length, 2u);
  EXPECT_FALSE(re.DeadlinePassed());
  EXPECT_FALSE(re.LimitHit());
}

TEST(RegexEngine, APassedDeadlineStopsEveryMatchOrOnlyLongOnes) {
  RegexEngine re;
  int readings = 0;
  MatchDeadline every(std::chrono::milliseconds(1), MatchDeadline::Reach::Every, SteppingClock(readings));
  {
    const ScopedMatchDeadline scope(re, &every);
    ASSERT_TRUE(re.SetPattern("a"));
    EXPECT_FALSE(re.Test("a"));
    EXPECT_TRUE(re.DeadlinePassed());
  }
  EXPECT_EQ(re.Deadline(), nullptr);
  EXPECT_TRUE(re.Test("a"));
  MatchDeadline longOnly(std::chrono::milliseconds(1), MatchDeadline::Reach::LongOnly, SteppingClock(readings));
  ASSERT_TRUE(longOnly.Passed());
  const ScopedMatchDeadline scope(re, &longOnly);
  EXPECT_EQ(re.ReplaceAll("banana", "$&!"), "ba!na!na!");
  EXPECT_FALSE(re.DeadlinePassed());
  ASSERT_TRUE(re.SetPattern("(a+)+$"));
  EXPECT_FALSE(re.Test(std::string(40, 'a') + "!"));
  EXPECT_TRUE(re.DeadlinePassed());
}

TEST(RegexEngine, AReplacementCanLeaveChosenMatchesAlone) {
  RegexEngine re;
  ASSERT_TRUE(re.SetPattern("(\\d)"));
  EXPECT_EQ(re.ReplaceAll("1 2 3", "<$1>", [](const RegexMatch& m) { return m.position != 2; }), "<1> 2 <3>");
}

TEST(RegexEngine, ABadPatternMatchesNothingAndExplainsWhy) {
  RegexEngine re;
  EXPECT_FALSE(re.SetPattern("(unclosed"));
  EXPECT_FALSE(re.CompileError().empty());
  EXPECT_FALSE(re.Test("unclosed"));
  EXPECT_EQ(re.ReplaceAll("unclosed", "x"), "unclosed");
}

TEST(RegexEngine, EscapeMakesAnyTextLiteral) {
  RegexEngine re;
  ASSERT_TRUE(re.SetPattern(RegexEscape("a.b*(c)")));
  EXPECT_TRUE(re.Test("xa.b*(c)"));
  EXPECT_FALSE(re.Test("aXbbc"));
}

}  // namespace
}  // namespace orvelis
