#pragma once
// The pseudo-links of the composed documents: what a navigation reported by a browser pane
// means. Markers are found by substring anywhere in the URL, since the browser reports relative
// links with a prefix ("orvelis://doc/1/@page12").

#include <optional>
#include <string>
#include <string_view>

namespace orvelis {

// What a reading pane (or header strip) does with a navigation.
struct ReadingLinkAction {
  enum Kind {
    Allow,       // not ours: the browser goes on (an in-page anchor, a blank document)
    Ignore,      // cancelled without effect
    SyncScroll,  // "^": keep the other pane at this pane's relative position
    Show         // cancelled; show `key` through the page locator with history
  } kind = Allow;
  std::string key;
};

// `pane` 1 or 2 (wbWeb1, wbWeb2). Header strips use StripLinkAction.
ReadingLinkAction ReadingPaneLinkAction(std::string_view url, int pane);
ReadingLinkAction StripLinkAction(std::string_view url);

// The key a navigation body ("doc007", "page12", "cont3") names, with numbers normalised
// ("doc7"); nullopt for a body that names nothing.
std::optional<std::string> KeyOfLinkBody(std::string_view body);

struct SearchLinkAction {
  enum Kind { Ignore, FlipSort, FlipGroup, ShowPaper, ShowPage, RunQuery } kind = Ignore;
  std::string key;     // "doc" + n or "page" + n
  int paragraph = -1;  // from "#p" in a page link
  bool scrollToParagraph = false;  // a "#" was present
  std::string query;               // of a suggested correction (RunQuery)
};
SearchLinkAction SearchPaneLinkAction(std::string_view url);

// Help and query-rules windows: "close" closes the window.
inline bool IsCloseLink(std::string_view url) { return url.find("close") != std::string_view::npos; }
// The favourites view follows nothing but its own blank document.
inline bool FavoritesViewAllows(std::string_view url) { return url == "about:blank"; }

// A percent-encoded URL as text ("%5E" -> "^"), so that the markers can be found.
std::string DecodedUrl(std::string_view url);

}  // namespace orvelis
