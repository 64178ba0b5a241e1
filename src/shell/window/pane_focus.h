#pragma once
// Which browser pane the output, copy, find and add-to-favourites commands act on: the query-rules
// window, the search results, the favourites view, or the reading pane last focused.

#include <QObject>
#include <QPointer>

#include "output/save_rules.h"

class QWidget;

namespace orvelis {

class BrowserPane;
class ReadingArea;

class PaneFocus final : public QObject {
  Q_OBJECT

 public:
  PaneFocus(ReadingArea& reading, BrowserPane* searchPane, BrowserPane* favoritesView, QObject* parent);

  // The query-rules window's pane while that window is open (null when it closes).
  void SetRulesPane(BrowserPane* pane);
  // Follows the application's focus; also what a right click in a pane does first.
  void FocusChanged(QWidget* now);

  BrowserPane* Browser() const;
  SaveSource Source() const;
  bool InSearch() const { return search_; }
  bool InFavorites() const { return favorites_; }
  bool InRules() const { return rules_; }

 private:
  ReadingArea& reading_;
  BrowserPane* searchPane_;
  BrowserPane* favoritesView_;
  QPointer<BrowserPane> rulesPane_;
  bool search_ = false;
  bool favorites_ = false;
  bool rules_ = false;
};

}  // namespace orvelis
