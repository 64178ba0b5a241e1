#pragma once
// The main window's settings: their names, defaults, limits and the form they are stored in.
// Values are text; a number is used only when it reads as numeric, otherwise the default holds.
// Numbers are written in one locale-independent form ("0.35"); a comma is accepted on reading.

#include <array>
#include <optional>
#include <set>
#include <string>

#include "book/book_format.h"
#include "ports/setting_names.h"

namespace orvelis {

class SettingsStore;

struct WindowPlacement {
  std::optional<int> state;  // 0 normal, 1 minimised, 2 maximised
  std::optional<int> top, left, width, height;  // twips
};

// The left panel shown (the setting's values).
inline constexpr int kNoLeftPanel = 0;
inline constexpr int kBookPanel = 1;
inline constexpr int kSearchPanel = 2;
inline constexpr int kFavoritesPanel = 3;

struct ReadingSettings {
  WindowPlacement window;
  std::array<double, 4> panelWidth{0, 3000, 3000, 3000};  // index 1..3
  int leftPanel = 0;  // kNoLeftPanel, kBookPanel, kSearchPanel or kFavoritesPanel
  bool fixedHeaders = false;
  bool syncScroll = false;
  bool syncByParagraph = false;  // synchronised scrolling keeps the same paragraph at both tops
  int layoutMode = 20;
  double splitRatioHor = 0.5;
  double splitRatioVert = 0.5;
  Language language = kRussian;
  int sortByRating = 0;
  bool groupResults = false;
  bool searchBothLanguages = false;
  bool showCounterparts = false;
  bool wordForms = false;
  bool showFavoritesFolders = true;  // "sff", written only
  int splitterLeft = 0;               // "spl", written only
  bool favoritesViewShown = false;
  std::string favoritesNode;
  bool autoUpdateCheck = true;
};

// A window's placement under its names (the main window's, the help's, the search rules'): the
// state, and the twips that read as numbers. The top, left, width and height are written only
// while the window is in its normal state; the state always.
WindowPlacement LoadWindowPlacement(const SettingsStore& store, const setting::PlacementNames& names);
void SaveWindowPlacement(SettingsStore& store, const setting::PlacementNames& names, const WindowPlacement& placement,
                         bool windowNormal);

ReadingSettings LoadReadingSettings(const SettingsStore& store);
// The placement is written only while the window is in its normal state.
void SaveReadingSettings(SettingsStore& store, const ReadingSettings& settings, bool windowNormal);

// The book tree's state: selected key and expanded branches.
struct BookTreeState {
  std::string selectedKey;
  std::optional<bool> bookExpanded;  // nullopt: leave as it is
  std::optional<bool> contExpanded;
  std::set<int> expandedParts;
  std::set<int> expandedPapers;
};

void SaveTreeState(SettingsStore& store, const BookTreeState& state);
// "b_exp"/"c_exp" empty: expanded; numeric: as stored; other text: left alone. The key to show
// is "c_pg", or "book" when empty.
BookTreeState RestoreTreeState(const SettingsStore& store);

}  // namespace orvelis
