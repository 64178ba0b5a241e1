#pragma once
// frMain: the reader's main window. It holds the form (toolbar, menus, the left panel beside the
// reading area), the panels that fill it and the command objects, connects them, and hands the
// settings to them at start and back at close. Each panel owns its widgets and its commands.

#include <QMainWindow>
#include <memory>
#include <string>

#include "navigation/page_locator.h"
#include "ports/reading_view.h"
#include "shell/window/command_table.h"
#include "window_rules/reading_settings.h"

class QAction;
class QMenu;
class QTreeWidget;

namespace orvelis {

class BookStore;
class BookTreePanel;
class BrowserContextMenu;
class BrowserPane;
class DocumentScheme;
class FavoritesPanel;
class FavoritesStore;
class FindBar;
class HelpCommands;
class LanguageCommands;
class LayoutCommands;
class LeftPanel;
class MessageSink;
class OutputCommands;
class PageCommands;
class WordTranslation;
class PaneFocus;
class ReaderCore;
class ReadingArea;
class RendererFailures;
class SearchPanel;
class SettingsStore;
class SettingsWriter;
class TextStyle;
class WindowCommands;

class MainWindow final : public QMainWindow {
  Q_OBJECT

 public:
  // `userDataFolder` ends with a separator; the images of the pages live there.
  MainWindow(BookStore& book, FavoritesStore& favorites, const std::string& userDataFolder, SettingsStore& settings,
             MessageSink& messages, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The panes PrimePanes gives a document, and so a renderer process, at start: the two reading
  // panes and their strips. The search results get theirs when the search panel first shows.
  static constexpr int kPanesPrimedAtStart = 4;

  // Start-up steps, in their order.
  void PrimePanes();
  void ResetHistory();
  void BuildStylesheet();
  void LoadSettings();
  // Once the window has been up a moment, gets the current language's pages ready for matching,
  // which the first search of a run would otherwise do while the reader waits.
  void PrepareSearchWhenIdle();

  // The panels and command objects, for whoever drives the window (the tests among them).
  ReadingArea& Reading() const { return *reading_; }
  SearchPanel& Search() const { return *searchPanel_; }
  FavoritesPanel& Favorites() const { return *favoritesPanel_; }
  HelpCommands& Help() const { return *help_; }
  OutputCommands& Output() const { return *output_; }
  PageLocator& Locator() const;
  BrowserPane* Pane(ReadingPane pane) const;
  QTreeWidget* BookTree() const;
  QAction* ToolbarAction(int position) const;
  QAction* Action(Cmd cmd) const;
  QMenu* ContextMenu() const;
  QAction* ContextAction(const QString& name) const;
  FindBar* FindOnPage() const;
  Language CurrentLanguage() const;
  bool SearchPagesReady(Language lang) const;
  bool FixedHeaders() const;
  int LeftPanelShown() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreatePanels(FavoritesStore& favorites, MessageSink& messages, const std::string& userDataFolder);
  void CreateCommands(MessageSink& messages);
  void LayoutForm();
  void ShowPage(const std::string& key);
  void SettingsChanged();
  void SaveSettings();

  BookStore& book_;
  SettingsStore& settings_;
  MessageSink& messages_;
  std::unique_ptr<DocumentScheme> documents_;
  std::unique_ptr<ReaderCore> core_;
  ReadingSettings readingSettings_;  // as read at start, updated at every write

  QWidget* central_ = nullptr;
  BookTreePanel* treBook_ = nullptr;
  SearchPanel* searchPanel_ = nullptr;
  ReadingArea* reading_ = nullptr;
  FavoritesPanel* favoritesPanel_ = nullptr;
  LeftPanel* left_ = nullptr;
  PaneFocus* focus_ = nullptr;
  WindowCommands* commands_ = nullptr;
  LayoutCommands* layout_ = nullptr;
  LanguageCommands* language_ = nullptr;
  PageCommands* page_ = nullptr;
  WordTranslation* words_ = nullptr;
  TextStyle* textStyle_ = nullptr;
  BrowserContextMenu* context_ = nullptr;
  OutputCommands* output_ = nullptr;
  HelpCommands* help_ = nullptr;
  RendererFailures* rendererFailures_ = nullptr;
  SettingsWriter* settingsWriter_ = nullptr;
};

}  // namespace orvelis
