#include "render/stylesheet.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "support/fixtures.h"
#include "ports/settings_store.h"

namespace orvelis {
namespace {

class StylesheetTest : public ::testing::Test {
 protected:
  std::string Build() {
    Stylesheet s("/u/");
    s.Apply(ReadFontSettings(settings));
    step = s.FontSizeStep();
    checkedSizeItem = s.SizeMenuIndex();
    return s.StyleSheetHtml();
  }
  MemorySettingsStore settings;
  int checkedSizeItem = -1;
  int step = 99;
};

// The style element as tests/fixtures/stylesheet.txt writes its two rule blocks, joined as the
// element joins them.
std::string ExpectedDefaultStyle() {
  const auto cases = test::FixtureCases("stylesheet.txt");
  return "<style>" + test::FixtureLines(cases, "screen: default settings, images in /u/") + "\r\n@media print{\r\n" +
         test::FixtureLines(cases, "print") + "\r\n}</style>";
}

TEST_F(StylesheetTest, DefaultsAreVerdana14pxInGreyThenThePrintOverridesJoinedWithCrLf) {
  EXPECT_EQ(Build(), ExpectedDefaultStyle());
  EXPECT_EQ(checkedSizeItem, 3);
  EXPECT_EQ(step, 0);
}

TEST_F(StylesheetTest, SizeStepsAreClampedAndNonNumbersAreTheDefault) {
  settings.Write("fsize", "9");
  EXPECT_NE(Build().find("font-size:28px; margin-left"), std::string::npos);
  EXPECT_EQ(step, 5);
  EXPECT_EQ(checkedSizeItem, 8);
  settings.Write("fsize", "-7");
  EXPECT_NE(Build().find("font-size:10px; margin-left"), std::string::npos);
  EXPECT_EQ(checkedSizeItem, 0);
  settings.Write("fsize", "big");
  EXPECT_NE(Build().find("font-size:14px; margin-left"), std::string::npos);
  settings.Write("fsize", "2.5");  // half to even
  Build();
  EXPECT_EQ(step, 2);
  settings.Write("fsize", "1,5");  // an old value written with a comma
  Build();
  EXPECT_EQ(step, 2);
}

// The screen rules' font sizes as tests/fixtures/stylesheet_sizes.txt writes them: for each rule
// that sets one, in stylesheet order, its size at every step from -3 to 5.
TEST_F(StylesheetTest, EveryColumnOfTheSizeTable) {
  std::vector<std::pair<std::string, std::string>> rows;  // selector, sizes so far
  std::string checked = "checked size item:";
  for (int s = -3; s <= 5; ++s) {
    settings.Write("fsize", std::to_string(s));
    const std::string html = Build();
    checked += " " + std::to_string(checkedSizeItem);
    const std::size_t open = html.find("<style>") + 7;
    const std::string screen = html.substr(open, html.find("\r\n@media print{") - open);
    std::size_t index = 0;
    std::size_t start = 0;
    for (std::size_t end; (end = screen.find('}', start)) != std::string::npos; start = end + 1) {
      const std::string rule = screen.substr(start, end - start);
      const std::size_t brace = rule.find('{');
      const std::size_t size = rule.find("font-size:", brace);
      if (brace == std::string::npos || size == std::string::npos) continue;
      const std::size_t first = rule.find_first_not_of("\r\n ");
      const std::string selector = rule.substr(first, rule.find_last_not_of(' ', brace - 1) + 1 - first);
      const std::string pixels = rule.substr(size + 10, rule.find("px", size) - size - 10);
      if (index == rows.size()) rows.emplace_back(selector, selector + ":");
      EXPECT_EQ(rows[index].first, selector) << s;
      rows[index++].second += " " + pixels;
    }
  }
  std::string table = checked + "\n";
  for (const auto& row : rows) table += row.second + "\n";
  const std::string expected = test::FixtureCases("stylesheet_sizes.txt").at("sizes");
  EXPECT_EQ(table, expected.substr(expected.find('\n') + 1));  // below the column heading
}

TEST_F(StylesheetTest, ColoursAreStoredBgrAndWrittenRgb) {
  EXPECT_EQ(ColorText(0x0000FF), "FF0000");
  EXPECT_EQ(ColorText(0x00FF00), "00FF00");
  EXPECT_EQ(ColorText(0xFF0000), "0000FF");
  EXPECT_EQ(ColorText(0x666666), "666666");
  EXPECT_EQ(ColorText(0xFF123456), "563412");
  settings.Write("fcol", "255");
  EXPECT_NE(Build().find("color:#FF0000}"), std::string::npos);
  settings.Write("fcol", "red");
  EXPECT_NE(Build().find("color:#666666}"), std::string::npos);
  settings.Write("fcol", "-1");
  EXPECT_NE(Build().find("color:#FFFFFF}"), std::string::npos);
}

TEST_F(StylesheetTest, TheFamilyGoesFirstInEveryFontList) {
  settings.Write("ffam", "Georgia");
  const std::string html = Build();
  EXPECT_NE(html.find("font-family:Georgia, Verdana, Arial, Helvetica, Tahoma;"), std::string::npos);
  EXPECT_EQ(html.find("font-family:Verdana"), std::string::npos);
}

}  // namespace
}  // namespace orvelis

namespace orvelis {
namespace {

TEST(CssFontFamily, PlainNamesStayAndOthersAreQuotedSoTheRuleSurvives) {
  EXPECT_EQ(CssFontFamily("Verdana"), "Verdana");
  EXPECT_EQ(CssFontFamily("DejaVu Sans"), "DejaVu Sans");
  EXPECT_EQ(CssFontFamily("Шрифт Мой"), "Шрифт Мой");
  EXPECT_EQ(CssFontFamily("3270 Narrow"), "\"3270 Narrow\"");
  EXPECT_EQ(CssFontFamily("Nimbus Sans [urw]"), "\"Nimbus Sans [urw]\"");
  EXPECT_EQ(CssFontFamily("Two  Blanks"), "\"Two  Blanks\"");
  EXPECT_EQ(CssFontFamily("x;} body{display:none"), "\"x;} body{display:none\"");
  EXPECT_EQ(CssFontFamily("a\"b\\c</style>"), "\"a\\\"b\\\\c/style\"");
}

}  // namespace
}  // namespace orvelis
