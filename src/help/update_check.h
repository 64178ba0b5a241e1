#pragma once
// The update check: the addresses on the program's web site and the reading of its reply.

#include <optional>
#include <string>

#include "ground/ui_text.h"

namespace orvelis {

class RegexEngine;
class SettingsStore;

inline constexpr const char* kUpdateCaption = ORVELIS_TR_NOOP("Core", "Автоматическое Обновление");
inline constexpr const char* kAutoCheckPath = "/book/local_ver/auto_chk.asp";
inline constexpr const char* kUpdatePath = "/book/local_ver/chk.asp";
inline constexpr const char* kForumPath = "/forum/";

struct VersionPair {
  int major = 0;
  int minor = 0;
};

// The site's address: the setting "site" when present, else the one the program was built with;
// empty when neither gives one, and then the program offers nothing that needs the site.
std::string WebSiteAddress(const SettingsStore& settings);

// The question to ask when the reply names a newer program or text; nullopt when it names
// neither (or nothing readable; "v=." counts as no version).
std::optional<std::string> UpdateQuestion(RegexEngine& regex, const std::string& reply, VersionPair app,
                                          VersionPair text);

std::string UpdatePageAddress(const std::string& site, VersionPair app, VersionPair text);

}  // namespace orvelis
