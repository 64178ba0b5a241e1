#include "window_rules/interface_language.h"

namespace orvelis {

InterfaceChoice ParseInterfaceChoice(std::string_view value) {
  if (value == "ru") return InterfaceChoice::Russian;
  if (value == "en") return InterfaceChoice::English;
  return InterfaceChoice::System;
}

std::string InterfaceChoiceValue(InterfaceChoice choice) {
  switch (choice) {
    case InterfaceChoice::Russian:
      return "ru";
    case InterfaceChoice::English:
      return "en";
    case InterfaceChoice::System:
      break;
  }
  return "";
}

bool InterfaceIsRussian(InterfaceChoice choice, std::string_view systemLanguage) {
  if (choice != InterfaceChoice::System) return choice == InterfaceChoice::Russian;
  if (systemLanguage.size() < 2) return false;
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  if (lower(systemLanguage[0]) != 'r' || lower(systemLanguage[1]) != 'u') return false;
  // "ru" itself, or followed by a region, script or encoding; not another language beginning "ru".
  return systemLanguage.size() == 2 || systemLanguage[2] == '-' || systemLanguage[2] == '_' ||
         systemLanguage[2] == '.' || systemLanguage[2] == '@';
}

}  // namespace orvelis
