#include "ui/layout_rules.h"

#include <gtest/gtest.h>

namespace orvelis {
namespace {

TEST(LayoutRules, TheLeftSplitterKeepsBothSidesAtLeast2450Twips) {
  EXPECT_EQ(LeftSplitterPosition(1000, 12000), 2450);
  EXPECT_EQ(LeftSplitterPosition(5000, 12000), 5000);
  EXPECT_EQ(LeftSplitterPosition(9550, 12000), 9550);
  EXPECT_EQ(LeftSplitterPosition(11000, 12000), 9550);
  EXPECT_EQ(LeftSplitterPosition(4000, 4800), std::nullopt);  // narrower than 4900: it stays
  EXPECT_EQ(LeftSplitterPosition(1000, 4800), 2450);
}

TEST(LayoutRules, PaneSplittersAcceptTenToNinetyPercent) {
  EXPECT_EQ(PaneSplitRatio(50, 0, 1000), std::nullopt);
  EXPECT_DOUBLE_EQ(*PaneSplitRatio(100, 0, 1000), 0.1);
  EXPECT_DOUBLE_EQ(*PaneSplitRatio(900, 0, 1000), 0.9);
  EXPECT_EQ(PaneSplitRatio(901, 0, 1000), std::nullopt);
  EXPECT_EQ(ClampSplitRatio(0.05), 0.1);
  EXPECT_EQ(ClampSplitRatio(7), 0.9);
}

TEST(LayoutRules, OnePaneFillsTheReadingAreaAndNeverGoesBelow200) {
  PanesInput in;
  in.formWidth = 12000;
  in.formHeight = 9000;
  in.leftPanelShown = true;
  in.splitterLeft = 3000;
  in.splitterWidth = 60;
  PanesLayout out = LayoutPanes(in);
  EXPECT_EQ(out.web1, (TwipRect{3060, 0, 12000 - 3060 - 120, 9000 - 1240}));
  EXPECT_FALSE(out.web2Visible);
  in.leftPanelShown = false;
  EXPECT_EQ(LayoutPanes(in).web1.left, 0);
  in.formWidth = 100;
  in.formHeight = 100;
  out = LayoutPanes(in);
  EXPECT_EQ(out.web1.width, 200);
  EXPECT_EQ(out.web1.height, 200);
}

TEST(LayoutRules, StackedAndSideBySidePanesShareByTheRatio) {
  PanesInput in;
  in.formWidth = 10120;
  in.formHeight = 7240;  // W = 10000, H = 6000
  in.layoutMode = 21;
  in.splitRatioHor = 0.25;
  in.horSplitterHeight = 60;
  PanesLayout out = LayoutPanes(in);
  EXPECT_EQ(out.web1.height, 1470);
  EXPECT_EQ(out.web2.height, 6000 - 1470 - 30);
  EXPECT_EQ(out.web2.top, 1470 + 60);
  EXPECT_EQ(out.splitHor.top, 1470);
  EXPECT_TRUE(out.web2Visible && out.splitHorVisible && !out.splitVertVisible);
  in.layoutMode = 22;
  in.splitRatioVert = 0.5;
  in.vertSplitterWidth = 60;
  out = LayoutPanes(in);
  EXPECT_EQ(out.web1.width, 4970);
  EXPECT_EQ(out.web2.width, 10000 - 4970 - 30);
  EXPECT_EQ(out.web2.left, 4970 + 60);
  EXPECT_EQ(out.splitVert.left, 4970);
  EXPECT_EQ(out.web2.height, 6000);
}

TEST(LayoutRules, HeaderStripsTakeTheTableHeight) {
  const StripFit fixed = FitHeaderStrip(true, 60, 6000);
  EXPECT_TRUE(fixed.stripVisible);
  EXPECT_EQ(fixed.stripBrowserHeight, 70 + 900);
  EXPECT_EQ(fixed.stripContainerHeight, 900);
  EXPECT_EQ(fixed.paneBrowserTop, 870);
  EXPECT_EQ(fixed.paneBrowserHeight, 6000 - 870);
  // A header wrapping to a second line: the strip grows, the pane shrinks by the same amount.
  const StripFit taller = FitHeaderStrip(true, 80, 6000);
  EXPECT_EQ(taller.stripBrowserHeight - fixed.stripBrowserHeight, *fixed.paneBrowserHeight - *taller.paneBrowserHeight);
  const StripFit loose = FitHeaderStrip(false, 60, 6000);
  EXPECT_FALSE(loose.stripVisible);
  EXPECT_EQ(loose.paneBrowserTop, -30);
  EXPECT_EQ(loose.paneBrowserHeight, 6000);
}

}  // namespace
}  // namespace orvelis
