#pragma once
// The browser panes' context menu: history, selection, favourites, output, find and the text
// style, shown with what applies to the pane clicked (none at all over a header strip).

#include <QMenu>
#include <QPoint>

namespace orvelis {

class BrowserPane;
class OutputCommands;
class PageCommands;
class PaneFocus;
class ReadingArea;
class TextStyle;
class WindowCommands;

class BrowserContextMenu final : public QMenu {
  Q_OBJECT

 public:
  BrowserContextMenu(WindowCommands& commands, TextStyle& style, PaneFocus& focus, ReadingArea& reading,
                     PageCommands& page, OutputCommands& output, QWidget* parent);

  // A right click in `pane` opens the menu there.
  void Attach(BrowserPane* pane);
  void ShowFor(BrowserPane* pane, QPoint globalPos);
  QAction* Item(const QString& name) const;

 private:
  WindowCommands& commands_;
  PaneFocus& focus_;
  ReadingArea& reading_;
  PageCommands& page_;
};

}  // namespace orvelis
