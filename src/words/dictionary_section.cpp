#include "words/dictionary_section.h"

#include "ground/html_escape.h"
#include "ground/ui_text.h"

namespace orvelis {

std::string DictionarySectionHtml(const InstalledDictionary& where, DictdDictionary& dictionary,
                                  DictionaryResult& opened, bool& tried, const std::string& word) {
  const std::string title = "<p><b>" + Tr(ORVELIS_TR_NOOP("Core", "Словарь")) + "</b></p>";
  if (!where.present) return title + "<p><i>" + HtmlEscape(where.missingMessage) + "</i></p><hr>";
  if (!tried) {
    tried = true;
    opened = dictionary.Open(where.index, where.data);
  }
  if (!opened) return title + "<p><i>" + HtmlEscape(opened.message) + "</i></p><hr>";
  const DictionaryLookup found = dictionary.Lookup(word);
  std::string html = title;
  for (const std::string& definition : found.definitions) {
    html += "<pre style=\"white-space:pre-wrap\">" + HtmlEscape(definition) + "</pre>";
  }
  if (!found.error.empty()) html += "<p><i>" + HtmlEscape(found.error) + "</i></p>";
  if (found.definitions.empty() && found.error.empty()) {
    html +=
        "<p><i>" + Tr(ORVELIS_TR_NOOP("Core", "В словаре нет слова &laquo;%1&raquo;"), {HtmlEscape(word)}) + "</i></p>";
  }
  return html + "<hr>";
}

}  // namespace orvelis
