#include "render/paragraph_markup.h"

#include "book/book_tables.h"
#include "ground/regex_engine.h"
#include "ground/text_replace.h"

namespace orvelis {

std::string PaperLabel(int paper, Language language) {
  if (paper == 0) return language == kEnglish ? "F" : "П";
  return std::to_string(paper);
}

std::string MarkParagraphs(RegexEngine& regex, const std::string& text, int page, Language language) {
  const std::string P = std::to_string(page);
  const std::string L = PaperLabel(PaperOfPage(page), language);
  // 1. Markers become anchors and paragraphs with their place in the book as tooltip.
  regex.SetPattern(R"re(\(\(([^:]*):([^:]*):([^:]*)\)\))re");
  std::string out = regex.ReplaceAll(text, "<a name=\"p$1\"></a><p title=\" " + P + ":$1 [" + L + ":$2:$3] \">");
  // 2. Headings (number 0) lose the first-line indent.
  out = ReplaceAllIgnoreCase(out, "<p title=\" " + P + ":0 [", "<p class=\"nind\" title=\" " + P + ":0 [");
  // 3. and 4. "_0" paragraphs keep the indent but show and anchor as paragraph 0.
  out = ReplaceAllIgnoreCase(out, "<p title=\" " + P + ":_0 [", "<p title=\" " + P + ":0 [");
  out = ReplaceAllIgnoreCase(out, "<a name=\"p_", "<a name=\"p");
  // 5. and 6. An author block right after a marker takes over the paragraph's tooltip.
  regex.SetPattern(R"re(<p title="([^"]*)">([^<])*<div class=(")?end_au(")? title="">)re");
  out = regex.ReplaceAll(out, "<div class=end_au title=\"$1\">");
  regex.SetPattern(R"re(<p title="([^"]*)">([^<])*<div title="" class=(")?end_au(")?>)re");
  out = regex.ReplaceAll(out, "<div class=end_au title=\"$1\">");
  return out;
}

std::string MarkTargetParagraph(RegexEngine& regex, const std::string& text, int paragraph) {
  regex.SetPattern("(<a name=\"p" + std::to_string(paragraph) + "\"></a><p)");
  return regex.ReplaceAll(text, "$1 style=\"color:blue\" ");
}

}  // namespace orvelis
