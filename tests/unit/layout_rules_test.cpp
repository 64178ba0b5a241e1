#include "window_rules/layout_rules.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "support/fixtures.h"

namespace orvelis {
namespace {

// Every section of tests/fixtures/layout_rules.txt is a table of "inputs => outputs" lines. The
// tests read each line's inputs, run the rule and write the outputs in the same form, so a section
// is compared whole with the outcomes worked out by hand.
std::string Replay(const std::string& section, const std::function<std::string(std::istringstream&)>& rule) {
  std::istringstream lines(section);
  std::string text;
  for (std::string line; std::getline(lines, line);) {
    const std::size_t arrow = line.find(" => ");
    if (line.empty() || line[0] == '#' || arrow == std::string::npos) {
      text += line + "\n";
      continue;
    }
    std::istringstream inputs(line.substr(0, arrow));
    text += line.substr(0, arrow) + " => " + rule(inputs) + "\n";
  }
  return text;
}

std::string Number(double value) {
  std::ostringstream s;
  s << value;
  return s.str();
}

std::string Rect(const TwipRect& r) {
  return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.width) + " " +
         std::to_string(r.height);
}

class LayoutRules : public ::testing::Test {
 protected:
  void Check(const std::string& section, const std::function<std::string(std::istringstream&)>& rule) {
    ASSERT_TRUE(expected.count(section)) << section;
    EXPECT_EQ(Replay(expected.at(section), rule), expected.at(section));
  }
  const std::map<std::string, std::string> expected = test::FixtureCases("layout_rules.txt");
};

TEST_F(LayoutRules, TheLeftSplitterKeepsBothSidesAtLeast2450Twips) {
  Check("left splitter", [](std::istringstream& in) {
    int pointer = 0, formWidth = 0;
    in >> pointer >> formWidth;
    const auto left = LeftSplitterPosition(pointer, formWidth);
    return left ? std::to_string(*left) : std::string("stays");
  });
}

TEST_F(LayoutRules, PaneSplittersAcceptTenToNinetyPercent) {
  Check("pane splitter", [](std::istringstream& in) {
    double pointer = 0, paneStart = 0, extent = 0;
    in >> pointer >> paneStart >> extent;
    const auto ratio = PaneSplitRatio(pointer, paneStart, extent);
    return ratio ? Number(*ratio) : std::string("unchanged");
  });
  Check("kept ratio", [](std::istringstream& in) {
    double stored = 0;
    in >> stored;
    return Number(ClampSplitRatio(stored));
  });
}

TEST_F(LayoutRules, PanesShareTheReadingAreaByTheRatioAndNeverGoBelow200) {
  Check("panes", [](std::istringstream& in) {
    PanesInput p;
    std::string splitter;
    double ratio = 0;
    int bar = 0;
    in >> p.formWidth >> p.formHeight >> splitter >> p.layoutMode >> ratio >> bar >> p.panesTop;
    if (splitter != "none") {
      p.leftPanelShown = true;
      p.splitterLeft = std::stoi(splitter.substr(0, splitter.find('+')));
      p.splitterWidth = std::stoi(splitter.substr(splitter.find('+') + 1));
    }
    p.splitRatioHor = p.splitRatioVert = ratio;
    p.horSplitterHeight = p.vertSplitterWidth = bar;
    const PanesLayout out = LayoutPanes(p);
    return Rect(out.web1) + "; " + (out.web2Visible ? Rect(out.web2) : "-") + "; " +
           (out.splitHorVisible ? Rect(out.splitHor) : "-") + "; " + (out.splitVertVisible ? Rect(out.splitVert) : "-");
  });
}

TEST_F(LayoutRules, HeaderStripsTakeTheTableHeightAndThePaneTheRest) {
  Check("header strip", [](std::istringstream& in) {
    std::string mode;
    int tablePixels = 0, container = 0;
    in >> mode >> tablePixels >> container;
    const StripFit fit = FitHeaderStrip(mode == "fixed", tablePixels, container);
    return (fit.stripVisible ? std::to_string(fit.stripBrowserHeight) + " " + std::to_string(fit.stripContainerHeight)
                             : std::string("hidden")) +
           "; " + std::to_string(fit.paneBrowserTop) + "; " +
           (fit.paneBrowserHeight ? std::to_string(*fit.paneBrowserHeight) : std::string("-"));
  });
}

TEST(Twips, FifteenToAPixelAndPartPixelsAreDropped) {
  EXPECT_EQ(PixelsToTwips(80), 1200);
  EXPECT_EQ(PixelsToTwips(-8), -120);  // a window on a screen left of the main one
  EXPECT_EQ(TwipsToPixels(1200), 80);
  EXPECT_EQ(TwipsToPixels(1214), 80);
  EXPECT_EQ(TwipsToPixels(-29), -1);  // towards zero, as stored placements always were read
  EXPECT_EQ(TwipsToPixels(2147483647LL), 143165576);  // the largest stored value still fits
}

}  // namespace
}  // namespace orvelis
