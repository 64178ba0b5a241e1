#include "navigation/link_protocol.h"

#include <gtest/gtest.h>

namespace orvelis {
namespace {

using Kind = ReadingLinkAction::Kind;

TEST(LinkProtocol, ReadingPaneLinksNormaliseNumbersAndCancelUnknownBodies) {
  EXPECT_EQ(ReadingPaneLinkAction("orvelis://doc/1/@doc007", 1).key, "doc7");
  EXPECT_EQ(ReadingPaneLinkAction("@page0012", 1).key, "page12");
  EXPECT_EQ(ReadingPaneLinkAction("x/@cont3", 1).key, "cont3");
  EXPECT_EQ(ReadingPaneLinkAction("x/@cont", 1).key, "cont");
  EXPECT_EQ(ReadingPaneLinkAction("x/@cont", 1).kind, Kind::Show);
  for (const char* url : {"x/@frob", "x/@cont9", "x/@page", "x/@page99999", "x/@docx"}) {
    EXPECT_EQ(ReadingPaneLinkAction(url, 1).kind, Kind::Ignore) << url;
  }
}

TEST(LinkProtocol, AnchorsAndBlankDocumentsAreLeftToTheBrowser) {
  EXPECT_EQ(ReadingPaneLinkAction("x/@page12#3", 1).kind, Kind::Allow);
  EXPECT_EQ(ReadingPaneLinkAction("about:blank", 1).kind, Kind::Allow);
  EXPECT_EQ(ReadingPaneLinkAction("about:blank", 2).kind, Kind::Allow);
}

TEST(LinkProtocol, ScrollNoticesAndTheSecondPaneDelegating) {
  EXPECT_EQ(ReadingPaneLinkAction("x/^", 1).kind, Kind::SyncScroll);
  EXPECT_EQ(ReadingPaneLinkAction("x/^", 2).kind, Kind::SyncScroll);
  EXPECT_EQ(ReadingPaneLinkAction("x/@doc3", 2).key, "doc3");
  EXPECT_EQ(DecodedUrl("orvelis://doc/1/%5E"), "orvelis://doc/1/^");
  EXPECT_EQ(DecodedUrl("a%2"), "a%2");
}

TEST(LinkProtocol, HeaderStripsOnlyActOnNavigationLinks) {
  EXPECT_EQ(StripLinkAction("x/@page5").key, "page5");
  EXPECT_EQ(StripLinkAction("x/^").kind, Kind::Allow);
  EXPECT_EQ(StripLinkAction("about:blank").kind, Kind::Allow);
}

TEST(LinkProtocol, SearchPaneLinks) {
  EXPECT_EQ(SearchPaneLinkAction("x/^rate").kind, SearchLinkAction::FlipSort);
  EXPECT_EQ(SearchPaneLinkAction("x/!group").kind, SearchLinkAction::FlipGroup);
  const SearchLinkAction page = SearchPaneLinkAction("x/@page135#3");
  EXPECT_EQ(page.kind, SearchLinkAction::ShowPage);
  EXPECT_EQ(page.key, "page135");
  EXPECT_EQ(page.paragraph, 3);
  EXPECT_TRUE(page.scrollToParagraph);
  const SearchLinkAction plain = SearchPaneLinkAction("x/@page135");
  EXPECT_EQ(plain.paragraph, -1);
  EXPECT_FALSE(plain.scrollToParagraph);
  EXPECT_EQ(SearchPaneLinkAction("x/@page135#x").paragraph, -1);
  EXPECT_EQ(SearchPaneLinkAction("x/@page0").key, "doc0");
  EXPECT_EQ(SearchPaneLinkAction("x/@doc12").key, "doc12");
  EXPECT_EQ(SearchPaneLinkAction("about:blank").kind, SearchLinkAction::Ignore);
  EXPECT_TRUE(IsCloseLink("x/@close"));
  EXPECT_TRUE(FavoritesViewAllows("about:blank"));
  EXPECT_FALSE(FavoritesViewAllows("x/@page1"));
}

}  // namespace
}  // namespace orvelis
