#include "window_rules/paragraph_alignment.h"

#include <algorithm>
#include <cstddef>

namespace orvelis {
namespace {

// A paragraph runs from its anchor to the next one, the last to the document's end.
double EndOf(const PaneGeometry& pane, std::size_t index) {
  return index + 1 < pane.paragraphs.size() ? pane.paragraphs[index + 1].top : pane.scrollHeight;
}

}  // namespace

TopPlace PlaceAtTop(const PaneGeometry& pane) {
  std::optional<std::size_t> last;
  for (std::size_t i = 0; i < pane.paragraphs.size() && pane.paragraphs[i].top <= pane.scrollTop + 1; ++i) last = i;
  if (!last) return {{}, 0, pane.scrollTop};
  const ParagraphBox& box = pane.paragraphs[*last];
  const double height = EndOf(pane, *last) - box.top;
  const double fraction = height > 0 ? std::clamp((pane.scrollTop - box.top) / height, 0.0, 1.0) : 0.0;
  return {box.anchor, fraction, 0};
}

std::optional<double> AlignedScrollTop(const PaneGeometry& source, const PaneGeometry& target) {
  const TopPlace place = PlaceAtTop(source);
  if (place.anchor.empty()) return place.offset;
  for (std::size_t i = 0; i < target.paragraphs.size(); ++i) {
    if (target.paragraphs[i].anchor != place.anchor) continue;
    const double top = target.paragraphs[i].top;
    return top + (EndOf(target, i) - top) * place.fraction;
  }
  return std::nullopt;
}

double RatioScrollTop(const PaneGeometry& source, const PaneGeometry& target) {
  if (source.scrollHeight <= 0) return 0;
  return target.scrollHeight * (source.scrollTop / source.scrollHeight);
}

}  // namespace orvelis
