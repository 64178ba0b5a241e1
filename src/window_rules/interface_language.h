#pragma once
// The language of the interface (menus, dialogs, messages): Russian, the program's original, or
// English. The reader chooses it, or leaves it to the system; the book's language is another
// choice. A change applies at the next start, when the texts are loaded.

#include <string>
#include <string_view>

namespace orvelis {

enum class InterfaceChoice { System, Russian, English };

// The stored choice (setting::kInterfaceLanguage); an unknown value is the system's.
InterfaceChoice ParseInterfaceChoice(std::string_view value);
std::string InterfaceChoiceValue(InterfaceChoice choice);

// Whether the interface is Russian: the choice, or for the system's choice its first interface
// language ("ru", "ru-RU", "ru_UA.UTF-8" are Russian; "C", "en-US", "" are not).
bool InterfaceIsRussian(InterfaceChoice choice, std::string_view systemLanguage);

}  // namespace orvelis
