#pragma once
// frMain: the reader's main window. It holds the form (toolbar, menus, the left panel beside the
// reading area), the panels that fill it, and hands the settings to them at start and back at close.
// Each panel owns its widgets and its commands; the window only connects them.

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>

#include "ground/regex_engine.h"
#include "navigation/page_locator.h"
#include "ports/reading_view.h"
#include "render/page_composer.h"
#include "render/stylesheet.h"
#include "shell/window/command_table.h"
#include "search/search_results.h"
#include "window_rules/reading_position.h"
#include "window_rules/reading_settings.h"

class QAction;
class QMenu;
class QTimer;
class QTreeWidget;

namespace orvelis {

class BookStore;
class BookTreePanel;
class BrowserContextMenu;
class BrowserPane;
class DocumentScheme;
class FavoritesPanel;
class FavoritesStore;
class FavoritesTreeWidget;
class FindBar;
class HelpCommands;
class LeftPanel;
class MessageSink;
class OutputCommands;
class PaneFocus;
class ReadingArea;
class SearchPanel;
class SettingsStore;
class TextStyle;
class WindowCommands;

class MainWindow final : public QMainWindow {
  Q_OBJECT

 public:
  // `userDataFolder` ends with a separator; the images of the pages live there.
  MainWindow(BookStore& book, FavoritesStore& favorites, const std::string& userDataFolder, SettingsStore& settings,
             MessageSink& messages, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Start-up steps, in their order.
  void PrimePanes();
  void ResetHistory();
  void BuildStylesheet();
  void LoadSettings();

  // The panels, for whoever drives the window (the tests among them).
  ReadingArea& Reading() const { return *reading_; }
  SearchPanel& Search() const { return *searchPanel_; }
  FavoritesPanel& Favorites() const { return *favoritesPanel_; }
  HelpCommands& Help() const { return *help_; }
  OutputCommands& Output() const { return *output_; }
  PageLocator& Locator() const;
  BrowserPane* Pane(ReadingPane pane) const;
  BrowserPane* SearchPane() const;
  BrowserPane* FavoritesView() const;
  FavoritesTreeWidget* FavoritesTree() const;
  QMenu* FavoritesMenu() const;
  bool FavoritesViewShown() const;
  QTreeWidget* BookTree() const;
  std::string SelectedTreeKey() const;
  QAction* ToolbarAction(int position) const;
  QAction* Action(Cmd cmd) const;
  QMenu* ContextMenu() const;
  QAction* ContextAction(const QString& name) const;
  FindBar* FindOnPage() const;
  const ResultsOptions& SearchOptions() const;
  const ReadingPosition& Position() const;
  Language CurrentLanguage() const;
  int LayoutMode() const;
  bool SyncScroll() const;
  bool FixedHeaders() const { return composerSettings_.fixedHeaders; }
  int LeftPanelShown() const;
  int WebFocus() const;
  bool AutoCheckUpdates() const;
  // The browser the output, copy and find commands act on.
  BrowserPane* GetWebBrowser() const;

  // Commands that span panels (main_window_commands.cpp).
  void ShowLeftPanel(int k);
  void SetLayout(int mode, bool atStartup);
  void SetLanguage(Language language);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void CreatePanels();
  void ConnectCommands();
  void CreateContextMenu();
  void LayoutForm();
  void ShowPage(const std::string& key);
  void ToggleLeftPanel(int k);
  void ToggleFixedHeaders();
  void ToggleSyncScroll();
  void GoToDialog();
  void FindOnPageCommand();
  void AddFavoriteCommand();
  void AdaptToFavoritesView(bool on);
  void ShowContextMenuFor(BrowserPane* pane, QPoint globalPos);
  void TextStyleChanged();
  void ReportRendererFailure();
  // Settings (main_window_settings.cpp): read at start, written soon after every change.
  void CreateSettingsTimer();
  void SettingsChanged();
  void WriteSettingsNow();
  void SaveSettings();

  BookStore& book_;
  FavoritesStore& favorites_;
  SettingsStore& settings_;
  MessageSink& messages_;
  std::string userDataFolder_;
  std::unique_ptr<DocumentScheme> documents_;
  RegexEngine regex_;
  Stylesheet stylesheet_;
  ComposerSettings composerSettings_;
  PageComposer composer_;
  ReadingSettings readingSettings_;

  QWidget* central_ = nullptr;
  QWidget* fraBook_ = nullptr;
  BookTreePanel* treBook_ = nullptr;
  SearchPanel* searchPanel_ = nullptr;
  FavoritesPanel* favoritesPanel_ = nullptr;
  LeftPanel* left_ = nullptr;
  ReadingArea* reading_ = nullptr;
  PaneFocus* focus_ = nullptr;
  WindowCommands* commands_ = nullptr;
  TextStyle* textStyle_ = nullptr;
  BrowserContextMenu* context_ = nullptr;
  OutputCommands* output_ = nullptr;
  HelpCommands* help_ = nullptr;
  QPointer<FindBar> findBar_;  // lives in the window of the pane it searches

  bool settingsLoaded_ = false;
  QTimer* settingsTimer_ = nullptr;
  bool settingsChangedSinceWrite_ = false;
  bool rendererFailureShown_ = false;
};

}  // namespace orvelis
