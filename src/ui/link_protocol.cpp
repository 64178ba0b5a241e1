#include "ui/link_protocol.h"

#include <charconv>
#include <climits>

#include "ui/numeric_text.h"

namespace orvelis {
namespace {

bool Contains(std::string_view text, std::string_view marker) { return text.find(marker) != std::string_view::npos; }

// A link number: decimal digits within 16 bits (leading zeros vanish); anything else is no number.
std::optional<int> LinkNumber(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  int n = 0;
  const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
  if (ec != std::errc() || ptr != digits.data() + digits.size() || n < SHRT_MIN || n > SHRT_MAX) return std::nullopt;
  return n;
}

std::string_view BodyAfterAt(std::string_view url) { return url.substr(url.find('@') + 1); }

}  // namespace

std::string DecodedUrl(std::string_view url) {
  std::string out;
  out.reserve(url.size());
  const auto hex = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  for (std::size_t i = 0; i < url.size(); ++i) {
    if (url[i] == '%' && i + 2 < url.size() && hex(url[i + 1]) >= 0 && hex(url[i + 2]) >= 0) {
      out.push_back(static_cast<char>(hex(url[i + 1]) * 16 + hex(url[i + 2])));
      i += 2;
    } else {
      out.push_back(url[i]);
    }
  }
  return out;
}

std::optional<std::string> KeyOfLinkBody(std::string_view body) {
  if (body.substr(0, 3) == "doc") {
    if (const auto n = LinkNumber(body.substr(3)); n && *n >= 0) return "doc" + std::to_string(*n);
    return std::nullopt;
  }
  if (body.substr(0, 4) == "page") {
    if (const auto n = LinkNumber(body.substr(4)); n && *n >= 1) return "page" + std::to_string(*n);
    return std::nullopt;
  }
  // "cont", "cont0" .. "cont4": the keys of the book tree's contents nodes.
  if (body == "cont" || (body.size() == 5 && body.substr(0, 4) == "cont" && body[4] >= '0' && body[4] <= '4')) {
    return std::string(body);
  }
  return std::nullopt;
}

ReadingLinkAction ReadingPaneLinkAction(std::string_view url, int pane) {
  if (pane == 2 && Contains(url, "^")) return {ReadingLinkAction::SyncScroll, {}};
  if (Contains(url, "#")) return {ReadingLinkAction::Allow, {}};
  if (Contains(url, "^")) return {ReadingLinkAction::SyncScroll, {}};
  if (Contains(url, "@")) {
    if (auto key = KeyOfLinkBody(BodyAfterAt(url))) return {ReadingLinkAction::Show, std::move(*key)};
    return {ReadingLinkAction::Ignore, {}};
  }
  return {ReadingLinkAction::Allow, {}};
}

ReadingLinkAction StripLinkAction(std::string_view url) {
  if (!Contains(url, "@")) return {ReadingLinkAction::Allow, {}};
  return ReadingPaneLinkAction(url, 1);
}

SearchLinkAction SearchPaneLinkAction(std::string_view url) {
  SearchLinkAction action;
  if (Contains(url, "^")) {
    action.kind = SearchLinkAction::FlipSort;
    return action;
  }
  if (Contains(url, "!")) {
    action.kind = SearchLinkAction::FlipGroup;
    return action;
  }
  if (!Contains(url, "@")) return {};
  std::string_view body = BodyAfterAt(url);
  if (body.substr(0, 3) == "doc") {
    if (const auto n = LinkNumber(body.substr(3))) {
      action.kind = SearchLinkAction::ShowPaper;
      action.key = "doc" + std::to_string(*n);
    }
    return action;
  }
  if (body.substr(0, 4) != "page") return action;
  action.kind = SearchLinkAction::ShowPage;
  if (const auto hash = body.find('#'); hash != std::string_view::npos) {
    action.scrollToParagraph = true;
    if (const auto p = ParseRoundedInt16(body.substr(hash + 1))) action.paragraph = *p;
    body = body.substr(0, hash);
  }
  const auto n = LinkNumber(body.substr(4));
  if (!n) return SearchLinkAction{};
  if (*n < 1) {
    action.kind = SearchLinkAction::ShowPaper;
    action.key = "doc0";
    return action;
  }
  action.key = "page" + std::to_string(*n);
  return action;
}

}  // namespace orvelis
