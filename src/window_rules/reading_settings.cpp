#include "window_rules/reading_settings.h"

#include <charconv>
#include <sstream>

#include "window_rules/layout_rules.h"
#include "ground/numeric_text.h"
#include "ports/setting_names.h"
#include "ports/settings_store.h"

namespace orvelis {
namespace {

std::optional<int> Int(const SettingsStore& s, const std::string& name) { return ParseRoundedInt16(s.Read(name)); }
std::optional<int> Int32(const SettingsStore& s, const std::string& name) {
  const auto v = ParseRoundedInt32(s.Read(name));
  if (!v) return std::nullopt;
  return static_cast<int>(*v);
}
std::optional<double> Double(const SettingsStore& s, const std::string& name) { return ParseNumericText(s.Read(name)); }
// Boolean conversion of a numeric value: any non-zero number is true.
std::optional<bool> Bool(const SettingsStore& s, const std::string& name) {
  const auto v = ParseNumericText(s.Read(name));
  if (!v) return std::nullopt;
  return *v != 0;
}
const char* Flag(bool on) { return on ? "1" : "0"; }

std::set<int> NumberList(const std::string& text) {
  std::set<int> numbers;
  std::stringstream items(text);
  for (std::string item; std::getline(items, item, ',');) {
    if (const auto n = ParseRoundedInt16(item)) numbers.insert(*n);
  }
  return numbers;
}

std::string JoinNumbers(const std::set<int>& numbers) {
  std::string out;
  for (int n : numbers) out += (out.empty() ? "" : ",") + std::to_string(n);
  return out;
}

}  // namespace

WindowPlacement LoadWindowPlacement(const SettingsStore& s, const setting::PlacementNames& names) {
  return {Int(s, names.state), Int32(s, names.top), Int32(s, names.left), Int32(s, names.width),
          Int32(s, names.height)};
}

void SaveWindowPlacement(SettingsStore& s, const setting::PlacementNames& names, const WindowPlacement& w,
                         bool windowNormal) {
  if (windowNormal) {
    if (w.top) s.Write(names.top, std::to_string(*w.top));
    if (w.left) s.Write(names.left, std::to_string(*w.left));
    if (w.width) s.Write(names.width, std::to_string(*w.width));
    if (w.height) s.Write(names.height, std::to_string(*w.height));
  }
  s.Write(names.state, std::to_string(w.state.value_or(0)));
}

ReadingSettings LoadReadingSettings(const SettingsStore& s) {
  using namespace setting;
  ReadingSettings r;
  r.window = LoadWindowPlacement(s, kMainWindowPlacement);
  for (int i = 1; i <= 3; ++i) r.panelWidth[i] = Double(s, PanelWidthName(i)).value_or(kDefaultPanelWidth);
  r.leftPanel = Int(s, kLeftPanel).value_or(0);
  if (r.leftPanel < kNoLeftPanel || r.leftPanel > kFavoritesPanel) r.leftPanel = kNoLeftPanel;
  r.fixedHeaders = Int(s, kFixedHeaders) == 1;
  r.syncScroll = Int(s, kSyncScroll) == 1;
  r.syncByParagraph = Int(s, kSyncByParagraph) == 1;
  r.layoutMode = Int(s, kLayoutMode).value_or(20);
  if (r.layoutMode < 21 || r.layoutMode > 23) r.layoutMode = 20;
  r.splitRatioHor = ClampSplitRatio(Double(s, kSplitRatioHor).value_or(0.5));
  r.splitRatioVert = ClampSplitRatio(Double(s, kSplitRatioVert).value_or(0.5));
  const int lang = Int(s, kLanguage).value_or(1);
  r.language = lang == 0 ? kEnglish : kRussian;
  r.sortByRating = Int(s, kSortByRating).value_or(0);
  if (r.sortByRating != 0 && r.sortByRating != 1) r.sortByRating = 0;
  r.groupResults = Bool(s, kGroupResults).value_or(false);
  r.searchBothLanguages = Int(s, kSearchBothLanguages) == 1;
  r.showCounterparts = Int(s, kShowCounterparts) == 1;
  r.wordForms = Int(s, kWordForms) == 1;
  r.favoritesViewShown = Bool(s, kFavoritesViewShown).value_or(false);
  r.favoritesNode = s.Read(kFavoritesNode);
  const auto achu = Int(s, kAutoUpdateCheck);
  r.autoUpdateCheck = !achu || *achu == 1;
  return r;
}

void SaveReadingSettings(SettingsStore& s, const ReadingSettings& r, bool windowNormal) {
  using namespace setting;
  SaveWindowPlacement(s, kMainWindowPlacement, r.window, windowNormal);
  s.Write(kSplitterLeft, std::to_string(r.splitterLeft));
  s.Write(kLeftPanel, std::to_string(r.leftPanel));
  s.Write(kLanguage, std::to_string(r.language));
  s.Write(kLayoutMode, std::to_string(r.layoutMode));
  s.Write(kSplitRatioHor, FormatNumber(r.splitRatioHor));
  s.Write(kSplitRatioVert, FormatNumber(r.splitRatioVert));
  s.Write(kSyncScroll, Flag(r.syncScroll));
  s.Write(kSyncByParagraph, Flag(r.syncByParagraph));
  s.Write(kFixedHeaders, Flag(r.fixedHeaders));
  s.Write(kSortByRating, std::to_string(r.sortByRating));
  s.Write(kGroupResults, Flag(r.groupResults));
  s.Write(kSearchBothLanguages, Flag(r.searchBothLanguages));
  s.Write(kShowCounterparts, Flag(r.showCounterparts));
  s.Write(kWordForms, Flag(r.wordForms));
  s.Write(kShowFavoritesFolders, Flag(r.showFavoritesFolders));
  s.Write(kFavoritesViewShown, Flag(r.favoritesViewShown));
  s.Write(kFavoritesNode, r.favoritesNode);
  s.Write(kAutoUpdateCheck, Flag(r.autoUpdateCheck));
  for (int i = 1; i <= 3; ++i) s.Write(PanelWidthName(i), FormatNumber(r.panelWidth[i]));
}

void SaveTreeState(SettingsStore& s, const BookTreeState& state) {
  using namespace setting;
  s.Write(kTreeKey, state.selectedKey);
  s.Write(kContentsExpanded, state.contExpanded.value_or(false) ? "-1" : "0");
  s.Write(kBookExpanded, state.bookExpanded.value_or(false) ? "-1" : "0");
  s.Write(kPartsExpanded, JoinNumbers(state.expandedParts));
  s.Write(kPapersExpanded, JoinNumbers(state.expandedPapers));
}

BookTreeState RestoreTreeState(const SettingsStore& s) {
  BookTreeState state;
  const auto expanded = [&](const char* name) -> std::optional<bool> {
    if (s.Read(name).empty()) return true;
    return Bool(s, name);
  };
  state.bookExpanded = expanded(setting::kBookExpanded);
  state.contExpanded = expanded(setting::kContentsExpanded);
  state.expandedParts = NumberList(s.Read(setting::kPartsExpanded));
  state.expandedPapers = NumberList(s.Read(setting::kPapersExpanded));
  state.selectedKey = s.Read(setting::kTreeKey);
  if (state.selectedKey.empty()) state.selectedKey = "book";
  return state;
}

}  // namespace orvelis
