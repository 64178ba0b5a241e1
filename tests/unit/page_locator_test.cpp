#include "navigation/page_locator.h"

#include <gtest/gtest.h>

#include "book/book_store.h"
#include "reader/headless_reader.h"
#include "support/test_books.h"

namespace orvelis {
namespace {

class Locator : public ::testing::Test {
 protected:
  void SetUp() override { test::OpenTinyBook(book); }
  std::string ShownTitle() {
    const std::string& html = view.documents[ReadingPane::Web1];
    const auto open = html.find("<title>") + 7;
    return html.substr(open, html.find("</title>") - open);
  }

  BookStore book;
  HeadlessReader reader{book, "/u/"};
  RecordingReadingView& view = reader.reading;
  PageLocator& locator = reader.core.Locator();
};

TEST_F(Locator, BackAfterTheFirstNavigationShowsNothingNewAndDisablesItself) {
  locator.ShowTarget("page5", false, "", -1);
  EXPECT_TRUE(view.Enabled(NavCommand::Back));
  EXPECT_EQ(locator.BackList(), "");
  const std::size_t writes = view.writes.size();
  locator.GoBack();
  EXPECT_EQ(view.writes.size(), writes);
  EXPECT_FALSE(view.Enabled(NavCommand::Back));
}

// The parallel text is one pane: the page in both languages goes to the first pane only, and a
// contents page stays as it is; leaving it shows the one-language page again.
TEST_F(Locator, TheParallelLayoutWritesBothLanguagesIntoTheFirstPaneOnly) {
  book.SetCurrentLanguage(kRussian);
  locator.SetLayoutMode(kLayoutParallel);
  locator.ShowTarget("page5", false, "", -1);
  EXPECT_NE(view.documents[ReadingPane::Web1].find("<table class=\"parallel\""), std::string::npos);
  EXPECT_EQ(view.documents.count(ReadingPane::Web2), 0u);
  EXPECT_EQ(ShownTitle(), "Книга Орвелис v 3.4 - Страница 5");
  locator.ShowTarget("cont", false, "", -1);
  EXPECT_EQ(view.documents[ReadingPane::Web1].find("class=\"parallel\""), std::string::npos);
  locator.SetLayoutMode(kLayoutOnePane);
  locator.ShowTarget("page5", true, "", -1);
  EXPECT_EQ(view.documents[ReadingPane::Web1].find("class=\"parallel\""), std::string::npos);
}

TEST_F(Locator, BackThenForwardReturnsAndRecords) {
  locator.ShowTarget("page1", false, "", -1);
  locator.ShowTarget("page2", false, "", -1);
  locator.ShowTarget("page3", false, "", -1);
  locator.GoBack();
  EXPECT_EQ(ShownTitle(), "Книга Орвелис v 3.4 - Страница 2");
  EXPECT_EQ(locator.ForwardList(), ",page3");
  EXPECT_TRUE(view.Enabled(NavCommand::Forward));
  EXPECT_EQ(locator.ShownKey(), "page2");
  locator.GoForward();
  EXPECT_EQ(ShownTitle(), "Книга Орвелис v 3.4 - Страница 3");
  EXPECT_EQ(locator.HistoryKey(), "page3");
  EXPECT_EQ(locator.BackList(), ",page1,page3");  // HistoryKey was still page3 when it was pushed
  EXPECT_EQ(locator.ForwardList(), "");
  EXPECT_FALSE(view.Enabled(NavCommand::Forward));
}

TEST_F(Locator, ANewLinkAfterBackKeepsTheLastRecordedKeyInTheBackList) {
  for (const char* key : {"page1", "page2", "page3"}) locator.ShowTarget(key, false, "", -1);
  locator.GoBack();
  locator.ShowTarget("page4", false, "", -1);
  EXPECT_EQ(locator.BackList(), ",page1,page3");
  EXPECT_EQ(locator.ForwardList(), ",page3");  // a new navigation does not clear it
  locator.GoBack();
  EXPECT_EQ(ShownTitle(), "Книга Орвелис v 3.4 - Страница 3");
}

TEST_F(Locator, TwoPaneLayoutsWriteBothPanesOnePaneOnlyTheFirst) {
  locator.ShowTarget("page9", false, "", -1);
  EXPECT_EQ(view.documents.count(ReadingPane::Web2), 0u);
  for (int layout : {kLayoutStacked, kLayoutSideBySide}) {
    view.documents.clear();
    locator.SetLayoutMode(layout);
    locator.ShowTarget("page10", false, "", -1);
    EXPECT_NE(view.documents[ReadingPane::Web1].find("Страница 10</title>"), std::string::npos);
    EXPECT_NE(view.documents[ReadingPane::Web2].find("Page 10</title>"), std::string::npos);
  }
  EXPECT_EQ(locator.BackList(), ",page9,page10");  // the second pane records nothing
}

TEST_F(Locator, NavigationCommandsFollowTheShownKey) {
  locator.ShowTarget("book", false, "", -1);
  EXPECT_FALSE(view.Enabled(NavCommand::PrevPage));
  EXPECT_FALSE(view.Enabled(NavCommand::PrevDoc));
  locator.ShowTarget("cont0", false, "", -1);
  EXPECT_TRUE(view.Enabled(NavCommand::PrevPage));  // only "cont" and "book" disable them
  locator.ShowTarget("page2086", false, "", -1);
  EXPECT_TRUE(view.Enabled(NavCommand::NextPage));
  EXPECT_TRUE(view.Enabled(NavCommand::NextDoc));
  locator.ShowTarget("page2087", false, "", -1);
  EXPECT_TRUE(view.Enabled(NavCommand::NextPage));
  EXPECT_FALSE(view.Enabled(NavCommand::NextDoc));
  locator.ShowTarget("page2097", false, "", -1);
  EXPECT_FALSE(view.Enabled(NavCommand::NextPage));
  EXPECT_FALSE(view.Enabled(NavCommand::NextDoc));
  locator.ShowTarget("cont2", false, "", -1);  // contents keep the page commands as they were
  EXPECT_FALSE(view.Enabled(NavCommand::NextPage));
  locator.ShowTarget("page1", false, "", -1);
  EXPECT_TRUE(view.Enabled(NavCommand::PrevPage));
  EXPECT_TRUE(view.Enabled(NavCommand::NextPage));
}

TEST_F(Locator, ShowTargetSelectsTheTreeNodeFirst) {
  locator.ShowTarget("cont2", false, "", -1);
  EXPECT_EQ(view.selectedKey, "cont2");
  EXPECT_NE(view.documents[ReadingPane::Web1].find("<i>Содержание Части II</i>"), std::string::npos);
}

}  // namespace
}  // namespace orvelis
