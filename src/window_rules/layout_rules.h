#pragma once
// The geometry of the main window in twips (15 per pixel): splitter limits and the placing of
// the reading panes and their header strips. Pure functions; the window applies them in pixels.

#include <optional>

namespace orvelis {

inline constexpr int kTwipsPerPixel = 15;
// The one conversion between the pixels of the screen and the twips the settings and the rules
// use; twips to pixels rounds towards zero.
constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }
constexpr int TwipsToPixels(long long twips) { return static_cast<int>(twips / kTwipsPerPixel); }
inline constexpr int kMinLeftPanelTwips = 2450;
inline constexpr double kDefaultPanelWidth = 3000;
inline constexpr double kMinSplitRatio = 0.1;
inline constexpr double kMaxSplitRatio = 0.9;

struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const TwipRect&) const = default;
};

// Where the left splitter goes when dragged to `p` (its left edge plus the pointer's offset):
// clamped to 2450 on the left and to formWidth - 2450 on the right; nullopt when it stays.
std::optional<int> LeftSplitterPosition(int p, int formWidth);

// The pane splitters: the new ratio when the drag point lies within 10 % .. 90 % of the reading
// area, else nullopt (nothing changes).
std::optional<double> PaneSplitRatio(double dragPoint, double paneStart, double totalExtent);

struct PanesInput {
  int formWidth = 0;
  int formHeight = 0;
  bool leftPanelShown = false;
  int splitterLeft = 0;
  int splitterWidth = 0;
  int layoutMode = 20;
  double splitRatioHor = 0.5;
  double splitRatioVert = 0.5;
  int panesTop = 0;
  int horSplitterHeight = 60;
  int vertSplitterWidth = 60;
};

struct PanesLayout {
  TwipRect web1;  // picWeb1
  TwipRect web2;  // picWeb2 (shown in layouts 21, 22)
  TwipRect splitHor;
  TwipRect splitVert;
  bool web2Visible = false;
  bool splitHorVisible = false;
  bool splitVertVisible = false;
};
PanesLayout LayoutPanes(const PanesInput& in);

// FitHeaderStrip: sizes from the height of the strip's "toptab" table in pixels.
struct StripFit {
  bool stripVisible = false;
  int stripBrowserHeight = 0;  // twips
  int stripContainerHeight = 0;
  int paneBrowserTop = -30;
  std::optional<int> paneBrowserHeight;  // set when positive
};
StripFit FitHeaderStrip(bool fixedHeaders, int toptabHeightPixels, int paneContainerHeight);

double ClampSplitRatio(double ratio);

}  // namespace orvelis
