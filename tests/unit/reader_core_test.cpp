#include "reader/reader_core.h"

#include <gtest/gtest.h>

#include "book/book_store.h"
#include "reader/headless_reader.h"
#include "support/test_books.h"
#include "window_rules/reading_settings.h"

namespace orvelis {
namespace {

class Reader : public ::testing::Test {
 protected:
  void SetUp() override {
    test::OpenTinyBook(book);
    book.SetCurrentLanguage(kEnglish);
  }
  BookStore book;
  HeadlessReader reader{book, "/u/"};
};

TEST_F(Reader, APageShownWithAQueryHasTheQuerysWordsMarked) {
  reader.core.Locator().ShowTarget("page5", false, "page", -1);
  const std::string& page = reader.reading.documents[ReadingPane::Web1];
  EXPECT_NE(page.find("<font class=\"bld\">page</font> 5"), std::string::npos);
}

TEST_F(Reader, SearchesWriteToTheSearchViewAndReportToTheMessageSink) {
  reader.core.Search().RunSearch({"page"});
  EXPECT_FALSE(reader.view.documents.empty());  // the progress page, then the results
  EXPECT_TRUE(reader.reading.writes.empty());
  reader.core.Search().RunSearch({"(page"});
  ASSERT_FALSE(reader.messages.shown.empty());
  EXPECT_EQ(reader.messages.shown.back().caption, kSearchCaption);
}

TEST_F(Reader, FontSettingsAreReadAgainOnlyWhenAsked) {
  reader.settings.Write("fsize", "2");
  reader.settings.Write("ffam", "Arial");
  EXPECT_EQ(reader.core.Styles().FontSizeStep(), 0);
  reader.core.ApplyFontSettings();
  EXPECT_EQ(reader.core.Styles().FontSizeStep(), 2);
  EXPECT_EQ(reader.core.Styles().FontFamily(), "Arial");
  reader.core.Locator().ShowTarget("page5", false, "", -1);
  EXPECT_NE(reader.reading.documents[ReadingPane::Web1].find("Arial"), std::string::npos);
}

TEST_F(Reader, TheReadingSettingsItHoldsGoBackAsTheyCame) {
  ReadingSettings in;
  in.fixedHeaders = true;
  in.sortByRating = 0;
  in.groupResults = true;
  reader.core.ApplyReadingSettings(in);
  reader.core.Locator().SetLayoutMode(kLayoutSideBySide);
  EXPECT_TRUE(reader.core.Composing().fixedHeaders);
  ReadingSettings out;
  reader.core.StoreReadingSettings(out);
  EXPECT_TRUE(out.fixedHeaders);
  EXPECT_EQ(out.sortByRating, 0);
  EXPECT_TRUE(out.groupResults);
  EXPECT_EQ(out.layoutMode, kLayoutSideBySide);
}

}  // namespace
}  // namespace orvelis
