#pragma once
// Paragraph-aligned scrolling of two panes showing the same page in the two languages: the same
// paragraph is put at the top of the other pane, at the same fraction of its height. Every page
// carries the same paragraph anchors ("p<n>") in both languages, so the two texts can be lined up
// exactly, where keeping the same scroll ratio lets them drift apart.

#include <optional>
#include <string>
#include <vector>

namespace orvelis {

// One paragraph anchor and its top in document coordinates (pixels), in document order.
struct ParagraphBox {
  std::string anchor;
  double top = 0;
};

// What the window measures in one pane.
struct PaneGeometry {
  std::vector<ParagraphBox> paragraphs;
  double scrollTop = 0;
  double scrollHeight = 0;  // the whole document's height
};

// The place at the top of a view: the last paragraph whose anchor is at or above the top (within
// one pixel), and how far the view is into it (0..1, the paragraph reaching to the next anchor or
// the document's end); before the first paragraph, no anchor and the offset from the top.
struct TopPlace {
  std::string anchor;
  double fraction = 0;
  double offset = 0;
};

TopPlace PlaceAtTop(const PaneGeometry& pane);

// Where to scroll `target` so that the place at the top of `source` is at its top. Nothing when
// the target lacks that paragraph: the caller then keeps to the scroll ratio (RatioScrollTop).
std::optional<double> AlignedScrollTop(const PaneGeometry& source, const PaneGeometry& target);

// The ratio rule: the same fraction of the whole document.
double RatioScrollTop(const PaneGeometry& source, const PaneGeometry& target);

}  // namespace orvelis
