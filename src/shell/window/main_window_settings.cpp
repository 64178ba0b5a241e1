// The settings handed to the panels at start and taken back from them at close, and written soon
// after every change (SettingsWriter), so that a kill loses nothing.

#include <QAction>
#include <QCloseEvent>

#include "book/book_store.h"
#include "ports/settings_store.h"
#include "reader/reader_core.h"
#include "shell/book_tree/book_tree_panel.h"
#include "shell/favorites/favorites_add_dialog.h"
#include "shell/favorites/favorites_panel.h"
#include "shell/help/help_commands.h"
#include "shell/platform/settings_writer.h"
#include "shell/platform/window_placement.h"
#include "shell/reading/language_commands.h"
#include "shell/reading/layout_commands.h"
#include "shell/reading/reading_area.h"
#include "shell/window/left_panel.h"
#include "shell/window/main_window.h"
#include "shell/search/search_panel.h"
#include "shell/window/text_style.h"

namespace orvelis {

void MainWindow::BuildStylesheet() { textStyle_->Load(); }

void MainWindow::LoadSettings() {
  readingSettings_ = LoadReadingSettings(settings_);
  const ReadingSettings& r = readingSettings_;
  ApplyPlacement(*this, r.window, true);
  core_->ApplyReadingSettings(r);
  searchPanel_->ShowOptions();
  reading_->Restore(r, settings_);
  layout_->Restore(r);
  language_->SetLanguage(r.language);
  favoritesPanel_->Fill();
  if (!r.favoritesNode.empty()) favoritesPanel_->SelectKey(r.favoritesNode);
  // The view opens only when it was open at the last close; showing its node alone must not open it.
  if (r.favoritesViewShown) favoritesPanel_->ShowFragment();
  help_->SetAutoCheckUpdates(r.autoUpdateCheck);
  if (r.autoUpdateCheck) help_->StartUpdateCheck();
  left_->Restore(r);
  textStyle_->BuildFontMenus();  // ticks the family read with the settings
  settingsWriter_->SetActive(true);
}

void MainWindow::SaveSettings() {
  ReadingSettings& r = readingSettings_;
  bool normal = true;
  const WindowPlacement now = CurrentPlacement(*this, normal);
  if (normal) r.window = now;
  r.window.state = now.state;
  left_->Store(r);
  reading_->Store(r, settings_);
  r.language = book_.CurrentLanguage();
  core_->StoreReadingSettings(r);
  r.autoUpdateCheck = help_->AutoCheckUpdates();
  r.favoritesViewShown = favoritesPanel_->ViewShown();
  r.favoritesNode = favoritesPanel_->SelectedKey();
  r.showFavoritesFolders = FavoritesAddDialog::ShowFolders;
  SaveReadingSettings(settings_, r, normal);
  treBook_->SaveState(Locator().CurrentKey());
  favoritesPanel_->SaveExpandedFolders();
}

void MainWindow::SettingsChanged() { settingsWriter_->Changed(); }

void MainWindow::closeEvent(QCloseEvent* event) {
  book_.CloseBook();
  settingsWriter_->WriteNow();
  settingsWriter_->SetActive(false);  // nothing after the last write
  event->accept();
}

}  // namespace orvelis
