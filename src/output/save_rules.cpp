#include "output/save_rules.h"

#include "book/utf8.h"
#include "render/regex_engine.h"

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

void CleanSavedHtml(RegexEngine& regex, std::string& html, SaveSource source) {
  const auto replace = [&](const char* pattern, const char* with) {
    if (regex.SetPattern(pattern)) html = regex.ReplaceAll(html, with);
  };
  if (source == SaveSource::Rules) {
    replace("<CENTER><a.*@close.*</center>", "");
    replace("<HR[^>]*>", "");
    return;
  }
  replace(R"re((<td.*@.*img.*<\/td>))re", "");
  replace(R"re(<a[^>]*>([^<]*)<\/a>)re", "<u>$1</u>");
  if (source == SaveSource::Search) replace(R"re(<a.*\n<HR[^>]*>)re", "");
}

std::string SavedHtml(RegexEngine& regex, const std::string& title, const std::string& bodyHtml, SaveSource source) {
  std::string html = "<HTML>\r\n<HEAD>\r\n<title>" + title +
                     "</title>\r\n<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html;CHARSET=Windows-1251\">\r\n"
                     "</HEAD>\r\n<BODY" +
                     std::string(source == SaveSource::Search ? " style=\"padding: 5 5 5 5\"" : "") + ">\r\n" +
                     bodyHtml + "\r\n</BODY>\r\n</HTML>";
  CleanSavedHtml(regex, html, source);
  return html;
}

}  // namespace orvelis
