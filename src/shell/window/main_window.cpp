#include "shell/window/main_window.h"

#include <QAction>
#include <QApplication>
#include <QShortcut>
#include <QVBoxLayout>

#include "book/book_store.h"
#include "ground/app_info.h"
#include "navigation/navigation_rules.h"
#include "ports/message_sink.h"
#include "search/highlight.h"
#include "shell/book_tree/book_tree_panel.h"
#include "shell/browser/browser_pane.h"
#include "shell/browser/context_menu.h"
#include "shell/browser/document_scheme.h"
#include "shell/browser/find_bar.h"
#include "shell/favorites/favorites_panel.h"
#include "shell/help/help_commands.h"
#include "shell/output/output_commands.h"
#include "shell/platform/qt_text.h"
#include "shell/reading/reading_area.h"
#include "shell/search/search_panel.h"
#include "shell/window/left_panel.h"
#include "shell/window/pane_focus.h"
#include "shell/window/text_style.h"
#include "shell/window/window_commands.h"

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
      composer_(book, regex_, stylesheet_, composerSettings_) {
  setObjectName(QStringLiteral("frMain"));
  setWindowTitle(Q(ApplicationTitle()));
  resize(1100, 760);
  central_ = new QWidget(this);
  setCentralWidget(central_);
  central_->installEventFilter(this);
  composer_.SetHighlighter(MakePageHighlighter(regex_, book_));
  CreatePanels();
  ConnectCommands();
  CreateContextMenu();
  textStyle_->BuildFontMenus();
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focus_->FocusChanged(now); });
  CreateSettingsTimer();
  ShowLeftPanel(0);
}

MainWindow::~MainWindow() = default;

void MainWindow::CreatePanels() {
  fraBook_ = new QWidget(central_);
  fraBook_->setObjectName(QStringLiteral("fraBook"));
  auto* bookLayout = new QVBoxLayout(fraBook_);
  bookLayout->setContentsMargins(2, 2, 2, 2);
  treBook_ = new BookTreePanel(book_, settings_, fraBook_);
  bookLayout->addWidget(treBook_);
  connect(treBook_, &BookTreePanel::showRequested, this, &MainWindow::ShowPage);
  connect(treBook_, &BookTreePanel::expansionChanged, this, &MainWindow::SettingsChanged);

  searchPanel_ = new SearchPanel(book_, regex_, stylesheet_, messages_, *documents_, central_);
  connect(searchPanel_, &SearchPanel::pageRequested, this,
          [this](const std::string& key, const std::string& highlight, int paragraph, bool scrollToParagraph) {
            Locator().ShowTarget(key, false, highlight, paragraph);
            if (scrollToParagraph) reading_->ScrollParagraphIntoView(paragraph);
          });
  connect(searchPanel_, &SearchPanel::paperRequested, this, &MainWindow::ShowPage);
  connect(searchPanel_, &SearchPanel::optionsChanged, this, &MainWindow::SettingsChanged);

  favoritesPanel_ = new FavoritesPanel(favorites_, settings_, messages_, *documents_, stylesheet_, central_, central_);
  connect(favoritesPanel_, &FavoritesPanel::viewShownChanged, this, &MainWindow::AdaptToFavoritesView);
  connect(favoritesPanel_, &FavoritesPanel::settingsChanged, this, &MainWindow::SettingsChanged);

  left_ = new LeftPanel(central_, {fraBook_, searchPanel_, favoritesPanel_});
  connect(left_, &LeftPanel::closeRequested, this, [this] { ShowLeftPanel(0); });
  connect(left_, &LeftPanel::resized, this, [this] {
    LayoutForm();
    SettingsChanged();
  });

  reading_ = new ReadingArea(central_, *documents_, composer_, *treBook_);
  connect(reading_, &ReadingArea::captionChanged, this, &QWidget::setWindowTitle);
  connect(reading_, &ReadingArea::locationTextChanged, favoritesPanel_, &FavoritesPanel::SetLocationText);
  connect(reading_, &ReadingArea::settingsChanged, this, &MainWindow::SettingsChanged);
  // The favourites view covers the reading area, so it is raised over the panes made after it.
  favoritesPanel_->View()->raise();

  focus_ = new PaneFocus(*reading_, SearchPane(), FavoritesView(), this);
  output_ = new OutputCommands(this, *focus_, *reading_, composer_, composerSettings_, regex_, messages_, *documents_);
  connect(favoritesPanel_, &FavoritesPanel::printRequested, this,
          [this] { output_->PrintDocument(favoritesPanel_->FragmentDocument(true)); });
  help_ = new HelpCommands(this, book_, settings_, messages_, regex_, stylesheet_, *documents_);
  connect(help_, &HelpCommands::contextMenuWanted, this, &MainWindow::ShowContextMenuFor);
  connect(help_, &HelpCommands::rulesPaneChanged, focus_, &PaneFocus::SetRulesPane);
  connect(help_, &HelpCommands::settingsChanged, this, &MainWindow::SettingsChanged);
  connect(searchPanel_, &SearchPanel::rulesRequested, help_, &HelpCommands::ShowRules);
  textStyle_ = new TextStyle(stylesheet_, settings_, this);
  connect(textStyle_, &TextStyle::changed, this, &MainWindow::TextStyleChanged);
}

void MainWindow::PrimePanes() {
  for (BrowserPane* pane : {Pane(ReadingPane::Web1), Pane(ReadingPane::Web2), SearchPane(), FavoritesView(),
                            output_->PrintPane(), Pane(ReadingPane::Top1), Pane(ReadingPane::Top2)}) {
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

void MainWindow::CreateContextMenu() {
  BrowserContextMenu::Commands run;
  run.back = [this] { Locator().GoBack(); };
  run.forward = [this] { Locator().GoForward(); };
  run.selectAll = [this] { GetWebBrowser()->triggerPageAction(QWebEnginePage::SelectAll); };
  run.copy = [this] {
    BrowserPane* pane = GetWebBrowser();
    pane->setFocus();
    pane->triggerPageAction(QWebEnginePage::Copy);
  };
  run.addFavorite = [this] { AddFavoriteCommand(); };
  run.saveAs = [this] { output_->SaveAs(); };
  run.find = [this] { FindOnPageCommand(); };
  run.preview = [this] { output_->Preview(GetWebBrowser()); };
  run.print = [this] { output_->Print(GetWebBrowser()); };
  context_ = new BrowserContextMenu(commands_->FixHeaders(), *textStyle_, run, this);
  for (ReadingPane pane : {ReadingPane::Web1, ReadingPane::Web2, ReadingPane::Top1, ReadingPane::Top2}) {
    connect(Pane(pane), &BrowserPane::contextMenuWanted, this,
            [this, pane](QPoint at) { ShowContextMenuFor(Pane(pane), at); });
  }
  for (BrowserPane* pane : {FavoritesView(), SearchPane()}) {
    connect(pane, &BrowserPane::contextMenuWanted, this, [this, pane](QPoint at) { ShowContextMenuFor(pane, at); });
  }
}

void MainWindow::ShowContextMenuFor(BrowserPane* pane, QPoint globalPos) {
  focus_->FocusChanged(pane->focusProxy() ? pane->focusProxy() : pane);
  if (reading_->StripFocused()) return;  // no menu at all over a header strip
  const bool page = !focus_->InSearch() && !focus_->InRules();
  context_->Prepare({page, Action(Cmd::Back)->isEnabled(), Action(Cmd::Forward)->isEnabled(),
                     page && !focus_->InFavorites(), GetWebBrowser()->hasSelection()});
  context_->popup(globalPos);
}

void MainWindow::LayoutForm() {
  left_->Layout();
  reading_->Layout(left_->Shown() != 0, left_->SplitterLeftTwips());
  favoritesPanel_->View()->setGeometry(reading_->CoveredRect());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == central_ && event->type() == QEvent::Resize) LayoutForm();
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::ResetHistory() { Locator().ResetHistory(); }
PageLocator& MainWindow::Locator() const { return reading_->Locator(); }
BrowserPane* MainWindow::Pane(ReadingPane pane) const { return reading_->Pane(pane); }
BrowserPane* MainWindow::SearchPane() const { return searchPanel_->ResultsPane(); }
BrowserPane* MainWindow::FavoritesView() const { return favoritesPanel_->ViewPane(); }
FavoritesTreeWidget* MainWindow::FavoritesTree() const { return favoritesPanel_->Tree(); }
QMenu* MainWindow::FavoritesMenu() const { return favoritesPanel_->Menu(); }
bool MainWindow::FavoritesViewShown() const { return favoritesPanel_->ViewShown(); }
QTreeWidget* MainWindow::BookTree() const { return treBook_; }
std::string MainWindow::SelectedTreeKey() const { return treBook_->SelectedKey(); }
QAction* MainWindow::ToolbarAction(int position) const { return commands_->ToolbarAction(position); }
QAction* MainWindow::Action(Cmd cmd) const { return commands_->Action(cmd); }
QMenu* MainWindow::ContextMenu() const { return context_; }
QAction* MainWindow::ContextAction(const QString& name) const { return context_->Item(name); }
const ResultsOptions& MainWindow::SearchOptions() const { return searchPanel_->Options(); }
const ReadingPosition& MainWindow::Position() const { return reading_->Position(); }
Language MainWindow::CurrentLanguage() const { return book_.CurrentLanguage(); }
int MainWindow::LayoutMode() const { return Locator().LayoutMode(); }
bool MainWindow::SyncScroll() const { return reading_->SyncScroll(); }
int MainWindow::LeftPanelShown() const { return left_->Shown(); }
int MainWindow::WebFocus() const { return reading_->WebFocus(); }
bool MainWindow::AutoCheckUpdates() const { return help_->AutoCheckUpdates(); }
BrowserPane* MainWindow::GetWebBrowser() const { return focus_->Browser(); }
FindBar* MainWindow::FindOnPage() const { return findBar_; }

}  // namespace orvelis
