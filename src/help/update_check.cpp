#include "help/update_check.h"

#include <charconv>

#include "ground/regex_engine.h"
#include "ground/ui_text.h"
#include "ports/setting_names.h"
#include "ports/settings_store.h"

#ifndef ORVELIS_WEB_SITE
#define ORVELIS_WEB_SITE ""
#endif

namespace orvelis {
namespace {

std::string Trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

// The first match of "x=(\d*)\.(\d*)", when both parts are numbers.
std::optional<VersionPair> VersionIn(RegexEngine& regex, const std::string& reply, const char* pattern) {
  regex.SetPattern(pattern);
  const auto matches = regex.Execute(reply);
  if (matches.empty()) return std::nullopt;
  VersionPair v;
  const auto number = [&](const RegexMatch::Group& g, int& out) {
    if (!g.set || g.length == 0) return false;
    const char* begin = reply.data() + g.position;
    return std::from_chars(begin, begin + g.length, out).ec == std::errc();
  };
  if (!number(matches[0].groups[0], v.major) || !number(matches[0].groups[1], v.minor)) return std::nullopt;
  return v;
}

}  // namespace

std::string WebSiteAddress(const SettingsStore& settings) {
  std::string site = settings.Read(setting::kWebSite);
  if (site.empty()) site = ORVELIS_WEB_SITE;
  while (!site.empty() && site.back() == '/') site.pop_back();
  return site;
}

std::optional<std::string> UpdateQuestion(RegexEngine& regex, const std::string& rawReply, VersionPair app,
                                          VersionPair text) {
  const std::string reply = Trimmed(rawReply);
  if (reply.empty()) return std::nullopt;
  const VersionPair newApp = VersionIn(regex, reply, R"(v=(\d*)\.(\d*))").value_or(VersionPair{});
  const VersionPair newText = VersionIn(regex, reply, R"(t=(\d*)\.(\d*))").value_or(VersionPair{});
  const bool appNewer = newApp.major > app.major || (newApp.major == app.major && newApp.minor > app.minor);
  const bool textNewer = newText.major > text.major || (newText.minor > text.minor && newText.major >= text.major);
  if (!appNewer && !textNewer) return std::nullopt;
  std::string message;
  if (appNewer) {
    message = Tr(ORVELIS_TR_NOOP("Core", "Доступна новая версия приложения - %1.%2     "),
                 {std::to_string(newApp.major), std::to_string(newApp.minor)});
  }
  if (textNewer) {
    if (!message.empty()) message += "\r\n";
    message += Tr(ORVELIS_TR_NOOP("Core", "Доступна новая версия текста книги - %1.%2     "),
                  {std::to_string(newText.major), std::to_string(newText.minor)});
  }
  return message + "\r\n\r\n" + Tr(ORVELIS_TR_NOOP("Core", "Перейти на сайт обновлений ?"));
}

std::string UpdatePageAddress(const std::string& site, VersionPair app, VersionPair text) {
  return site + kUpdatePath + "?v=" + std::to_string(app.major) + "." + std::to_string(app.minor) + "&t=" +
         std::to_string(text.major) + "." + std::to_string(text.minor);
}

}  // namespace orvelis
