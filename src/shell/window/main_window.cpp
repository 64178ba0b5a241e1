#include "shell/window/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "book/book_store.h"
#include "ground/app_info.h"
#include "search/highlight.h"
#include "window_rules/book_tree_model.h"
#include "ports/message_sink.h"
#include "navigation/navigation_rules.h"
#include "ports/settings_store.h"
#include "shell/book_tree/book_tree_panel.h"
#include "shell/browser/browser_pane.h"
#include "shell/browser/document_scheme.h"
#include "shell/favorites/favorites_panel.h"
#include "shell/favorites/favorites_add_dialog.h"
#include "shell/favorites/favorites_tree.h"
#include "shell/help/help_window.h"
#include "shell/search/search_panel.h"
#include "shell/platform/qt_text.h"
#include "shell/window/splitter_bar.h"
#include "shell/window/toolbar_icons.h"

namespace orvelis {

MainWindow::MainWindow(BookStore& book, FavoritesStore& favorites, const std::string& userDataFolder,
                       SettingsStore& settings, MessageSink& messages, QWidget* parent)
    : QMainWindow(parent),
      book_(book),
      favorites_(favorites),
      settings_(settings),
      messages_(messages),
      userDataFolder_(userDataFolder),
      documents_(std::make_unique<DocumentScheme>(Q(userDataFolder))),
      stylesheet_(userDataFolder),
      composerSettings_{false, userDataFolder},
      composer_(book, regex_, stylesheet_, composerSettings_),
      locator_(composer_, *this) {
  setObjectName(QStringLiteral("frMain"));
  setWindowTitle(Q(ApplicationTitle()));
  resize(1100, 760);
  central_ = new QWidget(this);
  setCentralWidget(central_);
  central_->installEventFilter(this);
  CreatePanes();
  CreateLeftPanel();
  CreateActions();
  CreateContextMenu();
  CreateToolbarAndMenus();
  composer_.SetHighlighter(MakePageHighlighter(regex_, book_));
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { OnFocusChanged(now); });
  CreatePersistenceTimers();
  ShowLeftPanel(0);
}

MainWindow::~MainWindow() = default;

void MainWindow::CreatePanes() {
  const char* webNames[] = {"wbWeb1", "wbWeb2"};
  const char* topNames[] = {"wbTop1", "wbTop2"};
  for (int i = 0; i < 2; ++i) {
    picWeb_[i] = new QWidget(central_);
    picWeb_[i]->setObjectName(QStringLiteral("picWeb%1").arg(i + 1));
    picWebTop_[i] = new QWidget(picWeb_[i]);
    picWebTop_[i]->setObjectName(QStringLiteral("picWebTop%1").arg(i + 1));
    wbTop_[i] = new BrowserPane(QString::fromLatin1(topNames[i]), *documents_, picWeb_[i]);
    wbWeb_[i] = new BrowserPane(QString::fromLatin1(webNames[i]), *documents_, picWeb_[i]);
    wbTop_[i]->raise();
    const int pane = i;
    wbWeb_[i]->SetNavigationHandler([this, pane](const std::string& url) { return OnReadingNavigation(pane + 1, url); });
    wbTop_[i]->SetNavigationHandler([this](const std::string& url) { return OnStripNavigation(url); });
    connect(wbTop_[i], &BrowserPane::loaded, this, [this, pane] { FitHeaderStrip(pane); });
  }
  picSplitWebHor_ = new SplitterBar(Qt::Horizontal, QStringLiteral("picSplitWebHor"), central_);
  picSplitWebVert_ = new SplitterBar(Qt::Vertical, QStringLiteral("picSplitWebVert"), central_);
  connect(picSplitWebHor_, &SplitterBar::dragged, this, &MainWindow::DragPaneSplitter);
  connect(picSplitWebVert_, &SplitterBar::dragged, this, &MainWindow::DragPaneSplitter);

  wbPrint_ = new BrowserPane(QStringLiteral("wbPrint"), *documents_, central_);
  wbPrint_->hide();
  wbChkVer_ = new BrowserPane(QStringLiteral("wbChkVer"), *documents_, central_);
  wbChkVer_->SetNavigationHandler([](const std::string&) { return true; });
  wbChkVer_->hide();
  connect(wbChkVer_, &BrowserPane::loaded, this, &MainWindow::OnUpdateReply);
}

void MainWindow::PrimePanes() {
  for (BrowserPane* pane : {wbWeb_[0], wbWeb_[1], SearchPane(), FavoritesView(), wbPrint_, wbTop_[0], wbTop_[1]}) {
    pane->Prime();
    // Queued: not from inside the page's own signal; panes sharing a render process fail together.
    connect(pane, &BrowserPane::rendererFailed, this, &MainWindow::ReportRendererFailure,
            static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::UniqueConnection));
  }
}

// Each pane reloads its document by itself when its renderer dies; this is only for one that
// could not be brought back.
void MainWindow::ReportRendererFailure() {
  if (rendererFailureShown_) return;  // one box for the panes that failed together
  rendererFailureShown_ = true;
  messages_.Show({"Не удалось показать страницу: обозреватель несколько раз подряд завершился аварийно. "
                  "Откройте страницу снова или перезапустите программу.",
                  ApplicationTitle(), MessageIcon::Exclamation, MessageButtons::Ok});
  rendererFailureShown_ = false;
}

Language MainWindow::CurrentLanguage() const { return book_.CurrentLanguage(); }

QString MainWindow::LocationText(int pane) const { return favoritesPanel_->LocationText(pane); }

BrowserPane* MainWindow::Pane(ReadingPane pane) const {
  switch (pane) {
    case ReadingPane::Web1: return wbWeb_[0];
    case ReadingPane::Web2: return wbWeb_[1];
    case ReadingPane::Top1: return wbTop_[0];
    case ReadingPane::Top2: return wbTop_[1];
  }
  return wbWeb_[0];
}

BrowserPane* MainWindow::GetWebBrowser() const {
  if (webRuleGotFocus_ && rulesWindow_) return rulesWindow_->Browser();
  if (webSearchGotFocus_) return SearchPane();
  if (webFavorGotFocus_) return FavoritesView();
  return webFocus_ == 2 ? wbWeb_[1] : wbWeb_[0];
}

int MainWindow::CurrentPageNumber() const { return orvelis::CurrentPageNumber(locator_.CurrentKey()); }

void MainWindow::WriteDocument(ReadingPane pane, const std::string& html) {
  if (pane == ReadingPane::Web1) FirstPaneWritten();
  // A new page starts at its top: where synchronisation left the old one means nothing there.
  if (pane == ReadingPane::Web1) syncEchoTop_[0].reset();
  if (pane == ReadingPane::Web2) syncEchoTop_[1].reset();
  Pane(pane)->WriteDocument(html);
  if (pane == ReadingPane::Web1) SettingsChanged();
}

void MainWindow::SetCaption(const std::string& caption) { setWindowTitle(Q(caption)); }

void MainWindow::SetLocationText(int pane, const std::string& text) {
  favoritesPanel_->SetLocationText(pane, Q(text));
}

void MainWindow::SetCommandEnabled(NavCommand command, bool enabled) {
  switch (command) {
    case NavCommand::Back: Action(Cmd::Back)->setEnabled(enabled); break;
    case NavCommand::Forward: Action(Cmd::Forward)->setEnabled(enabled); break;
    case NavCommand::PrevDoc: Action(Cmd::PrevPaper)->setEnabled(enabled); break;
    case NavCommand::PrevPage: Action(Cmd::PrevPage)->setEnabled(enabled); break;
    case NavCommand::NextPage: Action(Cmd::NextPage)->setEnabled(enabled); break;
    case NavCommand::NextDoc: Action(Cmd::NextPaper)->setEnabled(enabled); break;
  }
}

void MainWindow::BuildStylesheet() {
  stylesheet_.Apply(ReadFontSettings(settings_));
  CheckFontSizeItem(stylesheet_.SizeMenuIndex());
}

void MainWindow::CheckFontSizeItem(int index) {
  for (const auto& actions : sizeActions_) {
    for (int i = 0; i < actions.size(); ++i) actions[i]->setChecked(i == index);
  }
}

void MainWindow::LoadSettings() {
  readingSettings_ = LoadReadingSettings(settings_);
  const ReadingSettings& r = readingSettings_;
  const WindowPlacement& w = r.window;
  if (w.width && w.height && *w.width > 0 && *w.height > 0) resize(*w.width / 15, *w.height / 15);
  if (w.left && w.top) move(*w.left / 15, *w.top / 15);
  if (w.state == 2) setWindowState(windowState() | Qt::WindowMaximized);
  if (w.state == 1) setWindowState(windowState() | Qt::WindowMinimized);
  leftPanel_ = r.leftPanel;
  composerSettings_.fixedHeaders = r.fixedHeaders;
  zContextFixTop_->setChecked(r.fixedHeaders);
  syncScroll_ = r.syncScroll;
  Action(Cmd::SyncScroll)->setChecked(r.syncScroll);
  SetLayout(r.layoutMode, true);
  // The first page of the run opens where the reader left it.
  readingPosition_ = ParseReadingPosition(settings_.Read("c_pos")).value_or(ReadingPosition{});
  SetLanguage(r.language);
  favoritesPanel_->Fill();
  if (!r.favoritesNode.empty()) {
    favoritesPanel_->SelectKey(r.favoritesNode);
  }
  // The view opens only when it was open at the last close; showing its node alone must not open it.
  if (r.favoritesViewShown) ShowFavorite(false);
  zAboutAutoUpd_->setChecked(r.autoUpdateCheck);
  if (r.autoUpdateCheck) StartUpdateCheck();
  searchPanel_->Options().sortByRating = r.sortByRating;
  searchPanel_->Options().groupResults = r.groupResults;
  ShowLeftPanel(leftPanel_);
  BuildFontMenus();  // ticks the family read with the settings
  settingsLoaded_ = true;
}

void MainWindow::SaveSettings() {
  ReadingSettings& r = readingSettings_;
  const bool normal = !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
  r.window.state = windowState() & Qt::WindowMaximized ? 2 : windowState() & Qt::WindowMinimized ? 1 : 0;
  if (normal) r.window = {r.window.state, y() * 15, x() * 15, width() * 15, height() * 15};
  r.splitterLeft = splitterLeftTwips_;
  r.leftPanel = leftPanel_;
  r.language = book_.CurrentLanguage();
  r.layoutMode = locator_.LayoutMode();
  r.syncScroll = syncScroll_;
  r.fixedHeaders = composerSettings_.fixedHeaders;
  r.sortByRating = searchPanel_->Options().sortByRating;
  r.groupResults = searchPanel_->Options().groupResults;
  r.favoritesViewShown = favoritesPanel_->ViewShown();
  r.favoritesNode = favoritesPanel_->SelectedKey();
  r.showFavoritesFolders = FavoritesAddDialog::ShowFolders;
  SaveReadingSettings(settings_, r, normal);
  settings_.Write("c_pos", FormatReadingPosition(readingPosition_));
  treBook_->SaveState(locator_.CurrentKey());
  favoritesPanel_->SaveExpandedFolders();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  book_.CloseBook();
  settingsTimer_->stop();
  SaveSettings();
  settings_.Flush();
  settingsLoaded_ = false;  // nothing after the last write
  event->accept();
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) SettingsChanged();
  QMainWindow::changeEvent(event);
}

void MainWindow::moveEvent(QMoveEvent* event) {
  SettingsChanged();
  QMainWindow::moveEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  SettingsChanged();
  QMainWindow::resizeEvent(event);
}

}  // namespace orvelis
