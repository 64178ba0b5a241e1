#pragma once
// The commands that act on the pane the reader works in (PaneFocus): select all, copy, find on
// the page (Ctrl+F too) and add the selection to the favourites.

#include <QObject>
#include <QPointer>

class QWidget;

namespace orvelis {

class FavoritesPanel;
class FindBar;
class PaneFocus;
class ReadingArea;

class PageCommands final : public QObject {
  Q_OBJECT

 public:
  PageCommands(PaneFocus& focus, ReadingArea& reading, FavoritesPanel& favorites, QWidget* window);

  void SelectAll();
  void Copy();
  // The bar belongs to the pane it searches, in that pane's own window (the query-rules window
  // too), at the pane's lower edge where it hides none of the page's header.
  void FindOnPage();
  // A reading pane's selection is named after the place it comes from; a result's after nothing.
  void AddFavorite();
  FindBar* Bar() const;

 private:
  PaneFocus& focus_;
  ReadingArea& reading_;
  FavoritesPanel& favorites_;
  QWidget* window_;
  QPointer<FindBar> findBar_;  // lives in the window of the pane it searches
};

}  // namespace orvelis
