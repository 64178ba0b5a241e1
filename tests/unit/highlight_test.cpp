#include "search/highlight.h"

#include <gtest/gtest.h>

#include "book/book_store.h"
#include "book/book_writer.h"
#include "render/paragraph_markup.h"
#include "ground/regex_engine.h"
#include "support/test_books.h"

namespace orvelis {
namespace {

const std::string kStressed = "вид<font class=\"emph\">е</font>ний";

class Highlight : public ::testing::Test {
 protected:
  RegexEngine regex;
};

TEST_F(Highlight, MarksWholeWordsBetweenDelimiters) {
  EXPECT_EQ(HighlightWords(regex, " God, (God) God's God.", "god", kEnglish, true),
            " <font class=\"bld\">God</font>, (<font class=\"bld\">God</font>) God's <font class=\"bld\">God</font>.");
  EXPECT_EQ(HighlightWords(regex, "God at start", "god", kEnglish, true), "God at start");
  EXPECT_EQ(HighlightWords(regex, "text", "", kEnglish, true), "text");
}

TEST_F(Highlight, AStressedWordIsMarkedWithItsStressMarkInside) {
  EXPECT_EQ(HighlightWords(regex, " " + kStressed + " ", "видений", kRussian, true),
            " <font class=\"bld\">" + kStressed + "</font> ");
  // Without the Russian vowel handling the mark hides the word.
  EXPECT_EQ(HighlightWords(regex, " " + kStressed + " ", "видений", kEnglish, true), " " + kStressed + " ");
}

TEST_F(Highlight, WildcardsBecomeWordCharacterRunsEvenWithStressGroups) {
  EXPECT_EQ(HighlightWords(regex, " богу, ", "бог*", kRussian, true), " <font class=\"bld\">богу</font>, ");
  EXPECT_EQ(HighlightWords(regex, " " + kStressed + " ", "в*ний", kRussian, true), " " + kStressed + " ");
}

TEST_F(Highlight, FiveVowelsMakeThirteenGroupsAndTheLastDelimiterComesBack) {
  // "вселенная": е, е, а, я and е again = five vowels of the set, 3 + 2 * 5 = 13 groups.
  EXPECT_EQ(HighlightWords(regex, " вселенная; ", "вселенная", kRussian, true),
            " <font class=\"bld\">вселенная</font>; ");
}

TEST_F(Highlight, NeverTouchesAParagraphMarkerATagOrAnAttribute) {
  // A number is also a paragraph's number: its anchor and tooltip stay whole.
  const std::string marked = HighlightWords(regex, "((3:12:1))Глава 3 стих.", "3", kRussian, true);
  EXPECT_EQ(marked, "((3:12:1))Глава <font class=\"bld\">3</font> стих.");
  EXPECT_EQ(MarkParagraphs(regex, marked, 3, kRussian),
            "<a name=\"p3\"></a><p title=\" 3:3 [П:12:1] \">Глава <font class=\"bld\">3</font> стих.");
  EXPECT_EQ(HighlightWords(regex, "<img alt=\" слово \" title=\"(слово)\"> слово.", "слово", kRussian, true),
            "<img alt=\" слово \" title=\"(слово)\"> <font class=\"bld\">слово</font>.");
  // A "<" that opens no tag is text, and so is what follows it.
  EXPECT_EQ(HighlightWords(regex, " 3 < 4 слово <b>x</b>", "слово", kRussian, true),
            " 3 < 4 <font class=\"bld\">слово</font> <b>x</b>");
  // A snippet's own link and tooltip carry the page and paragraph numbers.
  EXPECT_EQ(HighlightWords(regex, "<a class=\"search_res\" href=\"@page19#19\" title=\" 19:19 [1:1:19] \">... 19 ...</a>",
                           "иисус|19", kRussian, true),
            "<a class=\"search_res\" href=\"@page19#19\" title=\" 19:19 [1:1:19] \">... <font class=\"bld\">19</font> "
            "...</a>");
}

TEST_F(Highlight, AWordThatWouldRunIntoAMarkerIsLeftAlone) {
  // "бог*" would take in "!((2" up to the marker's colon and leave a mark never closed.
  EXPECT_EQ(HighlightWords(regex, " Бог!((2:1:2)) Бог.", "бог*", kRussian, true),
            " Бог!((2:1:2)) <font class=\"bld\">Бог</font>.");
  // A word may still hold whole tags: the stress mark, or a tag it runs across.
  EXPECT_EQ(HighlightWords(regex, " бог<i>у</i> ", "бог*", kRussian, true),
            " <font class=\"bld\">бог<i>у</i></font> ");
}

TEST(SnippetParts, SentencesAndParagraphReferences) {
  EXPECT_EQ(SentenceAt("a. first words. b", 5), " first words");
  EXPECT_EQ(SentenceAt("no dots here", 3), "");
  const std::string t = "((12:3:4)) text word.";
  EXPECT_EQ(ParagraphRefAt(t, 1, "word"), "12:3:4");
  EXPECT_EQ(ParagraphRefAt("((_0:12:0)) word", 1, "WORD"), "0:12:0");
  EXPECT_EQ(ParagraphRefAt("((123456789012345)) word", 1, "word"), "");
  EXPECT_EQ(ParagraphRefAt("word", 1, "word"), "");
  EXPECT_EQ(SearchResultParagraph(135, "0:12:0", kRussian, "s"),
            "<a class=\"search_res\" href=\"@page135#0\" title=\" 135:0 [12:12:0] \">s</a>");
  EXPECT_EQ(SearchResultParagraph(3, "1:2:3", kRussian, "s"),
            "<a class=\"search_res\" href=\"@page3#1\" title=\" 3:1 [П:2:3] \">s</a>");
  EXPECT_EQ(SearchResultParagraph(3, "1:2:3", kEnglish, "s").find("[F:2:3]") != std::string::npos, true);
  EXPECT_EQ(SearchResultParagraph(3, "", kEnglish, "s"), "s");
  RegexEngine regex;
  EXPECT_EQ(RemoveParagraphMarkers(regex, "a((1:2:3))b((x:y:z))c"), "ab((x:y:z))c");
}

class Snippets : public ::testing::Test {
 protected:
  void SetUp() override {
    BookContent c = test::TinyBookContent();
    c.pages[kRussian][134] = "((_0:12:0))Иисус и Христос пришли. ((3:12:1))Потом " + kStressed +
                             " много, [[b]]иисус[[/b]] тоже.";
    c.pages[kRussian][2] = "((4:0:4))Здесь иисус.";
    c.pages[kRussian][18] = "((19:1:19))Иисус сказал 19 слов.";
    c.pages[kRussian][40] = "((5:1:1))Иисус видел, иисус сказал. ((5:1:2))Иисус видел, иисус сказал.";
    ASSERT_TRUE(book.OpenBook(std::make_unique<MemoryByteSource>(WriteBook(c).bytes)));
    ASSERT_TRUE(book.LoadPaperRecords());
    ASSERT_TRUE(book.LoadPageTexts(kRussian));
    book.SetCurrentLanguage(kRussian);
  }
  BookStore book;
  RegexEngine regex;
};

TEST_F(Snippets, ASentenceWithBothWordsAppearsOnceWithBothMarked) {
  const std::string s = BuildSnippets(book, regex, 135, "иисус христос");
  EXPECT_EQ(s.find("<a class=\"search_res\" href=\"@page135#0\" title=\" 135:0 [12:12:0] \">... <font "
                   "class=\"bld\">Иисус</font> и <font class=\"bld\">Христос</font> пришли...</a>"),
            0u)
      << s;
  const std::string sentence = "Христос</font> пришли";
  EXPECT_EQ(s.find(sentence, s.find(sentence) + 1), std::string::npos);
}

// A sentence with the word twice gives one snippet; the same sentence in the next paragraph is
// another snippet, with that paragraph's reference.
TEST_F(Snippets, ASentenceFoundTwiceIsOneSnippetButEachParagraphHasItsOwn) {
  const std::string s = BuildSnippets(book, regex, 41, "иисус");
  std::size_t links = 0;
  for (std::size_t at = s.find("<a "); at != std::string::npos; at = s.find("<a ", at + 1)) ++links;
  EXPECT_EQ(links, 2u) << s;
  EXPECT_NE(s.find("title=\" 41:5 [2:1:1] \""), std::string::npos) << s;
  EXPECT_NE(s.find("title=\" 41:5 [2:1:2] \""), std::string::npos) << s;
}

TEST_F(Snippets, StressedWordsAndDoubleBracketTags) {
  const std::string s = BuildSnippets(book, regex, 135, "видений");
  EXPECT_EQ(s, "<a class=\"search_res\" href=\"@page135#3\" title=\" 135:3 [12:12:1] \">... Потом <font "
               "class=\"bld\">видений</font> много, <b>иисус</b> тоже...</a>");
}

TEST_F(Snippets, ANumberInTheQueryLeavesTheLinkAndTooltipWhole) {
  EXPECT_EQ(BuildSnippets(book, regex, 19, "иисус|19"),
            "<a class=\"search_res\" href=\"@page19#19\" title=\" 19:19 [1:1:19] \">... <font "
            "class=\"bld\">Иисус</font> сказал <font class=\"bld\">19</font> слов...</a>");
}

TEST_F(Snippets, ForewordTooltipsAndWildcardHitsWithoutLinks) {
  EXPECT_EQ(BuildSnippets(book, regex, 3, "иисус"),
            "<a class=\"search_res\" href=\"@page3#4\" title=\" 3:4 [П:0:4] \">... Здесь <font "
            "class=\"bld\">иисус</font>...</a>");
  const std::string s = BuildSnippets(book, regex, 135, "вид?ний");
  EXPECT_EQ(s.find("<a "), std::string::npos);
  EXPECT_NE(s.find("<font class=\"bld\">видений</font>"), std::string::npos) << s;
}

}  // namespace
}  // namespace orvelis
