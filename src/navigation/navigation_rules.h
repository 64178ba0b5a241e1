#pragma once
// The keys the navigation commands show, from the page now shown (0 when none is).

#include <optional>
#include <string>

namespace orvelis {

// The number in a key that contains "page" ("page12" -> 12); 0 for any other key.
int CurrentPageNumber(const std::string& currentKey);

std::optional<std::string> NextPageKey(int page);
std::optional<std::string> PrevPageKey(int page);
std::optional<std::string> NextDocKey(int page);
std::string PrevDocKey(int page);

}  // namespace orvelis
