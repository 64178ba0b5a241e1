#include "words/glossary_page.h"

#include <cstdio>

#include "ground/html_escape.h"
#include "ground/ui_text.h"

namespace orvelis {
namespace {

// "((12:3:4))" -> "12": the paragraph number a page link scrolls to.
std::string ParagraphNumber(const std::string& marker) {
  std::string number;
  for (std::size_t i = 2; i < marker.size() && marker[i] != ':'; ++i) {
    if (marker[i] >= '0' && marker[i] <= '9') number += marker[i];
  }
  return number.empty() ? "0" : number;
}

}  // namespace

std::string GlossaryPageHtml(const std::string& word, Language from, const std::vector<GlossaryCandidate>& candidates) {
  std::string html = "<p><b>&laquo;" + HtmlEscape(word) + "&raquo;</b> " +
                     (from == kRussian ? Tr(ORVELIS_TR_NOOP("Core", "в английском тексте"))
                                       : Tr(ORVELIS_TR_NOOP("Core", "в русском тексте"))) +
                     "</p>";
  if (candidates.empty()) {
    return html + "<p>" + Tr(ORVELIS_TR_NOOP("Core", "Слово не встречается в абзацах, которые есть на обоих языках.")) +
           "</p>";
  }
  html += "<table cellspacing=\"0\" cellpadding=\"3\">";
  const std::string pageWord = Tr(ORVELIS_TR_NOOP("Core", "стр."));
  for (const GlossaryCandidate& candidate : candidates) {
    char score[16];
    std::snprintf(score, sizeof score, "%.2f", candidate.score);
    html += "<tr><td><b>" + HtmlEscape(candidate.word) + "</b></td><td align=\"right\">" + score +
            "</td><td align=\"right\">" + std::to_string(candidate.count) + "</td><td>";
    for (std::size_t i = 0; i < candidate.examples.size(); ++i) {
      const AlignedParagraph& example = candidate.examples[i];
      if (i > 0) html += ", ";
      html += "<a href=\"@page" + std::to_string(example.page) + "#" + ParagraphNumber(example.marker) + "\">" +
              pageWord + " " + std::to_string(example.page) + "</a>";
    }
    html += "</td></tr>";
  }
  return html + "</table><p><small>" +
         Tr(ORVELIS_TR_NOOP("Core", "Оценка: коэффициент Дайса по парам абзацев; число: пары, где есть оба слова.")) +
         "</small></p>";
}

}  // namespace orvelis
