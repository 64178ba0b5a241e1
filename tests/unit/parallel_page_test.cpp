#include "render/parallel_page.h"

#include <gtest/gtest.h>

#include "book/book_store.h"
#include "book/book_writer.h"
#include "reader/headless_reader.h"
#include "render/page_composer.h"
#include "support/test_books.h"

namespace orvelis {
namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

TEST(ParallelPage, APageSplitsAtItsMarkersWithTheTextBeforeTheFirstOnItsOwn) {
  const auto segments = SplitAtMarkers("lead-in((1:0:1))One (aside)((2:0:2))Two((_0:1:0))Three");
  ASSERT_EQ(segments.size(), 4u);
  EXPECT_EQ(segments[0].marker, "");
  EXPECT_EQ(segments[0].text, "lead-in");
  EXPECT_EQ(segments[1].marker, "((1:0:1))");
  EXPECT_EQ(segments[1].text, "((1:0:1))One (aside)");
  EXPECT_EQ(segments[2].text, "((2:0:2))Two");
  EXPECT_EQ(segments[3].marker, "((_0:1:0))");
  // Double parentheses that are no marker stay text; a page without markers is one segment.
  EXPECT_EQ(SplitAtMarkers("((1:0:1))a ((not one)) b").size(), 1u);
  EXPECT_EQ(SplitAtMarkers("plain").size(), 1u);
  EXPECT_TRUE(SplitAtMarkers("").empty());
}

TEST(ParallelPage, ParagraphsPairByMarkerAndALonelyOneGetsAnEmptyCell) {
  const auto ru = SplitAtMarkers("((1:0:1))А((2:0:2))Б((4:0:4))Г");
  const auto en = SplitAtMarkers("before((1:0:1))A((3:0:3))C((4:0:4))D");
  EXPECT_EQ(PairParagraphs(ru, en), (Rows{{"", "before"},
                                          {"((1:0:1))А", "((1:0:1))A"},
                                          {"((2:0:2))Б", ""},
                                          {"", "((3:0:3))C"},
                                          {"((4:0:4))Г", "((4:0:4))D"}}));
  // The other page's paragraphs after the shown page's last come last.
  EXPECT_EQ(PairParagraphs(SplitAtMarkers("((1:0:1))А"), SplitAtMarkers("((1:0:1))A((9:0:9))Z")),
            (Rows{{"((1:0:1))А", "((1:0:1))A"}, {"", "((9:0:9))Z"}}));
}

class ParallelDocument : public ::testing::Test {
 protected:
  void SetUp() override {
    BookContent content = test::TinyBookContent();
    content.pages[kRussian][4] = "Вступление((1:0:1))Пе\xCC\x81рвый абзац о Боге((2:0:2))Второй";
    content.pages[kEnglish][4] = "((1:0:1))First paragraph of God((3:0:3))Only in English";
    ASSERT_TRUE(book.OpenBook(std::make_unique<MemoryByteSource>(WriteBook(content).bytes)));
    ASSERT_TRUE(book.LoadPartRecords());
    ASSERT_TRUE(book.LoadPaperRecords());
    book.SetCurrentLanguage(kRussian);
  }
  std::string Body(const std::string& highlight = {}, int paragraph = -1) {
    return reader.core.Composer().Compose("page5", highlight, 0, paragraph, "page5", true).pageHtml;
  }

  BookStore book;
  HeadlessReader reader{book, "/u/"};
};

TEST_F(ParallelDocument, RowsHoldTheShownLanguageLeftAndTheOtherRight) {
  // The stress mark, which Windows-1251 lacks, is stored as a character reference and stays one.
  const std::string html = Body();
  const std::string row1 =
      "<tr><td width=\"50%\" valign=\"top\"><div align=\"justify\"><a name=\"p1\"></a><p title=\" 5:1 [П:0:1] \">"
      "Пе&#769;рвый абзац о Боге</div></td><td width=\"50%\" valign=\"top\"><div align=\"justify\"><a name=\"o1\">"
      "</a><p title=\" 5:1 [F:0:1] \">First paragraph of God</div></td></tr>";
  EXPECT_NE(html.find(row1), std::string::npos) << html;
  // The lead-in has its own row; a paragraph of one language only stands beside an empty cell.
  EXPECT_NE(html.find("<tr><td width=\"50%\" valign=\"top\"><div align=\"justify\">Вступление</div></td>"
                      "<td width=\"50%\" valign=\"top\"></td></tr>"),
            std::string::npos);
  EXPECT_NE(html.find("<p title=\" 5:2 [П:0:2] \">Второй</div></td><td width=\"50%\" valign=\"top\"></td></tr>"),
            std::string::npos);
  EXPECT_NE(html.find("<tr><td width=\"50%\" valign=\"top\"></td><td width=\"50%\" valign=\"top\"><div "
                      "align=\"justify\"><a name=\"o3\"></a><p title=\" 5:3 [F:0:3] \">Only in English"),
            std::string::npos);
  // The page around the table is the one-language page's: its title, bars and style.
  EXPECT_NE(html.find("<title>Книга Орвелис v 3.4 - Страница 5</title>"), std::string::npos);
  EXPECT_EQ(html.find("name=\"p3\""), std::string::npos);  // one anchor per paragraph, the shown language's
}

TEST_F(ParallelDocument, TheQueryAndTheTargetParagraphAreMarkedAsOnTheOneLanguagePage) {
  reader.core.Composer().SetHighlighter([](const std::string& text, const std::string& query, Language) {
    std::string out = text;
    if (const auto at = out.find(query); at != std::string::npos) out.replace(at, query.size(), "<i>" + query + "</i>");
    return out;
  });
  const std::string html = Body("God", 1);
  EXPECT_NE(html.find("First paragraph of <i>God</i>"), std::string::npos);
  EXPECT_NE(html.find("<a name=\"p1\"></a><p style=\"color:blue\"  title="), std::string::npos);
  EXPECT_EQ(html.find("<a name=\"o1\"></a><p style"), std::string::npos);
  // Without the option the page is the one-language page, byte for byte.
  EXPECT_EQ(reader.core.Composer().Compose("page5", "", 0, -1, "page5").pageHtml.find("parallel"), std::string::npos);
}

// After a search in both languages the words are marked only in the languages they were found in,
// in the parallel column and in a one-language pane alike.
TEST_F(ParallelDocument, AHighlightForOneLanguageMarksOnlyThatLanguagesText) {
  reader.core.Composer().SetHighlighter([](const std::string& text, const std::string& query, Language) {
    std::string out = text;
    if (const auto at = out.find(query); at != std::string::npos) out.replace(at, query.size(), "<i>" + query + "</i>");
    return out;
  });
  auto& composer = reader.core.Composer();
  const std::string englishOnly =
      composer.Compose("page5", HighlightRequest("а", MaskOf(kEnglish)), 0, -1, "page5", true).pageHtml;
  EXPECT_EQ(englishOnly.find("<i>а</i>"), std::string::npos);
  EXPECT_NE(composer.Compose("page5", HighlightRequest("а", MaskOf(kRussian)), 0, -1, "page5", true).pageHtml.find(
                "<i>а</i>"),
            std::string::npos);
  EXPECT_NE(composer.Compose("page5", HighlightRequest("of", MaskOf(kEnglish)), 1, -1, "page5").pageHtml.find(
                "<i>of</i>"),
            std::string::npos);
  EXPECT_EQ(composer.Compose("page5", HighlightRequest("of", MaskOf(kRussian)), 1, -1, "page5").pageHtml.find(
                "<i>of</i>"),
            std::string::npos);
}

// A favourite kept with its translation: the paragraphs the selection touches follow it in the
// other language, each once; those without a counterpart add nothing.
TEST_F(ParallelDocument, AFragmentWithItsTranslationAddsTheCounterpartsAfterARule) {
  auto& composer = reader.core.Composer();
  const std::string selected = "<p title=\" 5:1 [П:0:1] \">Пе&#769;рвый абзац";
  const std::string both = composer.FragmentWithCounterparts(
      selected, {" 5:1 [П:0:1] ", " 5:2 [П:0:2] ", " 5:1 [П:0:1] "}, 0);
  EXPECT_EQ(both, selected + "<hr noshade size=1><p title=\" 5:1 [F:0:1] \">First paragraph of God");
  EXPECT_EQ(composer.FragmentWithCounterparts(selected, {" 5:2 [П:0:2] "}, 0), selected);
  EXPECT_EQ(composer.FragmentWithCounterparts(selected, {}, 0), selected);
  // From the English pane the counterpart is the Russian paragraph, stress mark and all.
  EXPECT_NE(composer.FragmentWithCounterparts("x", {" 5:1 [F:0:1] "}, 1).find("Пе&#769;рвый абзац о Боге"),
            std::string::npos);
}

// A paragraph's translation on demand, found by the tooltip its page gives it.
TEST_F(ParallelDocument, AParagraphsCounterpartIsTheOtherLanguagesParagraphWithoutItsAnchor) {
  PageComposer& composer = reader.core.Composer();
  EXPECT_EQ(composer.Counterpart(" 5:1 [П:0:1] "), "<p title=\" 5:1 [F:0:1] \">First paragraph of God");
  EXPECT_EQ(composer.Counterpart(" 5:2 [П:0:2] "), "");  // not in English
  EXPECT_EQ(composer.Counterpart("5:1"), "");            // not a paragraph's tooltip
  EXPECT_EQ(composer.Counterpart(" 9999:1 [П:0:1] "), "");
  // The second pane shows the other language: its paragraph's counterpart is the first pane's.
  EXPECT_EQ(composer.Counterpart(" 5:1 [F:0:1] ", 1), "<p title=\" 5:1 [П:0:1] \">Пе&#769;рвый абзац о Боге");
  book.SetCurrentLanguage(kEnglish);  // and the other way round
  EXPECT_EQ(composer.Counterpart(" 5:1 [F:0:1] "), "<p title=\" 5:1 [П:0:1] \">Пе&#769;рвый абзац о Боге");
}

}  // namespace
}  // namespace orvelis
