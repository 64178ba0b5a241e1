#pragma once
// The pieces both languages' help pages are made of.

#include <string>

#include "help/help_pages.h"

namespace orvelis {

inline constexpr const char* kOpening =
    "<table width=\"100%\" align=\"center\" cellpadding=\"3\" cellspacing=\"0\" border=\"0\">"
    "<tr><td width=\"100%\" class=\"add_not_txt\"><div align=\"justify\">";

// The link that closes the window, at the end of either page.
inline std::string CloseBar(HelpLanguage language) {
  const bool en = language == HelpLanguage::English;
  return std::string("<hr noshade size=\"1\"><center><a href=\"@close\" target=\"_self\" title=\"") +
         (en ? "Close the window" : "Закрыть окно") + "\"><b>" + (en ? "close the window" : "закрыть окно") +
         "</b></a></center>";
}

inline std::string Example(const std::string& query) {
  return "<center><i><font color=\"" + std::string(kExampleColor) + "\">" + query + "</font></i></center>";
}

inline std::string SymbolRow(const std::string& symbol, const std::string& explanation) {
  return "<tr><td width=\"10%\" align=\"center\" class=\"add_not_txt\"><b>" + symbol +
         "</b></td><td width=\"90%\" class=\"add_not_txt1\">" + explanation + "</td></tr>";
}

inline std::string Colored(const std::string& query) {
  return "<font color=\"" + std::string(kExampleColor) + "\"><i>" + query + "</i></font>";
}

// The pages in English (help_pages_en.cpp).
std::string EnglishHelpText();
std::string EnglishRulesText();

}  // namespace orvelis
