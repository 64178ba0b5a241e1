#pragma once
// The left panel: its caption strip with the close button, the three panels it can hold (the
// book tree, the search, the favourites; one shown at a time, or none), the toolbar commands that
// show and hide them, and the splitter bar between it and the reading area. Each panel keeps its
// own width.

#include <QObject>
#include <QPoint>
#include <array>

#include "book/book_format.h"
#include "window_rules/reading_settings.h"

class QLabel;
class QToolButton;
class QWidget;

namespace orvelis {

class BookStore;
class FavoritesPanel;
class SearchPanel;
class SplitterBar;
class WindowCommands;

class LeftPanel final : public QObject {
  Q_OBJECT

 public:
  // The panels are the book tree (in a frame of its own), the search panel and the favourites
  // panel (1, 2, 3).
  LeftPanel(QWidget* form, QWidget* bookTree, SearchPanel& search, FavoritesPanel& favorites,
            WindowCommands& commands, const BookStore& book);

  int Shown() const { return shown_; }
  // 0 hides the panel; the splitter takes the width the shown panel had last.
  void Show(int panel);
  // The toolbar's buttons: a second press hides the panel; the book and the search also close
  // the favourites view, and the search is then ready for a query.
  void Toggle(int panel);
  int SplitterLeftTwips() const { return splitterLeftTwips_; }
  // Their part of the reading settings: the panel shown and each panel's width.
  void Restore(const ReadingSettings& settings);
  void Store(ReadingSettings& settings) const;

  // Places the panel in the form's left edge; what is right of the splitter is the reading area's.
  void Layout();
  // A drag of the splitter bar, in pixels.
  void DragSplitter(QPoint offset);

 signals:
  // The panel shown or its width changed: the reading area follows it.
  void resized();

 private:
  QWidget* form_;
  std::array<QWidget*, 3> panels_;
  SearchPanel& search_;
  FavoritesPanel& favorites_;
  WindowCommands& commands_;
  const BookStore& book_;
  QWidget* picLeftMenuHead_;
  QLabel* lblLeftMenuCapt_;
  QToolButton* tbClose_;
  SplitterBar* picSplitter_;
  int shown_ = 0;
  int splitterLeftTwips_ = 3000;
  std::array<double, 4> widths_{0, 3000, 3000, 3000};  // panels 1..3, twips
};

}  // namespace orvelis
