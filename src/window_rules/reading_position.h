#pragma once
// Where the reader is on a page: the paragraph at the top of the view and how far into it, so
// that a page composed again (another layout, language or font, or the next start) opens at the
// same place. Stored as text: "p12 0.35" (paragraph anchor and fraction of its height) or
// "top 240" (pixels from the top, above the first paragraph).

#include <optional>
#include <string>

namespace orvelis {

struct ReadingPosition {
  std::string anchor;     // "p12"; empty: `offset` pixels from the top of the page
  double fraction = 0;    // 0..1 within the paragraph
  int offset = 0;

  bool AtTop() const { return anchor.empty() && offset <= 0; }
  bool operator==(const ReadingPosition&) const = default;
};

// Empty, malformed or hostile text (an anchor that is not "p" and digits, a fraction outside
// 0..1) reads as nullopt.
std::optional<ReadingPosition> ParseReadingPosition(const std::string& text);
std::string FormatReadingPosition(const ReadingPosition& position);

}  // namespace orvelis
