#include "render/parallel_page.h"

#include <map>

namespace orvelis {
namespace {

// A marker is "((" three colon-separated fields "))" with no parenthesis inside.
std::size_t MarkerEnd(const std::string& text, std::size_t at) {
  const std::size_t close = text.find("))", at + 2);
  if (close == std::string::npos) return std::string::npos;
  int colons = 0;
  for (std::size_t i = at + 2; i < close; ++i) {
    if (text[i] == '(' || text[i] == ')' || text[i] == '\n') return std::string::npos;
    if (text[i] == ':') ++colons;
  }
  return colons == 2 ? close + 2 : std::string::npos;
}

}  // namespace

std::vector<PageSegment> SplitAtMarkers(const std::string& pageText) {
  std::vector<PageSegment> segments;
  std::size_t start = 0;
  std::string marker;
  for (std::size_t at = pageText.find("(("); at != std::string::npos; at = pageText.find("((", at + 1)) {
    const std::size_t end = MarkerEnd(pageText, at);
    if (end == std::string::npos) continue;
    if (at > start || !marker.empty()) segments.push_back({marker, pageText.substr(start, at - start)});
    marker = pageText.substr(at, end - at);
    start = at;
    at = end - 1;
  }
  if (start < pageText.size() || !marker.empty()) segments.push_back({marker, pageText.substr(start)});
  return segments;
}

std::vector<std::pair<std::string, std::string>> PairParagraphs(const std::vector<PageSegment>& shown,
                                                                const std::vector<PageSegment>& other) {
  // Each marker's places in the other page, in order (a marker may, rarely, stand twice).
  std::map<std::string, std::vector<std::size_t>> places;
  for (std::size_t j = 0; j < other.size(); ++j) places[other[j].marker].push_back(j);
  std::map<std::string, std::size_t> taken;
  std::vector<bool> used(other.size(), false);
  std::map<std::string, int> shownCount;
  for (const PageSegment& s : shown) ++shownCount[s.marker];
  std::vector<std::pair<std::string, std::string>> rows;
  std::size_t next = 0;  // the other page's segments before this are placed
  for (const PageSegment& s : shown) {
    std::vector<std::size_t>& at = places[s.marker];
    std::size_t& k = taken[s.marker];
    if (k >= at.size()) {
      rows.emplace_back(s.text, std::string());
      continue;
    }
    const std::size_t match = at[k++];
    // The other page's paragraphs that the shown page lacks come where they stand.
    for (; next < match; ++next) {
      if (!used[next] && shownCount[other[next].marker] == 0) {
        rows.emplace_back(std::string(), other[next].text);
        used[next] = true;
      }
    }
    rows.emplace_back(s.text, other[match].text);
    used[match] = true;
  }
  for (std::size_t j = 0; j < other.size(); ++j) {
    if (!used[j] && shownCount[other[j].marker] == 0) rows.emplace_back(std::string(), other[j].text);
  }
  return rows;
}

}  // namespace orvelis
