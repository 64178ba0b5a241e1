#include "render/paragraph_markup.h"

#include <gtest/gtest.h>

#include "ground/regex_engine.h"

namespace orvelis {
namespace {

class Markup : public ::testing::Test {
 protected:
  RegexEngine regex;
};

TEST_F(Markup, APageWithoutMarkersPassesUnchanged) {
  const std::string text = "plain <b>text</b> with (brackets) and ((only:two)) fields";
  EXPECT_EQ(MarkParagraphs(regex, text, 135, kRussian), text);
}

TEST_F(Markup, MarkersBecomeAnchorsAndParagraphsWithTheirPlaceAsTooltip) {
  EXPECT_EQ(MarkParagraphs(regex, "((4:3:1))Text", 135, kEnglish),
            "<a name=\"p4\"></a><p title=\" 135:4 [12:3:1] \">Text");
  EXPECT_EQ(MarkParagraphs(regex, "((3:0:3))x", 2, kEnglish), "<a name=\"p3\"></a><p title=\" 2:3 [F:0:3] \">x");
  EXPECT_EQ(MarkParagraphs(regex, "((3:0:3))x", 2, kRussian), "<a name=\"p3\"></a><p title=\" 2:3 [П:0:3] \">x");
  EXPECT_EQ(MarkParagraphs(regex, "((1:2))", 2, kRussian), "((1:2))");
}

TEST_F(Markup, HeadingsLoseTheIndentAndUnderscoreZeroKeepsIt) {
  EXPECT_EQ(MarkParagraphs(regex, "((0:12:0))H", 135, kEnglish),
            "<a name=\"p0\"></a><p class=\"nind\" title=\" 135:0 [12:12:0] \">H");
  EXPECT_EQ(MarkParagraphs(regex, "((_0:12:0))H", 135, kEnglish),
            "<a name=\"p0\"></a><p title=\" 135:0 [12:12:0] \">H");
}

TEST_F(Markup, AnAuthorBlockTakesOverTheParagraphTooltipInBothAttributeOrders) {
  const std::string expected = "<a name=\"p7\"></a><div class=end_au title=\" 135:7 [12:1:7] \">By</div>";
  for (const char* block : {"<div class=\"end_au\" title=\"\">", "<div class=end_au title=\"\">",
                            "<div title=\"\" class=\"end_au\">", "<div title=\"\" class=end_au>"}) {
    EXPECT_EQ(MarkParagraphs(regex, std::string("((7:1:7))\r\n ") + block + "By</div>", 135, kEnglish), expected)
        << block;
  }
  // A heading right before an author block keeps its own form.
  const std::string heading = MarkParagraphs(regex, "((0:1:0))<div class=end_au title=\"\">By</div>", 135, kEnglish);
  EXPECT_NE(heading.find("<p class=\"nind\""), std::string::npos);
}

TEST_F(Markup, TheTargetParagraphTurnsBlueWithoutTouchingSimilarNumbers) {
  const std::string page = MarkParagraphs(regex, "((1:1:1))a((12:1:2))b((120:1:3))c", 135, kEnglish);
  const std::string marked = MarkTargetParagraph(regex, page, 12);
  EXPECT_NE(marked.find("<a name=\"p12\"></a><p style=\"color:blue\"  title=\" 135:12 [12:1:2] \">b"),
            std::string::npos)
      << marked;
  EXPECT_NE(marked.find("<a name=\"p1\"></a><p title="), std::string::npos);
  EXPECT_NE(marked.find("<a name=\"p120\"></a><p title="), std::string::npos);
}

TEST_F(Markup, ParagraphZeroMarksEveryHeading) {
  const std::string page = MarkParagraphs(regex, "((0:1:0))a((_0:1:0))b", 135, kEnglish);
  const std::string marked = MarkTargetParagraph(regex, page, 0);
  EXPECT_EQ(marked,
            "<a name=\"p0\"></a><p style=\"color:blue\"  class=\"nind\" title=\" 135:0 [12:1:0] \">a"
            "<a name=\"p0\"></a><p style=\"color:blue\"  title=\" 135:0 [12:1:0] \">b");
}

}  // namespace
}  // namespace orvelis
