#pragma once
// The browser panes' context menu: history, selection, favourites, output, find and the text
// style, shown with what applies to the pane clicked.

#include <QMenu>
#include <functional>

namespace orvelis {

class TextStyle;

class BrowserContextMenu final : public QMenu {
  Q_OBJECT

 public:
  struct Commands {
    std::function<void()> back, forward, selectAll, copy, addFavorite, saveAs, find, preview, print;
  };
  // What applies where the menu opens.
  struct State {
    bool pageCommands;    // back and forward (not over results or rules)
    bool backEnabled;
    bool forwardEnabled;
    bool canAddFavorite;  // only over the reading panes
    bool hasSelection;
  };

  // `fixHeaders` is the window's checkable item, shared with nothing else but kept by the window.
  BrowserContextMenu(QAction* fixHeaders, TextStyle& style, const Commands& commands, QWidget* parent);

  QAction* Item(const QString& name) const;
  void Prepare(const State& state);
};

}  // namespace orvelis
