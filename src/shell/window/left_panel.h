#pragma once
// The left panel: its caption strip with the close button, the three panels it can hold (the
// book tree, the search, the favourites; one shown at a time, or none) and the splitter bar
// between it and the reading area. Each panel keeps its own width.

#include <QObject>
#include <QPoint>
#include <array>

#include "book/book_format.h"

class QLabel;
class QToolButton;
class QWidget;

namespace orvelis {

class SplitterBar;

class LeftPanel final : public QObject {
  Q_OBJECT

 public:
  // `panels` are the book frame, the search panel and the favourites panel (1, 2, 3).
  LeftPanel(QWidget* form, std::array<QWidget*, 3> panels);

  int Shown() const { return shown_; }
  // 0 hides the panel; the splitter takes the width the shown panel had last.
  void Show(int panel, Language language);
  int SplitterLeftTwips() const { return splitterLeftTwips_; }
  const std::array<double, 4>& Widths() const { return widths_; }
  void SetWidths(const std::array<double, 4>& widths) { widths_ = widths; }

  // Places the panel in the form's left edge; what is right of the splitter is the reading area's.
  void Layout();
  // A drag of the splitter bar, in pixels.
  void DragSplitter(QPoint offset);

 signals:
  void closeRequested();
  // The splitter moved: the reading area follows it.
  void resized();

 private:
  QWidget* form_;
  std::array<QWidget*, 3> panels_;
  QWidget* picLeftMenuHead_;
  QLabel* lblLeftMenuCapt_;
  QToolButton* tbClose_;
  SplitterBar* picSplitter_;
  int shown_ = 0;
  int splitterLeftTwips_ = 3000;
  std::array<double, 4> widths_{0, 3000, 3000, 3000};  // panels 1..3, twips
};

}  // namespace orvelis
