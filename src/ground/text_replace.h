#pragma once
// Plain (non-pattern) text replacement, the two flavours the composition rules use.

#include <string>
#include <string_view>

namespace orvelis {

// Every occurrence, case-sensitive, left to right, no rescanning of inserted text.
void ReplaceAllExact(std::string& text, std::string_view from, std::string_view to);

// Every occurrence, ignoring ASCII and Cyrillic case.
std::string ReplaceAllIgnoreCase(std::string_view text, std::string_view from, std::string_view to);

// Position of `needle` in `haystack` from `start`, ignoring ASCII and Cyrillic case; npos if none.
std::size_t FindIgnoreCase(std::string_view haystack, std::string_view needle, std::size_t start = 0);

}  // namespace orvelis
