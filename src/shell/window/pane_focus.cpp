#include "shell/window/pane_focus.h"

#include <QWidget>

#include "shell/browser/browser_pane.h"
#include "shell/reading/reading_area.h"

namespace orvelis {

PaneFocus::PaneFocus(ReadingArea& reading, BrowserPane* searchPane, BrowserPane* favoritesView, QObject* parent)
    : QObject(parent), reading_(reading), searchPane_(searchPane), favoritesView_(favoritesView) {}

void PaneFocus::SetRulesPane(BrowserPane* pane) {
  rulesPane_ = pane;
  if (!pane) rules_ = false;
}

void PaneFocus::FocusChanged(QWidget* now) {
  if (!now) return;
  reading_.FocusChanged(now);
  const auto within = [now](QWidget* pane) { return pane && (pane == now || pane->isAncestorOf(now)); };
  search_ = within(searchPane_);
  favorites_ = within(favoritesView_);
  rules_ = within(rulesPane_);
}

BrowserPane* PaneFocus::Browser() const {
  if (rules_ && rulesPane_) return rulesPane_;
  if (search_) return searchPane_;
  if (favorites_) return favoritesView_;
  return reading_.FocusedPane();
}

SaveSource PaneFocus::Source() const {
  if (rules_) return SaveSource::Rules;
  if (search_) return SaveSource::Search;
  if (favorites_) return SaveSource::Favorites;
  return reading_.WebFocus() == 2 ? SaveSource::Web2 : SaveSource::Web1;
}

}  // namespace orvelis
