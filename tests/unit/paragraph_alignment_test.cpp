#include "window_rules/paragraph_alignment.h"

#include <gtest/gtest.h>

namespace orvelis {
namespace {

// A Russian page whose paragraphs run longer than the English ones, as the two texts do.
PaneGeometry Russian(double scrollTop) { return {{{"p1", 40}, {"p2", 240}, {"p3", 640}}, scrollTop, 1040}; }
PaneGeometry English(double scrollTop = 0) { return {{{"p1", 40}, {"p2", 200}, {"p3", 500}}, scrollTop, 800}; }

TEST(ParagraphAlignment, TheSameParagraphAtTheSameFractionOfItsHeight) {
  // 100 px into p2 (400 px tall): a quarter; p2 is 300 px tall in English, so 75 px into it.
  const TopPlace place = PlaceAtTop(Russian(340));
  EXPECT_EQ(place.anchor, "p2");
  EXPECT_DOUBLE_EQ(place.fraction, 0.25);
  EXPECT_EQ(AlignedScrollTop(Russian(340), English()), 275.0);
  // Exactly at an anchor, and within the pixel the measurement may be off by.
  EXPECT_EQ(AlignedScrollTop(Russian(240), English()), 200.0);
  EXPECT_EQ(PlaceAtTop(Russian(239.5)).anchor, "p2");
  // The last paragraph reaches to the document's end: 200 px of its 400 in Russian is half.
  EXPECT_EQ(AlignedScrollTop(Russian(840), English()), 650.0);
  // The other way round.
  EXPECT_EQ(AlignedScrollTop(English(275), Russian(0)), 340.0);
}

TEST(ParagraphAlignment, BeforeTheFirstParagraphTheSameOffset) {
  const TopPlace place = PlaceAtTop(Russian(25));
  EXPECT_TRUE(place.anchor.empty());
  EXPECT_EQ(place.offset, 25.0);
  EXPECT_EQ(AlignedScrollTop(Russian(25), English()), 25.0);
  EXPECT_EQ(AlignedScrollTop(PaneGeometry{{}, 60, 500}, English()), 60.0);  // a page without paragraphs
}

TEST(ParagraphAlignment, AParagraphMissingOnTheOtherSideFallsBackToTheRatio) {
  const PaneGeometry english{{{"p1", 40}, {"p3", 500}}, 0, 800};
  EXPECT_EQ(AlignedScrollTop(Russian(340), english), std::nullopt);
  EXPECT_DOUBLE_EQ(RatioScrollTop(Russian(520), english), 400.0);  // half of each document
  EXPECT_EQ(RatioScrollTop(PaneGeometry{{}, 10, 0}, english), 0.0);  // an empty document
}

TEST(ParagraphAlignment, AZeroHeightParagraphGivesItsTop) {
  const PaneGeometry doubled{{{"p1", 40}, {"p2", 240}, {"p2b", 240}}, 240, 500};
  EXPECT_EQ(PlaceAtTop(doubled).anchor, "p2b");
  const PaneGeometry collapsed{{{"p1", 40}, {"p2", 100}, {"p3", 100}}, 0, 300};
  EXPECT_EQ(AlignedScrollTop(Russian(340), collapsed), 100.0);
}

}  // namespace
}  // namespace orvelis
