// The settings handed to the panels at start and taken back from them at close. What the reader
// leaves behind survives a restart, a kill or a crash: settings are written as soon as the command
// that changed them is done, and once more after a burst of changes (such as a splitter drag).

#include <QAction>
#include <QCloseEvent>
#include <QTimer>

#include "book/book_store.h"
#include "ports/settings_store.h"
#include "shell/book_tree/book_tree_panel.h"
#include "shell/favorites/favorites_add_dialog.h"
#include "shell/favorites/favorites_panel.h"
#include "shell/help/help_commands.h"
#include "shell/reading/reading_area.h"
#include "shell/search/search_panel.h"
#include "shell/window/left_panel.h"
#include "shell/window/main_window.h"
#include "shell/window/text_style.h"
#include "shell/window/window_commands.h"

namespace orvelis {
namespace {

constexpr int kSettingsDelayMs = 400;

}  // namespace

void MainWindow::BuildStylesheet() { textStyle_->Load(); }

void MainWindow::LoadSettings() {
  readingSettings_ = LoadReadingSettings(settings_);
  const ReadingSettings& r = readingSettings_;
  const WindowPlacement& w = r.window;
  if (w.width && w.height && *w.width > 0 && *w.height > 0) resize(*w.width / 15, *w.height / 15);
  if (w.left && w.top) move(*w.left / 15, *w.top / 15);
  if (w.state == 2) setWindowState(windowState() | Qt::WindowMaximized);
  if (w.state == 1) setWindowState(windowState() | Qt::WindowMinimized);
  left_->SetWidths(r.panelWidth);
  left_->Show(r.leftPanel, book_.CurrentLanguage());
  reading_->SetSplitRatios(r.splitRatioHor, r.splitRatioVert);
  composerSettings_.fixedHeaders = r.fixedHeaders;
  commands_->FixHeaders()->setChecked(r.fixedHeaders);
  reading_->SetSyncScroll(r.syncScroll);
  Action(Cmd::SyncScroll)->setChecked(r.syncScroll);
  SetLayout(r.layoutMode, true);
  // The first page of the run opens where the reader left it.
  reading_->SetPosition(ParseReadingPosition(settings_.Read("c_pos")).value_or(ReadingPosition{}));
  SetLanguage(r.language);
  favoritesPanel_->Fill();
  if (!r.favoritesNode.empty()) favoritesPanel_->SelectKey(r.favoritesNode);
  // The view opens only when it was open at the last close; showing its node alone must not open it.
  if (r.favoritesViewShown) favoritesPanel_->ShowFragment();
  help_->SetAutoCheckUpdates(r.autoUpdateCheck);
  if (r.autoUpdateCheck) help_->StartUpdateCheck();
  searchPanel_->Options().sortByRating = r.sortByRating;
  searchPanel_->Options().groupResults = r.groupResults;
  ShowLeftPanel(r.leftPanel);
  textStyle_->BuildFontMenus();  // ticks the family read with the settings
  settingsLoaded_ = true;
}

void MainWindow::SaveSettings() {
  ReadingSettings& r = readingSettings_;
  const bool normal = !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
  r.window.state = windowState() & Qt::WindowMaximized ? 2 : windowState() & Qt::WindowMinimized ? 1 : 0;
  if (normal) r.window = {r.window.state, y() * 15, x() * 15, width() * 15, height() * 15};
  r.splitterLeft = left_->SplitterLeftTwips();
  r.panelWidth = left_->Widths();
  r.splitRatioHor = reading_->SplitRatioHor();
  r.splitRatioVert = reading_->SplitRatioVert();
  r.leftPanel = left_->Shown();
  r.language = book_.CurrentLanguage();
  r.layoutMode = Locator().LayoutMode();
  r.syncScroll = reading_->SyncScroll();
  r.fixedHeaders = composerSettings_.fixedHeaders;
  r.autoUpdateCheck = help_->AutoCheckUpdates();
  r.sortByRating = searchPanel_->Options().sortByRating;
  r.groupResults = searchPanel_->Options().groupResults;
  r.favoritesViewShown = favoritesPanel_->ViewShown();
  r.favoritesNode = favoritesPanel_->SelectedKey();
  r.showFavoritesFolders = FavoritesAddDialog::ShowFolders;
  SaveReadingSettings(settings_, r, normal);
  settings_.Write("c_pos", FormatReadingPosition(reading_->Position()));
  treBook_->SaveState(Locator().CurrentKey());
  favoritesPanel_->SaveExpandedFolders();
}

void MainWindow::CreateSettingsTimer() {
  settingsTimer_ = new QTimer(this);
  settingsTimer_->setSingleShot(true);
  settingsTimer_->setInterval(kSettingsDelayMs);
  connect(settingsTimer_, &QTimer::timeout, this, [this] {
    if (!settingsChangedSinceWrite_) return;
    settingsChangedSinceWrite_ = false;
    WriteSettingsNow();
  });
}

// The first change of a quiet spell is written once the command that made it has finished (a kill
// right after a click keeps it); further changes within kSettingsDelayMs of each other are written
// once, when they stop.
void MainWindow::SettingsChanged() {
  if (!settingsLoaded_) return;
  if (settingsTimer_->isActive()) {
    settingsChangedSinceWrite_ = true;
    settingsTimer_->start();
    return;
  }
  settingsChangedSinceWrite_ = false;
  settingsTimer_->start();
  QTimer::singleShot(0, this, &MainWindow::WriteSettingsNow);
}

void MainWindow::WriteSettingsNow() {
  SaveSettings();
  settings_.Flush();
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
