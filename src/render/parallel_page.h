#pragma once
// A stored page split at its paragraph markers, and the two languages' paragraphs paired row by
// row for the parallel-text page.

#include <string>
#include <utility>
#include <vector>

namespace orvelis {

// One paragraph of a stored page: its marker ("((n:s:p))", empty for the text before the first
// marker) and its text from the marker up to the next one.
struct PageSegment {
  std::string marker;
  std::string text;
};

// The segments in page order; text before the first marker, if any, is a segment of its own.
std::vector<PageSegment> SplitAtMarkers(const std::string& pageText);

// Rows of the parallel page: the paragraphs of `shown` in their order, each beside the paragraph
// of `other` with the same marker; one present on one side only gets an empty cell, placed where
// it stands in its own page.
std::vector<std::pair<std::string, std::string>> PairParagraphs(const std::vector<PageSegment>& shown,
                                                                const std::vector<PageSegment>& other);

}  // namespace orvelis
