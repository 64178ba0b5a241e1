// Every example the query-rules page gives must hold for our search on the sample book.

#include <gtest/gtest.h>

#include <set>

#include "book/book_store.h"
#include "help/help_pages.h"
#include "reader/headless_reader.h"
#include "search/page_preparation.h"
#include "support/test_books.h"

namespace orvelis {
namespace {

std::set<int> Pages(const std::string& list) {
  std::set<int> pages;
  for (std::size_t at = list.find(','); at + 1 < list.size(); at = list.find(',', at + 1)) {
    pages.insert(std::stoi(list.substr(at + 1)));
  }
  return pages;
}

class RulesExamples : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    book = new BookStore;
    ASSERT_NO_FATAL_FAILURE(test::OpenSampleBook(*book));
    book->SetCurrentLanguage(kRussian);
  }
  static void TearDownTestSuite() { delete book; }
  std::set<int> Find(const std::string& query) { return Pages(search.engine.EvaluateWholeQuery({query})); }
  bool Has(int page, const std::string& word) {
    search.regex.SetPattern(" " + word + " ");
    return search.regex.Test(PrepareSearchText(book->GetPageText(page, kRussian), kRussian));
  }

  static BookStore* book;
  HeadlessReader search{*book};
};
BookStore* RulesExamples::book = nullptr;

TEST_F(RulesExamples, ThePageShowsEveryExample) {
  const std::string rules = RulesText();
  for (const char* example : {"иисус христос", "'иисус христос'", "вид?ний", "бого* человека", "Иисус + Христос",
                              "Иисус | Христос", "Иисус ! Назарянин", "Христос | Иисус Назарянин",
                              "(Христос | Иисус) пришел", "(Иисус|Христос|мессия|учитель) в?флеем"}) {
    EXPECT_NE(rules.find(example), std::string::npos) << example;
  }
  EXPECT_NE(HelpText().find("href=\"@close\""), std::string::npos);
}

TEST_F(RulesExamples, WordsInAnyOrderAndPhrases) {
  const std::set<int> both = Find("иисус христос");
  ASSERT_FALSE(both.empty());
  for (int page : both) EXPECT_TRUE(Has(page, "иисус") && Has(page, "христос")) << page;
  const std::set<int> phrase = Find("'иисус христос'");
  ASSERT_FALSE(phrase.empty());
  for (int page : phrase) EXPECT_TRUE(both.count(page)) << page;
  EXPECT_LT(phrase.size(), both.size());
}

TEST_F(RulesExamples, WildcardsAndLetterCase) {
  EXPECT_FALSE(Find("вид?ний").empty());
  EXPECT_FALSE(Find("бого* человека").empty());
  const std::set<int> upper = Find("ВЕРУЮЩИЙ");
  EXPECT_FALSE(upper.empty());
  EXPECT_EQ(upper, Find("верующий"));
}

TEST_F(RulesExamples, TheOperators) {
  EXPECT_EQ(Find("Иисус + Христос"), Find("Иисус Христос"));
  const std::set<int> either = Find("Иисус | Христос");
  for (int page : Find("Иисус")) EXPECT_TRUE(either.count(page));
  for (int page : Find("Христос")) EXPECT_TRUE(either.count(page));
  const std::set<int> without = Find("Иисус ! Назарянин");
  ASSERT_FALSE(without.empty());
  for (int page : without) EXPECT_FALSE(Has(page, "назарянин")) << page;
  const std::set<int> grouped = Find("(Христос | Иисус) пришел");
  ASSERT_FALSE(grouped.empty());
  for (int page : grouped) EXPECT_TRUE(Has(page, "пришел") && (Has(page, "христос") || Has(page, "иисус")));
  const std::set<int> complex = Find("(Иисус|Христос|мессия|учитель) в?флеем");
  ASSERT_FALSE(complex.empty());
  for (int page : complex) EXPECT_TRUE(Has(page, "вифлеем")) << page;
  EXPECT_TRUE(search.messages.shown.empty());
}

// The English interface's page gives examples in English, which must hold on the English text.
class EnglishRulesExamples : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    book = new BookStore;
    ASSERT_NO_FATAL_FAILURE(test::OpenSampleBook(*book));
    book->SetCurrentLanguage(kEnglish);
  }
  static void TearDownTestSuite() { delete book; }
  std::set<int> Find(const std::string& query) { return Pages(search.engine.EvaluateWholeQuery({query})); }
  bool Has(int page, const std::string& word) {
    search.regex.SetPattern(" " + word + " ");
    return search.regex.Test(PrepareSearchText(book->GetPageText(page, kEnglish), kEnglish));
  }

  static BookStore* book;
  HeadlessReader search{*book};
};
BookStore* EnglishRulesExamples::book = nullptr;

TEST_F(EnglishRulesExamples, ThePageShowsEveryExampleAndHoldsNoRussian) {
  const std::string rules = RulesText(HelpLanguage::English);
  for (const char* example :
       {"jesus christ", "'jesus christ'", "m?ssiah", "god* man", "Jesus + Christ", "Jesus | Christ", "Jesus ! Nazareth",
        "Christ | Jesus Nazareth", "(Christ | Jesus) came", "(Jesus|Christ|messiah|teacher) b?thlehem"}) {
    EXPECT_NE(rules.find(example), std::string::npos) << example;
  }
  const std::string help = HelpWindowDocument("", HelpText(HelpLanguage::English), HelpLanguage::English);
  EXPECT_NE(help.find("href=\"@close\""), std::string::npos);
  for (const std::string& page : {rules, help}) {
    // Cyrillic letters in UTF-8 begin with the bytes 0xD0..0xD3.
    for (char c : page) ASSERT_FALSE(static_cast<unsigned char>(c) >= 0xD0 && static_cast<unsigned char>(c) <= 0xD3);
  }
}

TEST_F(EnglishRulesExamples, EveryExampleFindsWhatThePageSays) {
  const std::set<int> both = Find("jesus christ");
  ASSERT_FALSE(both.empty());
  for (int page : both) EXPECT_TRUE(Has(page, "jesus") && Has(page, "christ")) << page;
  const std::set<int> phrase = Find("'jesus christ'");
  ASSERT_FALSE(phrase.empty());
  for (int page : phrase) EXPECT_TRUE(both.count(page)) << page;
  EXPECT_LT(phrase.size(), both.size());
  EXPECT_FALSE(Find("m?ssiah").empty());
  EXPECT_FALSE(Find("god* man").empty());
  EXPECT_FALSE(Find("SPIRIT").empty());
  EXPECT_EQ(Find("SPIRIT"), Find("spirit"));
  EXPECT_EQ(Find("Jesus + Christ"), Find("Jesus Christ"));
  const std::set<int> without = Find("Jesus ! Nazareth");
  ASSERT_FALSE(without.empty());
  for (int page : without) EXPECT_FALSE(Has(page, "nazareth")) << page;
  const std::set<int> grouped = Find("(Christ | Jesus) came");
  ASSERT_FALSE(grouped.empty());
  for (int page : grouped) EXPECT_TRUE(Has(page, "came") && (Has(page, "christ") || Has(page, "jesus")));
  const std::set<int> complex = Find("(Jesus|Christ|messiah|teacher) b?thlehem");
  ASSERT_FALSE(complex.empty());
  for (int page : complex) EXPECT_TRUE(Has(page, "bethlehem")) << page;
  EXPECT_TRUE(search.messages.shown.empty());
}

}  // namespace
}  // namespace orvelis
