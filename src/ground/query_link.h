#pragma once
// A link on the results page that runs a query (a suggested correction). The query travels as
// the hexadecimal digits of its UTF-8 bytes, so no character of it can be read as one of the
// page's other link markers or be changed by the browser's URL handling.

#include <optional>
#include <string>
#include <string_view>

namespace orvelis {

inline constexpr std::string_view kQueryLinkMarker = "~query~";

std::string QueryLink(std::string_view query);
// The query of a URL holding a query link, or nothing.
std::optional<std::string> QueryOfLink(std::string_view url);

}  // namespace orvelis
