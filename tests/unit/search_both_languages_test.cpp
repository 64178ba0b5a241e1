// A search in both languages: one list with each page once at its higher rating, snippets labelled
// with their language, highlighting only where a page was found, and the opening of each snippet's
// paragraph in the other language.

#include <gtest/gtest.h>

#include "book/book_store.h"
#include "book/book_writer.h"
#include "reader/headless_reader.h"
#include "search/highlight.h"
#include "search/search_engine.h"
#include "support/test_books.h"

namespace orvelis {
namespace {

class BothLanguages : public ::testing::Test {
 protected:
  void SetUp() override {
    BookContent c = test::TinyBookContent();
    for (auto& page : c.pages[kRussian]) page = "((1:1:1))текст страницы";
    for (auto& page : c.pages[kEnglish]) page = "((1:1:1))plain text";
    // Page 20: the word in both languages, more often in English; page 30: Russian only;
    // page 40: English only, in a paragraph the Russian page does not have.
    c.pages[kRussian][19] = "((5:1:5))Свет и свет.((6:1:6))Второй абзац без слова.";
    c.pages[kEnglish][19] = "((5:1:5))Light, light and light.((6:1:6))The second paragraph has no word.";
    c.pages[kRussian][29] = "((7:1:7))Только свет здесь.";
    c.pages[kEnglish][29] = "((7:1:7))Only the <i>lamp</i> here, with many more words than the snippet shows, at all.";
    c.pages[kRussian][39] = "((8:1:8))Ничего.";
    c.pages[kEnglish][39] = "((8:1:8))Nothing.((9:1:9))A light alone.";
    ASSERT_TRUE(book.OpenBook(std::make_unique<MemoryByteSource>(WriteBook(c).bytes)));
    ASSERT_TRUE(book.LoadPartRecords());
    ASSERT_TRUE(book.LoadPaperRecords());
    book.SetCurrentLanguage(kRussian);
  }
  std::string Find(const std::string& query, bool both = true, bool inFound = false) {
    return engine.EvaluateWholeQuery({query, 0, {}, inFound, both});
  }

  BookStore book;
  HeadlessReader reader{book, "/u/"};
  RecordingMessageSink& messages = reader.messages;
  SearchEngine& engine = reader.engine;
};

TEST_F(BothLanguages, EachPageOnceWithTheHigherOfItsTwoRatings) {
  EXPECT_EQ(Find("свет", false), ",20|2,30|1,");
  EXPECT_EQ(Find("свет | light"), ",20|3,30|1,40|1,");
  EXPECT_EQ(engine.FoundLanguages(20), kAllLanguages);
  EXPECT_EQ(engine.FoundLanguages(30), MaskOf(kRussian));
  EXPECT_EQ(engine.FoundLanguages(40), MaskOf(kEnglish));
  EXPECT_EQ(engine.FoundLanguages(50), 0u);
  // Found in one language only, and in neither.
  EXPECT_EQ(Find("light"), ",20|3,40|1,");
  EXPECT_EQ(Find("темнота"), ",");
  // A one-language search says nothing about languages: its highlighting marks every pane.
  Find("свет", false);
  EXPECT_EQ(engine.FoundLanguages(40), kAllLanguages);
}

TEST_F(BothLanguages, SearchingWithinFoundKeepsTheLanguagesOfTheNewSearch) {
  engine.SetLastResultList(Find("свет | light"));
  EXPECT_EQ(Find("light", true, true), ",20|6,40|2,");
  EXPECT_EQ(engine.FoundLanguages(20), MaskOf(kEnglish));
  EXPECT_EQ(engine.FoundLanguages(30), 0u);
}

TEST_F(BothLanguages, AFormatErrorIsReportedOnceNotOncePerLanguage) {
  EXPECT_EQ(Find(" свет"), ",");
  EXPECT_EQ(messages.shown.size(), 1u);
  // The refused term contributes nothing in either language; the other term still finds.
  EXPECT_EQ(Find("[ | light"), ",20|3,40|1,");
  EXPECT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(engine.LastQueryStatus(), QueryStatus::Done);
}

TEST_F(BothLanguages, TheResultsPageLabelsEachLanguagesSnippetsAndHighlightsThemInTheirLanguage) {
  engine.RunSearch({"light | свет", 0, {}, false, true});
  const std::string& page = reader.view.documents.back();
  const auto entry = [&](int number) {
    const std::size_t at = page.find("href=\"@page" + std::to_string(number) + "\"");
    return at == std::string::npos ? std::string() : page.substr(at, page.find("<table", at) - at);
  };
  const std::string both = entry(20);
  ASSERT_FALSE(both.empty());
  const std::size_t ru = both.find("<b>Русский:</b>");
  const std::size_t en = both.find("<b>Английский:</b>");
  ASSERT_NE(ru, std::string::npos);
  ASSERT_NE(en, std::string::npos);
  EXPECT_LT(ru, en);  // the shown language first
  EXPECT_NE(both.find("<font class=\"bld\">Свет</font>", ru), std::string::npos);
  EXPECT_NE(both.find("<font class=\"bld\">Light</font>", en), std::string::npos);
  // The English snippet links to its paragraph with the English label of the Foreword-less Paper.
  EXPECT_NE(both.find("href=\"@page20#5\"", en), std::string::npos);
  const std::string englishOnly = entry(40);
  EXPECT_EQ(englishOnly.find("Русский:"), std::string::npos);
  EXPECT_NE(englishOnly.find("<b>Английский:</b>"), std::string::npos);
  EXPECT_NE(englishOnly.find("@page40#9"), std::string::npos);
}

TEST_F(BothLanguages, TheOneLanguageResultsPageHasNoLabels) {
  engine.RunSearch({"свет", 0, {}, false, false});
  EXPECT_EQ(reader.view.documents.back().find("Русский:"), std::string::npos);
}

TEST_F(BothLanguages, ASnippetsCounterpartIsTheOpeningOfTheSameParagraphOrNothing) {
  ASSERT_TRUE(book.LoadPageTexts(kRussian));
  ASSERT_TRUE(book.LoadPageTexts(kEnglish));
  const std::string page30 = BuildSnippets(book, reader.regex, 30, "свет", kRussian, true);
  // Twelve words without their markup, the cut marked, the last word's comma dropped.
  EXPECT_NE(page30.find("<i><font color=\"#606060\">Only the lamp here, with many more words than the snippet "
                        "shows...</font></i>"),
            std::string::npos)
      << page30;
  // Paragraph 9 of page 40 is English only: its snippet has no counterpart below it.
  const std::string page40 = BuildSnippets(book, reader.regex, 40, "light", kEnglish, true);
  EXPECT_NE(page40.find("A <font class=\"bld\">light</font> alone"), std::string::npos) << page40;
  EXPECT_EQ(page40.find("#606060"), std::string::npos);
  EXPECT_EQ(OpeningWords("((1:1:1))Один два.", "1:1:1"), "Один два.");
  EXPECT_EQ(OpeningWords("((1:1:1))Один два.", "2:1:2"), "");
  // The section's opening block "((_0:1:0))" is what a snippet's reference "0:1:0" names.
  EXPECT_EQ(OpeningWords("((_0:1:0))Вступление.", "0:1:0"), "Вступление.");
}

}  // namespace
}  // namespace orvelis
