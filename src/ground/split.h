#pragma once
// Splitting a text at every occurrence of a separator (empty pieces kept), as the section lists
// and the contents pages read them.

#include <string_view>
#include <vector>

namespace orvelis {

inline std::vector<std::string_view> Split(std::string_view text, std::string_view separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != std::string_view::npos; start = at + separator.size()) {
    parts.push_back(text.substr(start, at - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

}  // namespace orvelis
