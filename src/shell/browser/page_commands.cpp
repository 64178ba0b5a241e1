#include "shell/browser/page_commands.h"

#include <QShortcut>

#include "shell/browser/browser_pane.h"
#include "shell/browser/find_bar.h"
#include "shell/favorites/favorites_panel.h"
#include "shell/platform/qt_text.h"
#include "shell/reading/reading_area.h"
#include "shell/window/pane_focus.h"

namespace orvelis {

PageCommands::PageCommands(PaneFocus& focus, ReadingArea& reading, FavoritesPanel& favorites, QWidget* window)
    : QObject(window), focus_(focus), reading_(reading), favorites_(favorites), window_(window) {
  connect(new QShortcut(QKeySequence::Find, window), &QShortcut::activated, this, &PageCommands::FindOnPage);
}

FindBar* PageCommands::Bar() const { return findBar_; }

void PageCommands::SelectAll() { focus_.Browser()->triggerPageAction(QWebEnginePage::SelectAll); }

void PageCommands::Copy() {
  BrowserPane* pane = focus_.Browser();
  pane->setFocus();
  pane->triggerPageAction(QWebEnginePage::Copy);
}

void PageCommands::FindOnPage() {
  BrowserPane* pane = focus_.Browser();
  if (!findBar_) findBar_ = new FindBar(pane->parentWidget());
  findBar_->OpenFor(pane);
}

void PageCommands::AddFavorite() {
  BrowserPane* source = focus_.Browser();
  const QString location = focus_.InSearch() ? QString() : favorites_.LocationText(reading_.WebFocus() == 2 ? 1 : 0);
  favorites_.AddFragment(S(location), source->SelectedHtml(), window_);
  source->setFocus();
}

}  // namespace orvelis
