#include "render/page_composer.h"

#include <gtest/gtest.h>

#include "book/book_store.h"
#include "book/book_writer.h"
#include "reader/headless_reader.h"
#include "support/fixtures.h"
#include "support/test_books.h"

namespace orvelis {
namespace {

// Stands in for the search layer's highlighter: bolds the query text.
std::string ReplaceText(std::string text, const std::string& query) {
  const auto at = text.find(query);
  if (at != std::string::npos) text.replace(at, query.size(), "<b>" + query + "</b>");
  return text;
}

// A whole document of tests/fixtures/pages.html, its {stylesheet} line replaced by the default style
// element that tests/fixtures/stylesheet.txt writes out.
std::string ExpectedDocument(const std::string& name) {
  const auto style = test::FixtureCases("stylesheet.txt");
  const std::string styleElement = "<style>" + test::FixtureLines(style, "screen: default settings, images in /u/") +
                                   "\r\n@media print{\r\n" + test::FixtureLines(style, "print") + "\r\n}</style>";
  std::string document = test::FixtureDocument(test::FixtureCases("pages.html"), name);
  const std::size_t at = document.find("{stylesheet}");
  if (at != std::string::npos) document.replace(at, 12, styleElement);
  return document;
}

class Composer : public ::testing::Test {
 protected:
  void SetUp() override {
    BookContent content = test::TinyBookContent();
    content.pages[kEnglish][134] = "((0:1:0))Head((4:3:1))Text of God";
    ASSERT_TRUE(book.OpenBook(std::make_unique<MemoryByteSource>(WriteBook(content).bytes)));
    ASSERT_TRUE(book.LoadPartRecords());
    ASSERT_TRUE(book.LoadPaperRecords());
  }

  BookStore book;
  HeadlessReader reader{book, "/u/"};
  RecordingReadingView& view = reader.reading;
  ComposerSettings& composerSettings = reader.core.Composing();
  PageComposer& composer = reader.core.Composer();
  PageLocator& locator = reader.core.Locator();
};

TEST_F(Composer, RussianPageOneWithHeaderAndBothBars) {
  book.SetCurrentLanguage(kRussian);
  locator.ShowTarget("page1", false, "", -1);
  EXPECT_EQ(view.documents[ReadingPane::Web1], ExpectedDocument("page 1, Russian, bars in the page"));
  EXPECT_EQ(view.caption, "Книга Орвелис v 3.4");
  EXPECT_EQ(view.locationText[0], "0.RU PAPER TITLE 0 (1)");
  EXPECT_EQ(view.documents.count(ReadingPane::Top1), 0u);
  EXPECT_EQ(view.fittedStrips, std::vector<int>{0});
}

TEST_F(Composer, FixedHeadersMoveTheBarsIntoTheStrip) {
  composerSettings.fixedHeaders = true;
  book.SetCurrentLanguage(kEnglish);
  locator.ShowTarget("page135", false, "", -1);
  EXPECT_EQ(view.documents[ReadingPane::Web1], ExpectedDocument("page 135, English, fixed headers: the page"));
  EXPECT_EQ(view.documents[ReadingPane::Top1], ExpectedDocument("page 135, English, fixed headers: the strip"));
  ASSERT_EQ(view.writes.size(), 2u);
  EXPECT_EQ(view.writes[0].pane, ReadingPane::Web1);
  EXPECT_EQ(view.writes[1].pane, ReadingPane::Top1);
  EXPECT_EQ(view.locationText[0], "12.EN PAPER TITLE 12 (135)");
}

TEST_F(Composer, TheSecondPaneGetsItsStripFirstAndNeverTouchesTheFirstPane) {
  composerSettings.fixedHeaders = true;
  book.SetCurrentLanguage(kRussian);
  locator.ShowInPane("page7", true, "", 1, -1);
  ASSERT_EQ(view.writes.size(), 2u);
  EXPECT_EQ(view.writes[0].pane, ReadingPane::Top2);
  EXPECT_EQ(view.writes[1].pane, ReadingPane::Web2);
  EXPECT_NE(view.writes[1].html.find("The ORVELIS Book v 3.4 - Page 7"), std::string::npos);
  EXPECT_EQ(view.locationText.count(0), 0u);
  EXPECT_EQ(view.locationText[1], "0.EN PAPER TITLE 0 (7)");
}

TEST_F(Composer, PaperAndPartKeysShowTheirJumpPageButRecordTheirOwnKey) {
  book.SetCurrentLanguage(kEnglish);
  locator.ShowTarget("doc5", false, "", -1);
  EXPECT_NE(view.documents[ReadingPane::Web1].find("<title>The ORVELIS Book v 3.4 - Page 62</title>"),
            std::string::npos);
  EXPECT_EQ(locator.HistoryKey(), "doc5");
  EXPECT_EQ(locator.CurrentKey(), "page62");
  EXPECT_EQ(view.selectedKey, "doc5");
  locator.ShowTarget("part3", false, "", -1);
  EXPECT_NE(view.documents[ReadingPane::Web1].find("- Page 649</title>"), std::string::npos);
  EXPECT_EQ(locator.BackList(), ",doc5");
}

TEST_F(Composer, ContentsKeys) {
  book.SetCurrentLanguage(kRussian);
  for (const char* key : {"cont0", "book", "cont"}) {
    locator.ShowTarget(key, false, "", -1);
    EXPECT_NE(view.documents[ReadingPane::Web1].find("<title>Книга Орвелис v 3.4 - Названия Документов</title>"),
              std::string::npos)
        << key;
    EXPECT_EQ(view.locationText[0], "Названия Документов");
  }
  locator.ShowTarget("cont3", false, "", -1);
  EXPECT_NE(view.documents[ReadingPane::Web1].find("<title>Книга Орвелис v 3.4 - Содержание Части III</title>"),
            std::string::npos);
  const std::string contentsHeader =
      test::FixtureDocument(test::FixtureCases("nav_bars.html"), "header: contents, Russian");
  ASSERT_FALSE(contentsHeader.empty());
  EXPECT_NE(view.documents[ReadingPane::Web1].find(contentsHeader), std::string::npos);
  EXPECT_EQ(view.locationText[0], "Содержание Части III");
}

TEST_F(Composer, HighlightingRunsOnTheStoredTextBeforeTheMarkupAndOnlyWithAQuery) {
  std::vector<std::string> seen;
  composer.SetHighlighter([&](const std::string& text, const std::string& query, Language) {
    seen.push_back(text);
    return ReplaceText(text, query);
  });
  book.SetCurrentLanguage(kEnglish);
  locator.ShowTarget("page135", false, "", 4);
  EXPECT_TRUE(seen.empty());
  locator.ShowTarget("page135", false, "God", 4);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], "((0:1:0))Head((4:3:1))Text of God");
  EXPECT_NE(view.documents[ReadingPane::Web1].find(
                "<a name=\"p4\"></a><p style=\"color:blue\"  title=\" 135:4 [12:3:1] \">Text of <b>God</b>"),
            std::string::npos);
}

}  // namespace
}  // namespace orvelis
