#include "output/save_rules.h"

#include <string_view>

#include "ground/utf8.h"
#include "ground/html_escape.h"
#include "ground/regex_engine.h"

namespace orvelis {
namespace {

bool EndsWithIgnoringCase(const std::string& text, const std::string& suffix) {
  if (text.size() < suffix.size()) return false;
  return utf8::ToUpper(text.substr(text.size() - suffix.size())) == utf8::ToUpper(suffix);
}

}  // namespace

SaveName ChooseSaveName(const std::string& path, int typeIndex) {
  for (const char* ext : {"txt", "htm", "html", "pdf"}) {
    const std::string suffix = std::string(".") + ext;
    if (EndsWithIgnoringCase(path, suffix)) return {path.substr(0, path.size() - suffix.size()), ext};
  }
  return {path, typeIndex == 2 ? "txt" : typeIndex == 3 ? "pdf" : "htm"};
}

// The browser hands the body back on one line, so every expression is bounded by the element it
// removes ((?:(?!X)[\s\S]) is "any character, but never into X") instead of by line ends.
void CleanSavedHtml(RegexEngine& regex, std::string& html, SaveSource source) {
  const auto replace = [&](const char* pattern, const char* with) {
    if (regex.SetPattern(pattern)) html = regex.ReplaceAll(html, with);
  };
  if (source == SaveSource::Rules) {
    // The closing bar: a centred "@close" link, and the rules.
    replace(R"re(<center>\s*<a[^>]*@close[^>]*>(?:(?!</a>)[\s\S])*</a>\s*</center>)re", "");
    replace("<HR[^>]*>", "");
    return;
  }
  if (source == SaveSource::Search) {
    // The header above the results: the grouping link, the sort line and their two rules.
    replace(R"re(<a[^>]*href="!(?:un)?group"[^>]*>(?:(?!</a>)[\s\S])*</a>\s*(?:<br>)?\s*<hr[^>]*>(?:(?:(?!<hr)[\s\S])*<hr[^>]*>)?)re",
            "");
  }
  // Navigation cells: a cell that holds nothing but a pseudo-link around a picture (the arrows of
  // the bars). The cells with the Paper's title and the page number stay.
  replace(R"re(<td\b[^>]*>(?:\s|&nbsp;)*<a\b[^>]*href="@[^"]*"[^>]*>\s*<img\b[^>]*>\s*</a>(?:\s|&nbsp;)*</td>)re", "");
  replace(R"re(<a[^>]*>([^<]*)<\/a>)re", "<u>$1</u>");
}

std::string ProposedSaveName(const std::string& title) {
  std::string name = title;
  for (const std::string prefix : {"Книга Орвелис v ", "The ORVELIS Book v "}) {
    if (name.rfind(prefix, 0) != 0) continue;
    const auto dash = name.find(" - ");
    name = dash == std::string::npos ? std::string() : name.substr(dash + 3);
  }
  for (char& c : name) {
    if (std::string_view("/\\:*?\"<>|.").find(c) != std::string_view::npos || static_cast<unsigned char>(c) < 0x20) {
      c = '_';
    }
  }
  const auto first = name.find_first_not_of(" _");
  const auto last = name.find_last_not_of(" _");
  name = first == std::string::npos ? std::string() : name.substr(first, last - first + 1);
  return name.empty() ? "Документ" : name;
}

// `title` is the document's title as the browser reports it, i.e. text: a results page's title holds
// the typed query, so it is escaped before it goes back into markup.
std::string SavedHtml(RegexEngine& regex, const std::string& title, const std::string& bodyHtml, SaveSource source) {
  std::string html = "<HTML>\r\n<HEAD>\r\n<title>" + HtmlEscape(title) +
                     "</title>\r\n<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html;CHARSET=Windows-1251\">\r\n"
                     "</HEAD>\r\n<BODY" +
                     std::string(source == SaveSource::Search ? " style=\"padding: 5 5 5 5\"" : "") + ">\r\n" +
                     bodyHtml + "\r\n</BODY>\r\n</HTML>";
  CleanSavedHtml(regex, html, source);
  return html;
}

}  // namespace orvelis
