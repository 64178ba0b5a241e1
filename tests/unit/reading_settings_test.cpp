#include "window_rules/reading_settings.h"

#include <gtest/gtest.h>

#include "navigation/navigation_rules.h"
#include "ports/settings_store.h"

namespace orvelis {
namespace {

TEST(ReadingSettings, AFirstRunGivesEveryDefault) {
  MemorySettingsStore empty;
  const ReadingSettings r = LoadReadingSettings(empty);
  EXPECT_EQ(r.language, kRussian);
  EXPECT_EQ(r.layoutMode, 20);
  EXPECT_EQ(r.leftPanel, 0);
  EXPECT_FALSE(r.syncScroll);
  EXPECT_FALSE(r.syncByParagraph);  // the ratio stays the default
  EXPECT_FALSE(r.fixedHeaders);
  EXPECT_EQ(r.splitRatioHor, 0.5);
  EXPECT_EQ(r.splitRatioVert, 0.5);
  EXPECT_EQ(r.panelWidth[1], 3000);
  EXPECT_EQ(r.panelWidth[3], 3000);
  EXPECT_TRUE(r.autoUpdateCheck);
  EXPECT_FALSE(r.window.state.has_value());
  EXPECT_EQ(RestoreTreeState(empty).selectedKey, "book");
  EXPECT_EQ(RestoreTreeState(empty).bookExpanded, true);
}

TEST(ReadingSettings, BadStoredValuesReadAsTheRulesSay) {
  MemorySettingsStore s;
  s.Write("swhp", "0.05");
  s.Write("swvp", "0,95");
  s.Write("mw_p", "7");
  s.Write("lang", "2");
  s.Write("tb_s", "9");
  s.Write("sord", "3");
  s.Write("wt", "abc");
  s.Write("1lwdh", "wide");
  s.Write("achu", "0");
  const ReadingSettings r = LoadReadingSettings(s);
  EXPECT_EQ(r.splitRatioHor, 0.1);
  EXPECT_EQ(r.splitRatioVert, 0.9);
  EXPECT_EQ(r.layoutMode, 20);
  EXPECT_EQ(r.language, kRussian);
  EXPECT_EQ(r.leftPanel, 0);
  EXPECT_EQ(r.sortByRating, 0);
  EXPECT_FALSE(r.window.top.has_value());
  EXPECT_EQ(r.panelWidth[1], 3000);
  EXPECT_FALSE(r.autoUpdateCheck);
}

TEST(ReadingSettings, EveryValueRoundTripsAndAMaximisedWindowKeepsItsNormalPlace) {
  ReadingSettings r;
  r.window = {2, 100, 200, 9000, 7000};
  r.panelWidth = {0, 3100, 5000.5, 2800};
  r.leftPanel = 2;
  r.fixedHeaders = r.syncScroll = r.syncByParagraph = r.groupResults = r.favoritesViewShown = true;
  r.layoutMode = 23;  // the parallel text
  r.splitRatioHor = 0.35;
  r.splitRatioVert = 0.7;
  r.language = kEnglish;
  r.sortByRating = 1;
  r.favoritesNode = "d_2_1";
  r.autoUpdateCheck = false;
  MemorySettingsStore s;
  s.Write("wt", "1");
  SaveReadingSettings(s, r, /*windowNormal=*/false);
  EXPECT_EQ(s.Read("wt"), "1");
  EXPECT_EQ(s.Read("ws"), "2");
  EXPECT_EQ(s.Read("swhp"), "0.35");
  EXPECT_EQ(s.Read("snc"), "1");
  EXPECT_EQ(s.Read("sncp"), "1");
  const ReadingSettings back = LoadReadingSettings(s);
  EXPECT_EQ(back.panelWidth, r.panelWidth);
  EXPECT_EQ(back.leftPanel, 2);
  EXPECT_TRUE(back.fixedHeaders && back.syncScroll && back.syncByParagraph && back.groupResults &&
              back.favoritesViewShown);
  EXPECT_EQ(back.layoutMode, 23);
  EXPECT_EQ(back.splitRatioHor, 0.35);
  EXPECT_EQ(back.splitRatioVert, 0.7);
  EXPECT_EQ(back.language, kEnglish);
  EXPECT_EQ(back.sortByRating, 1);
  EXPECT_EQ(back.favoritesNode, "d_2_1");
  EXPECT_FALSE(back.autoUpdateCheck);
  SaveReadingSettings(s, r, /*windowNormal=*/true);
  EXPECT_EQ(LoadReadingSettings(s).window.top, 100);
}

TEST(ReadingSettings, TreeStateRoundTrips) {
  MemorySettingsStore s;
  BookTreeState state{"page135", true, false, {1, 3}, {0, 12}};
  SaveTreeState(s, state);
  EXPECT_EQ(s.Read("b_exp"), "-1");
  EXPECT_EQ(s.Read("c_exp"), "0");
  EXPECT_EQ(s.Read("p_exp"), "1,3");
  EXPECT_EQ(s.Read("d_exp"), "0,12");
  const BookTreeState back = RestoreTreeState(s);
  EXPECT_EQ(back.selectedKey, "page135");
  EXPECT_EQ(back.bookExpanded, true);
  EXPECT_EQ(back.contExpanded, false);
  EXPECT_EQ(back.expandedParts, (std::set<int>{1, 3}));
  EXPECT_EQ(back.expandedPapers, (std::set<int>{0, 12}));
  s.Write("b_exp", "junk");
  EXPECT_FALSE(RestoreTreeState(s).bookExpanded.has_value());
}

TEST(ReadingSettings, AHelpWindowKeepsItsPlacementUnderItsOwnNames) {
  MemorySettingsStore s;
  s.Write("hswt", "150");
  s.Write("hswl", "x");
  s.Write("hsww", "9000");
  s.Write("hswh", "6000");
  s.Write("hsws", "2");
  const WindowPlacement w = LoadWindowPlacement(s, setting::kHelpWindowPlacement);
  EXPECT_EQ(w.top, 150);
  EXPECT_FALSE(w.left.has_value());
  EXPECT_EQ(w.width, 9000);
  EXPECT_EQ(w.height, 6000);
  EXPECT_EQ(w.state, 2);
  EXPECT_FALSE(LoadWindowPlacement(s, setting::kRulesWindowPlacement).state.has_value());
  // Maximised: the normal place stays as it was, only the state is written.
  SaveWindowPlacement(s, setting::kRulesWindowPlacement, {2, 1, 2, 3, 4}, false);
  EXPECT_EQ(s.Read("sws"), "2");
  EXPECT_EQ(s.Read("swt"), "");
  SaveWindowPlacement(s, setting::kRulesWindowPlacement, {0, 1, 2, 3, 4}, true);
  EXPECT_EQ(s.Read("swt") + s.Read("swl") + s.Read("sww") + s.Read("swh") + s.Read("sws"), "12340");
  EXPECT_EQ(s.Read("ws"), "");
}

TEST(NavigationRules, NextAndPreviousPagesAndPapers) {
  EXPECT_EQ(CurrentPageNumber("page135"), 135);
  EXPECT_EQ(CurrentPageNumber("doc5"), 0);
  EXPECT_EQ(NextPageKey(0), "page1");
  EXPECT_EQ(NextPageKey(2097), std::nullopt);
  EXPECT_EQ(PrevPageKey(1), "cont");
  EXPECT_EQ(PrevPageKey(0), std::nullopt);
  EXPECT_EQ(PrevPageKey(12), "page11");
  EXPECT_EQ(NextDocKey(5), "page19");    // Foreword -> Paper 1's opening pages
  EXPECT_EQ(NextDocKey(2090), std::nullopt);
  EXPECT_EQ(PrevDocKey(5), "cont");
  EXPECT_EQ(PrevDocKey(25), "page1");
  EXPECT_EQ(PrevDocKey(40), "page19");  // Paper 2 -> Paper 1
}

}  // namespace
}  // namespace orvelis
