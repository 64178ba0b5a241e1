#pragma once
// The help page and the page of query rules: fixed documents composed with the stylesheet.

#include <string>

#include "ground/ui_text.h"

namespace orvelis {

inline constexpr const char* kHelpCaption = ORVELIS_TR_NOOP("Core", "Справка");
inline constexpr const char* kRulesCaption = ORVELIS_TR_NOOP("Core", "Правила написания запросов в строку поиска");
inline constexpr const char* kExampleColor = "#8484FF";

// The pages follow the interface's language; the Russian ones are the originals.
enum class HelpLanguage { Russian, English };

// The document of either window around its body text.
std::string HelpWindowDocument(const std::string& styleSheetHtml, const std::string& body,
                               HelpLanguage language = HelpLanguage::Russian);
std::string HelpText(HelpLanguage language = HelpLanguage::Russian);
std::string RulesText(HelpLanguage language = HelpLanguage::Russian);

}  // namespace orvelis
