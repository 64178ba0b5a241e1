#pragma once
// frMain: the reader's main window. It owns the panes, trees and reading state, and wires them to
// the core: composition and history (PageLocator), the link protocol, the layout rules.

#include <QMainWindow>
#include <QElapsedTimer>
#include <QHash>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "book/book_format.h"
#include "output/save_rules.h"
#include "render/page_composer.h"
#include "navigation/page_locator.h"
#include "ports/reading_view.h"
#include "ground/regex_engine.h"
#include "render/stylesheet.h"
#include "search/search_results.h"
#include "window_rules/reading_position.h"
#include "window_rules/reading_settings.h"
#include "shell/window/command_table.h"
#include "shell/browser/find_bar.h"

class QAction;
class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class QToolBar;
class QToolButton;
class QComboBox;
class QCheckBox;
class QMenu;
class QPrinter;
class QPushButton;
class QTimer;

namespace orvelis {

class BookStore;
class BookTreePanel;
class BrowserPane;
class FavoritesPanel;
class FavoritesStore;
class FavoritesTreeWidget;
class HelpWindow;
class DocumentScheme;
class MessageSink;
class SearchPanel;
class SettingsStore;
class SplitterBar;

class FindBar;

class MainWindow final : public QMainWindow, public ReadingView {
  Q_OBJECT

 public:
  // `userDataFolder` ends with a separator; the images of the pages live there.
  MainWindow(BookStore& book, FavoritesStore& favorites, const std::string& userDataFolder, SettingsStore& settings,
             MessageSink& messages, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Start-up steps, in their order.
  void PrimePanes();
  void ResetHistory() { locator_.ResetHistory(); }
  void BuildStylesheet();
  void LoadSettings();

  // Public methods other windows call.
  BrowserPane* GetWebBrowser() const;
  int CurrentPageNumber() const;
  BrowserPane* Pane(ReadingPane pane) const;
  BrowserPane* SearchPane() const;
  PageLocator& Locator() { return locator_; }
  QTreeWidget* BookTree() const;
  QAction* ToolbarAction(int position) const { return toolbarActions_[static_cast<std::size_t>(position)]; }
  QAction* Action(Cmd cmd) const { return ToolbarAction(static_cast<int>(cmd)); }

  int LayoutMode() const { return locator_.LayoutMode(); }
  bool SyncScroll() const { return syncScroll_; }
  bool FixedHeaders() const { return composerSettings_.fixedHeaders; }
  int LeftPanel() const { return leftPanel_; }
  int WebFocus() const { return webFocus_; }
  const ReadingPosition& Position() const { return readingPosition_; }
  Language CurrentLanguage() const;
  QString LocationText(int pane) const;

  // Commands (menu items and toolbar buttons reach the same ones).
  void ShowLeftPanel(int k);
  void SetLayout(int mode, bool atStartup);
  void SetLanguage(Language language);
  void zLangSync_Click();
  void zContextFixTop_Click();
  void zNavigNextPage_Click();
  void zNavigPrevPage_Click();
  void zNavigNextDoc_Click();
  void zNavigPrevDoc_Click();
  void zNavigCont_Click();
  void zContextBack_Click() { locator_.GoBack(); }
  void zContextForw_Click() { locator_.GoForward(); }
  void zToolsBook_Click();
  void zToolsSearch_Click();
  void zToolsFavor_Click();
  void zNavigFindPage_Click();
  // Fonts, sizes and colours of the text (main menu and context menu reach the same ones).
  void zPrefFontNameFn_Click(int index);
  void zPrefSizeSz_Click(int index);
  void ChooseTextColour();
  void ApplyTextStyle(FontSettings font);
  // Favourites: the panel with its tree and the view over the reading area; the add dialog.
  FavoritesTreeWidget* FavoritesTree() const;
  BrowserPane* FavoritesView() const;
  bool FavoritesViewShown() const;
  QMenu* FavoritesMenu() const;
  void ShowFavorite(bool forPrint);
  void SetFavoritesView(bool on);
  void zContextAddFavor_Click();
  // The selection's HTML in the browser GetWebBrowser returns (waits for the browser).
  std::string SelectedHtml();
  // Output: save as HTML, text or PDF; print and preview.
  SaveSource CurrentSaveSource() const;
  void SaveDialog(const QString& proposedName);
  void ShowSaveDialog(BrowserPane* browser, QString proposedName, SaveSource source);
  std::string WritePageFile(BrowserPane* browser, const QString& path, int typeIndex, SaveSource source);
  void zContextSaveAs_Click();
  void PrintWindow(BrowserPane* browser);
  void PrintPreview(BrowserPane* browser);
  bool PrintTo(BrowserPane* browser, QPrinter& printer);
  BrowserPane* OutputPane(BrowserPane* browser);
  void zFilePrint_Click();
  void zFilePrintPreview_Click();
  void PrintFavorite();
  // Replaces the save dialog (tests): gets the proposed name, sets path and type (1..3).
  std::function<bool(const QString& proposed, QString& path, int& typeIndex)> chooseSaveFile_;
  BrowserPane* PrintPane() const { return wbPrint_; }
  // Help, query rules, update check, about box, the web site.
  void zHelp_Click();
  void imgHelp_Click();
  HelpWindow* RulesWindow() const { return rulesWindow_; }
  HelpWindow* OpenHelpWindow() const { return helpWindow_; }
  void StartUpdateCheck();
  void OnUpdateReply();
  void zAboutUpd_Click();
  void zAboutAutoUpd_Click();
  void zAboutPhor_Click();
  void zAboutOrvel_Click();
  void zAboutVer_Click();
  bool AutoCheckUpdates() const { return readingSettings_.autoUpdateCheck; }
  BrowserPane* UpdateCheckPane() const { return wbChkVer_; }
  // Opens an address in the user's web browser (tests replace it).
  std::function<void(const QString& address)> openUrl_;
  // The browser context menu.
  void EnableCopyMenu();
  void zContextCopy_Click();
  void zContextSelectAll_Click();
  QMenu* ContextMenu() const { return zContext_; }
  QAction* ContextAction(const QString& name) const;
  // Shows the context menu for a pane (what a right click in it does); none on header strips.
  void ShowContextMenuFor(BrowserPane* pane, QPoint globalPos);
  // Runs a search from the search panel (see SearchPanel::Search).
  void SearchBook(const std::string& query);
  void zContextFind_Click();
  const ResultsOptions& SearchOptions() const;
  FindBar* FindOnPage() const { return findBar_; }
  bool Searching() const;

  // Drags of the splitter bars, in pixels within the bar (also what the bars' mouse moves call).
  void DragLeftSplitter(QPoint offset);
  void DragPaneSplitter(QPoint offset);

  // ReadingView.
  void WriteDocument(ReadingPane pane, const std::string& html) override;
  std::string SelectTreeKey(const std::string& key) override;
  std::string SelectedTreeKey() const;
  void SetCaption(const std::string& caption) override;
  void FitHeaderStrip(int pane) override;
  void SetLocationText(int pane, const std::string& text) override;
  void SetCommandEnabled(NavCommand command, bool enabled) override;
  void CheckFontSizeItem(int index);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void CreatePanes();
  void CreateLeftPanel();
  void CreateSearchPanel();
  void CreateFavoritesPanel();
  // What the window itself hides while the favourites view covers the reading area.
  void AdaptToFavoritesView(bool on);
  bool ChooseSaveFile(const QString& proposed, QString& path, int& typeIndex);
  void CreateAboutMenu();
  std::string HelpPageHtml(bool rules) const;
  void ScrollParagraphIntoView(int paragraph);
  void CreateActions();
  void CreateToolbarAndMenus();
  void BuildFontMenus();
  void CreateContextMenu();
  void LayoutLeftPanel();
  void LayoutForm();
  void LayoutPanes();
  void ApplyStripFit(int pane, int toptabPixels);

  bool OnReadingNavigation(int pane, const std::string& url);
  bool OnStripNavigation(const std::string& url);
  void SyncScrollFrom(int source);
  void OnFocusChanged(QWidget* now);

  // Builds the book tree in the current language and shows what it hands back.
  void BuildBookTree(Language oldLanguage);

  void SaveSettings();
  // Persistence of settings and of the place on the page (main_window_persistence.cpp).
  void CreatePersistenceTimers();
  void SettingsChanged();
  void WriteSettingsNow();
  void PaneScrolled(int pane);
  void ReadPosition();
  void ReshowCurrentTarget();
  void FirstPaneWritten();
  void ApplyPendingPosition();
  void ReportRendererFailure();

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
  PageLocator locator_;
  ReadingSettings readingSettings_;

  // Reading state.
  bool syncScroll_ = false;
  int leftPanel_ = 0;
  int webFocus_ = 0;
  bool webSearchGotFocus_ = false;
  bool webFavorGotFocus_ = false;
  bool topStripFocused_ = false;
  bool webRuleGotFocus_ = false;
  int splitterLeftTwips_ = 3000;
  bool settingsLoaded_ = false;
  QTimer* settingsTimer_ = nullptr;
  bool settingsChangedSinceWrite_ = false;
  bool rendererFailureShown_ = false;
  QTimer* positionTimer_ = nullptr;
  ReadingPosition readingPosition_;
  std::optional<ReadingPosition> pendingPosition_;
  bool keepPosition_ = false;
  // Where synchronisation last put each reading pane: its echo is not the reader's scroll.
  std::array<std::optional<int>, 2> syncEchoTop_;

  // Widgets.
  QWidget* central_ = nullptr;
  QWidget* picLeftMenuHead_ = nullptr;
  QLabel* lblLeftMenuCapt_ = nullptr;
  QToolButton* tbClose_ = nullptr;
  QWidget* fraBook_ = nullptr;
  BookTreePanel* treBook_ = nullptr;
  SearchPanel* searchPanel_ = nullptr;
  QPointer<FindBar> findBar_;  // lives in the window of the pane it searches
  FavoritesPanel* favoritesPanel_ = nullptr;
  QMenu* zFileMenu_ = nullptr;
  QMenu* zNavigMenu_ = nullptr;
  QMenu* zLangMenu_ = nullptr;
  QList<QAction*> fileSeparators_;
  QList<QAction*> filePrintActions_;
  QHash<int, QAction*> toolbarSeparators_;
  SplitterBar* picSplitter_ = nullptr;
  std::array<QWidget*, 2> picWeb_{};
  std::array<QWidget*, 2> picWebTop_{};
  std::array<BrowserPane*, 2> wbWeb_{};
  std::array<BrowserPane*, 2> wbTop_{};
  SplitterBar* picSplitWebHor_ = nullptr;
  SplitterBar* picSplitWebVert_ = nullptr;
  BrowserPane* wbPrint_ = nullptr;
  BrowserPane* wbChkVer_ = nullptr;
  HelpWindow* rulesWindow_ = nullptr;
  HelpWindow* helpWindow_ = nullptr;
  QAction* zAboutAutoUpd_ = nullptr;
  QToolBar* tbToolbar_ = nullptr;

  // Commands: toolbar positions 1..25 (separators have none) and the menu-only items.
  std::array<QAction*, 26> toolbarActions_{};
  QAction* zContextFixTop_ = nullptr;
  QAction* zFileExit_ = nullptr;
  QMenu* zContext_ = nullptr;
  QMenu* zPrefFontName_ = nullptr;
  QMenu* zContextFontName_ = nullptr;
  std::array<QList<QAction*>, 2> fontActions_;  // main menu, context menu
  std::array<QList<QAction*>, 2> sizeActions_;
};

}  // namespace orvelis
