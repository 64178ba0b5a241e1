#include "navigation/link_protocol.h"

#include "ground/query_link.h"

#include "book/book_key.h"
#include "ground/numeric_text.h"

namespace orvelis {
namespace {

bool Contains(std::string_view text, std::string_view marker) { return text.find(marker) != std::string_view::npos; }

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
  if (const auto key = ParseBookKey(body, kReadingLinkSyntax)) return FormatBookKey(*key);
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
  // First: a query may hold any of the other links' markers.
  if (auto query = QueryOfLink(url)) {
    action.kind = SearchLinkAction::RunQuery;
    action.query = std::move(*query);
    return action;
  }
  if (Contains(url, "^")) {
    action.kind = SearchLinkAction::FlipSort;
    return action;
  }
  if (Contains(url, "!")) {
    action.kind = SearchLinkAction::FlipGroup;
    return action;
  }
  if (!Contains(url, "@")) return {};
  const std::string_view body = BodyAfterAt(url);
  const auto hash = body.find('#');
  const auto key = ParseBookKey(body.substr(0, hash), kSearchLinkSyntax);
  if (!key) return action;
  if (key->kind == BookKeyKind::Paper) {
    if (hash != std::string_view::npos) return action;  // only a page link carries a paragraph
    action.kind = SearchLinkAction::ShowPaper;
    action.key = FormatBookKey(*key);
    return action;
  }
  if (hash != std::string_view::npos) {
    action.scrollToParagraph = true;
    if (const auto p = ParseRoundedInt16(body.substr(hash + 1))) action.paragraph = *p;
  }
  // A page before the first is the Foreword; the paragraph mark stays with it.
  action.kind = key->number < 1 ? SearchLinkAction::ShowPaper : SearchLinkAction::ShowPage;
  action.key = FormatBookKey(key->number < 1 ? BookKey{BookKeyKind::Paper, 0} : *key);
  return action;
}

}  // namespace orvelis
