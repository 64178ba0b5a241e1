#include "shell/window/main_window.h"

#include <QApplication>
#include <QTimer>
#include <array>

#include "book/book_store.h"
#include "ground/app_info.h"
#include "ports/settings_store.h"
#include "reader/reader_core.h"
#include "shell/book_tree/book_tree_panel.h"
#include "shell/browser/browser_pane.h"
#include "shell/browser/context_menu.h"
#include "shell/browser/document_scheme.h"
#include "shell/browser/page_commands.h"
#include "shell/browser/renderer_failures.h"
#include "shell/favorites/favorites_panel.h"
#include "shell/help/help_commands.h"
#include "shell/output/output_commands.h"
#include "shell/platform/qt_text.h"
#include "shell/platform/settings_writer.h"
#include "shell/reading/layout_commands.h"
#include "shell/reading/navigation_commands.h"
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
      settings_(settings),
      messages_(messages),
      documents_(std::make_unique<DocumentScheme>(Q(userDataFolder))) {
  setObjectName(QStringLiteral("frMain"));
  setWindowTitle(Q(ApplicationTitle()));
  resize(1100, 760);
  central_ = new QWidget(this);
  setCentralWidget(central_);
  central_->installEventFilter(this);
  settingsWriter_ = new SettingsWriter(settings_, [this] { SaveSettings(); }, this);
  settingsWriter_->WatchPlacement(this);
  commands_ = new WindowCommands(this);
  CreatePanels(favorites, messages, userDataFolder);
  CreateCommands(messages);
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focus_->FocusChanged(now); });
  left_->Show(0);
}

MainWindow::~MainWindow() = default;

// The order of creation is the order the panels overlap in: the favourites view covers the panes.
void MainWindow::CreatePanels(FavoritesStore& favorites, MessageSink& messages, const std::string& userDataFolder) {
  treBook_ = new BookTreePanel(book_, settings_, central_);
  connect(treBook_, &BookTreePanel::showRequested, this, &MainWindow::ShowPage);
  connect(treBook_, &BookTreePanel::expansionChanged, this, &MainWindow::SettingsChanged);

  searchPanel_ = new SearchPanel(*documents_, central_);
  reading_ = new ReadingArea(central_, *documents_, *treBook_);
  core_ = std::make_unique<ReaderCore>(book_, settings_, *reading_, *searchPanel_, messages, userDataFolder);
  reading_->Attach(core_->Locator(), core_->Composing());
  searchPanel_->Attach(core_->Search(), core_->SearchOptions());
  connect(reading_, &ReadingArea::captionChanged, this, &QWidget::setWindowTitle);
  connect(reading_, &ReadingArea::settingsChanged, this, &MainWindow::SettingsChanged);
  connect(searchPanel_, &SearchPanel::pageRequested, reading_, &ReadingArea::ShowResult);
  connect(searchPanel_, &SearchPanel::paperRequested, this, &MainWindow::ShowPage);
  connect(searchPanel_, &SearchPanel::optionsChanged, this, &MainWindow::SettingsChanged);

  favoritesPanel_ = new FavoritesPanel(favorites, settings_, messages, *documents_, core_->Styles(), central_, central_);
  connect(reading_, &ReadingArea::locationTextChanged, favoritesPanel_, &FavoritesPanel::SetLocationText);
  connect(favoritesPanel_, &FavoritesPanel::viewShownChanged, this,
          [this](bool on) { commands_->SetReadingCommandsVisible(!on); });
  connect(favoritesPanel_, &FavoritesPanel::settingsChanged, this, &MainWindow::SettingsChanged);

  left_ = new LeftPanel(central_, treBook_, *searchPanel_, *favoritesPanel_, *commands_, book_);
  connect(left_, &LeftPanel::resized, this, [this] {
    LayoutForm();
    SettingsChanged();
  });
  focus_ = new PaneFocus(*reading_, searchPanel_->ResultsPane(), favoritesPanel_->ViewPane(), this);
  rendererFailures_ = new RendererFailures(messages, this);
}

void MainWindow::PrimePanes() {
  // The reading panes get a document now, so that the first page does not wait for the browser
  // to start their renderer processes. The browser gives each page that has loaded a document a
  // renderer process of its own (60 to 100 MB): the search results start theirs when the search
  // panel first shows, the favourite's view and the print pane when they are first written to.
  const std::array<BrowserPane*, kPanesPrimedAtStart> primed{Pane(ReadingPane::Web1), Pane(ReadingPane::Web2),
                                                             Pane(ReadingPane::Top1), Pane(ReadingPane::Top2)};
  for (BrowserPane* pane : primed) pane->PrimeOnWarmPage();
  for (BrowserPane* pane : {Pane(ReadingPane::Web1), Pane(ReadingPane::Web2), searchPanel_->ResultsPane(),
                            favoritesPanel_->ViewPane(), output_->PrintPane(), Pane(ReadingPane::Top1),
                            Pane(ReadingPane::Top2)}) {
    rendererFailures_->Watch(pane);
  }
}

void MainWindow::PrepareSearchWhenIdle() {
  // Well after the first page's paint, which the preparation (tens of milliseconds on this
  // thread, more on a larger book) must not hold up; a search made sooner prepares the pages
  // itself, and this then finds them ready.
  constexpr int kAfterStartMs = 1500;
  QTimer::singleShot(kAfterStartMs, this, [this] { core_->Search().PrepareAhead(book_.CurrentLanguage()); });
}

bool MainWindow::SearchPagesReady(Language lang) const { return core_->Search().PagesReady(lang); }

void MainWindow::LayoutForm() {
  left_->Layout();
  reading_->Layout(left_->Shown() != 0, left_->SplitterLeftTwips());
  favoritesPanel_->View()->setGeometry(reading_->CoveredRect());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == central_ && event->type() == QEvent::Resize) LayoutForm();
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::ShowPage(const std::string& key) { Locator().ShowTarget(key, false, "", -1); }
void MainWindow::ResetHistory() { Locator().ResetHistory(); }
PageLocator& MainWindow::Locator() const { return reading_->Locator(); }
BrowserPane* MainWindow::Pane(ReadingPane pane) const { return reading_->Pane(pane); }
QTreeWidget* MainWindow::BookTree() const { return treBook_; }
QAction* MainWindow::ToolbarAction(int position) const { return commands_->ToolbarAction(position); }
QAction* MainWindow::Action(Cmd cmd) const { return commands_->Action(cmd); }
QMenu* MainWindow::ContextMenu() const { return context_; }
QAction* MainWindow::ContextAction(const QString& name) const { return context_->Item(name); }
Language MainWindow::CurrentLanguage() const { return book_.CurrentLanguage(); }
bool MainWindow::FixedHeaders() const { return core_->Composing().fixedHeaders; }
int MainWindow::LeftPanelShown() const { return left_->Shown(); }
FindBar* MainWindow::FindOnPage() const { return page_->Bar(); }

}  // namespace orvelis
