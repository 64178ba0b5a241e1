#pragma once
// The help page and the page of query rules: fixed documents composed with the stylesheet.

#include <string>
#include "ground/ui_text.h"

namespace orvelis {

inline constexpr const char* kHelpCaption = ORVELIS_TR_NOOP("Core", "Справка");
inline constexpr const char* kRulesCaption = ORVELIS_TR_NOOP("Core", "Правила написания запросов в строку поиска");
inline constexpr const char* kExampleColor = "#8484FF";

// The document of either window around its body text.
std::string HelpWindowDocument(const std::string& styleSheetHtml, const std::string& body);
std::string HelpText();
std::string RulesText();

}  // namespace orvelis
