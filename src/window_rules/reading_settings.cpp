#include "window_rules/reading_settings.h"

#include <charconv>
#include <sstream>

#include "window_rules/layout_rules.h"
#include "ground/numeric_text.h"
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

ReadingSettings LoadReadingSettings(const SettingsStore& s) {
  ReadingSettings r;
  r.window = {Int(s, "ws"), Int32(s, "wt"), Int32(s, "wl"), Int32(s, "ww"), Int32(s, "wh")};
  for (int i = 1; i <= 3; ++i) r.panelWidth[i] = Double(s, std::to_string(i) + "lwdh").value_or(kDefaultPanelWidth);
  r.leftPanel = Int(s, "tb_s").value_or(0);
  if (r.leftPanel < 0 || r.leftPanel > 3) r.leftPanel = 0;
  r.fixedHeaders = Int(s, "fxtp") == 1;
  r.syncScroll = Int(s, "snc") == 1;
  r.layoutMode = Int(s, "mw_p").value_or(20);
  if (r.layoutMode != 21 && r.layoutMode != 22) r.layoutMode = 20;
  r.splitRatioHor = ClampSplitRatio(Double(s, "swhp").value_or(0.5));
  r.splitRatioVert = ClampSplitRatio(Double(s, "swvp").value_or(0.5));
  const int lang = Int(s, "lang").value_or(1);
  r.language = lang == 0 ? kEnglish : kRussian;
  r.sortByRating = Int(s, "sord").value_or(0);
  if (r.sortByRating != 0 && r.sortByRating != 1) r.sortByRating = 0;
  r.groupResults = Bool(s, "sgrp").value_or(false);
  r.favoritesViewShown = Bool(s, "sft").value_or(false);
  r.favoritesNode = s.Read("fsn");
  const auto achu = Int(s, "achu");
  r.autoUpdateCheck = !achu || *achu == 1;
  return r;
}

void SaveReadingSettings(SettingsStore& s, const ReadingSettings& r, bool windowNormal) {
  if (windowNormal) {
    if (r.window.top) s.Write("wt", std::to_string(*r.window.top));
    if (r.window.left) s.Write("wl", std::to_string(*r.window.left));
    if (r.window.width) s.Write("ww", std::to_string(*r.window.width));
    if (r.window.height) s.Write("wh", std::to_string(*r.window.height));
  }
  s.Write("ws", std::to_string(r.window.state.value_or(0)));
  s.Write("spl", std::to_string(r.splitterLeft));
  s.Write("tb_s", std::to_string(r.leftPanel));
  s.Write("lang", std::to_string(r.language));
  s.Write("mw_p", std::to_string(r.layoutMode));
  s.Write("swhp", FormatNumber(r.splitRatioHor));
  s.Write("swvp", FormatNumber(r.splitRatioVert));
  s.Write("snc", Flag(r.syncScroll));
  s.Write("fxtp", Flag(r.fixedHeaders));
  s.Write("sord", std::to_string(r.sortByRating));
  s.Write("sgrp", Flag(r.groupResults));
  s.Write("sff", Flag(r.showFavoritesFolders));
  s.Write("sft", Flag(r.favoritesViewShown));
  s.Write("fsn", r.favoritesNode);
  s.Write("achu", Flag(r.autoUpdateCheck));
  for (int i = 1; i <= 3; ++i) s.Write(std::to_string(i) + "lwdh", FormatNumber(r.panelWidth[i]));
}

void SaveTreeState(SettingsStore& s, const BookTreeState& state) {
  s.Write("c_pg", state.selectedKey);
  s.Write("c_exp", state.contExpanded.value_or(false) ? "-1" : "0");
  s.Write("b_exp", state.bookExpanded.value_or(false) ? "-1" : "0");
  s.Write("p_exp", JoinNumbers(state.expandedParts));
  s.Write("d_exp", JoinNumbers(state.expandedPapers));
}

BookTreeState RestoreTreeState(const SettingsStore& s) {
  BookTreeState state;
  const auto expanded = [&](const char* name) -> std::optional<bool> {
    if (s.Read(name).empty()) return true;
    return Bool(s, name);
  };
  state.bookExpanded = expanded("b_exp");
  state.contExpanded = expanded("c_exp");
  state.expandedParts = NumberList(s.Read("p_exp"));
  state.expandedPapers = NumberList(s.Read("d_exp"));
  state.selectedKey = s.Read("c_pg");
  if (state.selectedKey.empty()) state.selectedKey = "book";
  return state;
}

}  // namespace orvelis
