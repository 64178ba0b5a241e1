#include "window_rules/layout_rules.h"

#include <algorithm>
#include <cmath>

namespace orvelis {

std::optional<int> LeftSplitterPosition(int p, int formWidth) {
  if (p < kMinLeftPanelTwips) return kMinLeftPanelTwips;
  if (p <= formWidth - kMinLeftPanelTwips) return p;
  if (formWidth - kMinLeftPanelTwips > kMinLeftPanelTwips) return formWidth - kMinLeftPanelTwips;
  return std::nullopt;
}

std::optional<double> PaneSplitRatio(double dragPoint, double paneStart, double totalExtent) {
  if (totalExtent <= 0) return std::nullopt;
  const double r = (dragPoint - paneStart) / totalExtent;
  if (r < kMinSplitRatio || r > kMaxSplitRatio) return std::nullopt;
  return r;
}

double ClampSplitRatio(double ratio) { return std::clamp(ratio, kMinSplitRatio, kMaxSplitRatio); }

PanesLayout LayoutPanes(const PanesInput& in) {
  PanesLayout out;
  TwipRect& w1 = out.web1;
  TwipRect& w2 = out.web2;
  w1.left = in.leftPanelShown ? in.splitterLeft + in.splitterWidth : 0;
  w1.top = in.panesTop;
  const int W = std::max(200, static_cast<int>(std::nearbyint(in.formWidth - w1.left - 120.0)));
  const int H = std::max(200, static_cast<int>(std::nearbyint(in.formHeight - 1240.0)));
  if (in.layoutMode == 21) {
    const int s = in.horSplitterHeight;
    w1.width = w2.width = W;
    w1.height = static_cast<int>(std::nearbyint(H * in.splitRatioHor - s / 2.0));
    w2.left = w1.left;
    w2.height = static_cast<int>(std::nearbyint(H - w1.height - s / 2.0));
    w2.top = w1.top + w1.height + s;
    out.splitHor = {w1.left, w2.top - s, W, s};
  } else if (in.layoutMode == 22) {
    const int s = in.vertSplitterWidth;
    w1.width = static_cast<int>(std::nearbyint(W * in.splitRatioVert - s / 2.0));
    w2.width = static_cast<int>(std::nearbyint(W - w1.width - s / 2.0));
    w2.left = w1.left + w1.width + s;
    w2.top = w1.top;
    w1.height = w2.height = H;
    out.splitVert = {w2.left - s, w1.top, s, H};
  } else {
    w1.width = W;
    w1.height = H;
  }
  out.web2Visible = in.layoutMode != 20 && (in.layoutMode == 21 || in.layoutMode == 22);
  out.splitHorVisible = in.layoutMode == 21;
  out.splitVertVisible = in.layoutMode == 22;
  return out;
}

StripFit FitHeaderStrip(bool fixedHeaders, int toptabHeightPixels, int paneContainerHeight) {
  StripFit fit;
  if (fixedHeaders) {
    fit.stripVisible = true;
    fit.stripBrowserHeight = 70 + 15 * toptabHeightPixels;
    fit.stripContainerHeight = fit.stripBrowserHeight - 70;
    fit.paneBrowserTop = fit.stripBrowserHeight - 100;
  }
  const int h = paneContainerHeight - (fixedHeaders ? fit.paneBrowserTop : 0);
  if (h > 0) fit.paneBrowserHeight = h;
  return fit;
}

}  // namespace orvelis
