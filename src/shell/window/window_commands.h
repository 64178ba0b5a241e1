#pragma once
// The window's commands as actions, built from the command table, and the toolbar and menu bar
// built from them. What each command does is the window's to connect.

#include <QHash>
#include <QList>
#include <QObject>
#include <array>

#include "shell/window/command_table.h"

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace orvelis {

class HelpCommands;
class TextStyle;

class WindowCommands final : public QObject {
  Q_OBJECT

 public:
  explicit WindowCommands(QMainWindow* window);

  QAction* Action(Cmd cmd) const { return toolbar_[static_cast<std::size_t>(cmd)]; }
  QAction* ToolbarAction(int position) const { return toolbar_[static_cast<std::size_t>(position)]; }
  // Menu-only commands.
  QAction* FixHeaders() const { return fixHeaders_; }
  QAction* SyncByParagraph() const { return syncByParagraph_; }
  QAction* ParallelText() const { return parallelText_; }
  QAction* PrintPreview() const { return printPreview_; }
  // The parallel text of the shown page or of its Paper: save as (HTML, PDF) and print.
  QAction* SaveParallelPage() const { return saveParallelPage_; }
  QAction* SaveParallelPaper() const { return saveParallelPaper_; }
  QAction* PrintParallelPage() const { return printParallelPage_; }
  QAction* PrintParallelPaper() const { return printParallelPaper_; }
  QAction* Exit() const { return exit_; }
  // The "Язык" menu, once the bars are built.
  QMenu* LanguageMenu() const { return language_; }

  // The toolbar, then the menus; the text style fills its menu, help adds the last one.
  void BuildBars(TextStyle& style, HelpCommands& help);
  // What the favourites view hides while it covers the reading area.
  void SetReadingCommandsVisible(bool visible);
  // The site button and the separator before it; hidden in a build without a site address.
  void ShowSite(bool shown);

 private:
  QMainWindow* window_;
  std::array<QAction*, kToolbarPositions + 1> toolbar_{};
  QAction* fixHeaders_;
  QAction* syncByParagraph_;
  QAction* parallelText_;
  QAction* printPreview_;
  QAction* saveParallelPage_;
  QAction* saveParallelPaper_;
  QAction* printParallelPage_;
  QAction* printParallelPaper_;
  QAction* exit_;
  QHash<int, QAction*> toolbarSeparators_;
  QList<QAction*> fileSeparators_;
  QMenu* navigation_ = nullptr;
  QMenu* language_ = nullptr;
};

}  // namespace orvelis
