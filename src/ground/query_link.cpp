#include "ground/query_link.h"

namespace orvelis {

std::string QueryLink(std::string_view query) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string link(kQueryLinkMarker);
  for (const char c : query) {
    const auto byte = static_cast<unsigned char>(c);
    link += kDigits[byte >> 4];
    link += kDigits[byte & 15];
  }
  return link;
}

std::optional<std::string> QueryOfLink(std::string_view url) {
  const std::size_t at = url.find(kQueryLinkMarker);
  if (at == std::string_view::npos) return std::nullopt;
  const std::string_view digits = url.substr(at + kQueryLinkMarker.size());
  const auto value = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  std::string query;
  for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
    const int high = value(digits[i]), low = value(digits[i + 1]);
    if (high < 0 || low < 0) break;  // the link ends where its digits do
    query += static_cast<char>(high * 16 + low);
  }
  if (query.empty()) return std::nullopt;
  return query;
}

}  // namespace orvelis
