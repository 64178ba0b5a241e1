// What the toolbar's and the menus' commands do where they reach over more than one panel.

#include <QAction>
#include <QShortcut>

#include "book/book_store.h"
#include "navigation/navigation_rules.h"
#include "ports/message_sink.h"
#include "shell/book_tree/book_tree_panel.h"
#include "shell/browser/browser_pane.h"
#include "shell/browser/find_bar.h"
#include "shell/browser/find_page_dialog.h"
#include "shell/favorites/favorites_panel.h"
#include "shell/help/help_commands.h"
#include "shell/output/output_commands.h"
#include "shell/platform/qt_text.h"
#include "shell/reading/reading_area.h"
#include "shell/search/search_panel.h"
#include "shell/window/left_panel.h"
#include "shell/window/main_window.h"
#include "shell/window/pane_focus.h"
#include "shell/window/text_style.h"
#include "shell/window/window_commands.h"
#include "window_rules/book_tree_model.h"

namespace orvelis {

void MainWindow::ConnectCommands() {
  commands_ = new WindowCommands(this);
  const auto on = [this](QAction* action, auto handler) { connect(action, &QAction::triggered, this, handler); };
  const auto page = [this](auto key) {
    return [this, key] {
      if (const std::optional<std::string> target = key(CurrentPageNumber(Locator().CurrentKey()))) ShowPage(*target);
    };
  };
  on(Action(Cmd::Back), [this] { Locator().GoBack(); });
  on(Action(Cmd::Forward), [this] { Locator().GoForward(); });
  on(Action(Cmd::Print), [this] { output_->Print(Pane(ReadingPane::Web1)); });
  on(commands_->PrintPreview(), [this] { output_->Preview(Pane(ReadingPane::Web1)); });
  on(Action(Cmd::Book), [this] { ToggleLeftPanel(1); });
  on(Action(Cmd::Search), [this] { ToggleLeftPanel(2); });
  on(Action(Cmd::Favorites), [this] { ToggleLeftPanel(3); });
  on(Action(Cmd::PrevPaper), page([](int n) { return std::optional<std::string>(PrevDocKey(n)); }));
  on(Action(Cmd::PrevPage), page(PrevPageKey));
  on(Action(Cmd::Contents), [this] { ShowPage("cont"); });
  on(Action(Cmd::NextPage), page(NextPageKey));
  on(Action(Cmd::NextPaper), page(NextDocKey));
  on(Action(Cmd::GoTo), [this] { GoToDialog(); });
  on(Action(Cmd::Russian), [this] { SetLanguage(kRussian); });
  on(Action(Cmd::English), [this] { SetLanguage(kEnglish); });
  on(Action(Cmd::OnePane), [this] { SetLayout(kLayoutOnePane, false); });
  on(Action(Cmd::Stacked), [this] { SetLayout(kLayoutStacked, false); });
  on(Action(Cmd::SideBySide), [this] { SetLayout(kLayoutSideBySide, false); });
  on(Action(Cmd::SyncScroll), [this] { ToggleSyncScroll(); });
  on(Action(Cmd::Site), [this] { help_->OpenSite(); });
  on(commands_->FixHeaders(), [this] { ToggleFixedHeaders(); });
  on(commands_->Exit(), [this] { close(); });
  connect(reading_, &ReadingArea::commandEnabledChanged, this, [this](NavCommand command, bool enabled) {
    static constexpr Cmd kCommandOf[] = {Cmd::Back, Cmd::Forward, Cmd::PrevPage, Cmd::PrevPaper, Cmd::NextPage,
                                         Cmd::NextPaper};
    Action(kCommandOf[static_cast<int>(command)])->setEnabled(enabled);
  });
  connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] { FindOnPageCommand(); });
  commands_->BuildBars(*textStyle_, *help_);
}

void MainWindow::ShowPage(const std::string& key) { Locator().ShowTarget(key, false, "", -1); }

void MainWindow::ShowLeftPanel(int k) {
  left_->Show(k, book_.CurrentLanguage());
  Action(Cmd::Book)->setChecked(k == 1);
  Action(Cmd::Search)->setChecked(k == 2);
  Action(Cmd::Favorites)->setChecked(k == 3);
  SettingsChanged();
  if (k == 2) searchPanel_->ShowPartNames(book_.CurrentLanguage());
  LayoutForm();
}

// The book and search panels also close the favourites view; the favourites panel leaves it.
void MainWindow::ToggleLeftPanel(int k) {
  ShowLeftPanel(left_->Shown() == k ? 0 : k);
  if (k == 3) return;
  favoritesPanel_->SetViewShown(false);
  if (k == 2 && left_->Shown() == 2) searchPanel_->SelectAndFocusSearchBox();  // ready for the query
}

void MainWindow::SetLayout(int mode, bool atStartup) {
  if (mode != Locator().LayoutMode()) {
    Locator().SetLayoutMode(mode);
    if (mode != kLayoutOnePane) reading_->ReshowCurrentTarget();
  }
  Action(Cmd::OnePane)->setChecked(mode == kLayoutOnePane);
  Action(Cmd::Stacked)->setChecked(mode == kLayoutStacked);
  Action(Cmd::SideBySide)->setChecked(mode == kLayoutSideBySide);
  Action(Cmd::SyncScroll)->setEnabled(mode != kLayoutOnePane);
  if (!atStartup) LayoutForm();
  SettingsChanged();
}

void MainWindow::SetLanguage(Language language) {
  if (BookResult r = book_.LoadPageTexts(language); !r) {
    messages_.Show({r.Text(), r.Caption(), MessageIcon::Critical, MessageButtons::Ok});
    Action(Cmd::Russian)->setChecked(book_.CurrentLanguage() == kRussian);
    Action(Cmd::English)->setChecked(book_.CurrentLanguage() == kEnglish);
    return;
  }
  const Language old = book_.CurrentLanguage();
  book_.SetCurrentLanguage(language);
  // The same page in the other language, at the same paragraph.
  reading_->KeepingPlace([&] {
    const std::string key = treBook_->Build(treBook_->IsBuilt() ? old : Language{-1}, Locator().CurrentKey());
    if (!key.empty()) Locator().ShowTarget(key, true, "", -1);
  });
  Action(Cmd::Russian)->setChecked(language == kRussian);
  Action(Cmd::English)->setChecked(language == kEnglish);
  ShowLeftPanel(left_->Shown());
  SettingsChanged();
}

void MainWindow::ToggleSyncScroll() {
  reading_->SetSyncScroll(!reading_->SyncScroll());
  reading_->LineUpPanes();
  Action(Cmd::SyncScroll)->setChecked(reading_->SyncScroll());
  SettingsChanged();
}

void MainWindow::ToggleFixedHeaders() {
  composerSettings_.fixedHeaders = !composerSettings_.fixedHeaders;
  commands_->FixHeaders()->setChecked(composerSettings_.fixedHeaders);
  reading_->ReshowCurrentTarget();
  LayoutForm();
  SettingsChanged();
}

void MainWindow::GoToDialog() {
  FindPageDialog dialog(settings_, messages_, this);
  if (dialog.exec() == QDialog::Accepted) ShowPage(dialog.Target());
}

// The bar belongs to the pane it searches, in that pane's own window (the query-rules window
// too), at the pane's lower edge where it hides none of the page's header.
void MainWindow::FindOnPageCommand() {
  BrowserPane* pane = GetWebBrowser();
  if (!findBar_) findBar_ = new FindBar(pane->parentWidget());
  findBar_->OpenFor(pane);
}

void MainWindow::AddFavoriteCommand() {
  BrowserPane* source = GetWebBrowser();
  const QString location = focus_->InSearch() ? QString() : favoritesPanel_->LocationText(WebFocus() == 2 ? 1 : 0);
  favoritesPanel_->AddFragment(S(location), source->SelectedHtml(), this);
  source->setFocus();
}

// What the window hides while the favourites view covers the reading area.
void MainWindow::AdaptToFavoritesView(bool on) { commands_->SetReadingCommandsVisible(!on); }

// Pages are composed again; the results and the favourites view only get the new style rules,
// without being rebuilt.
void MainWindow::TextStyleChanged() {
  reading_->ReshowCurrentTarget();
  SettingsChanged();
  const QString restyle = textStyle_->RestyleScript();
  if (FavoritesViewShown()) FavoritesView()->RunScript(restyle);
  help_->Restyle();
  if (!searchPanel_->LastQuery().empty()) SearchPane()->RunScript(restyle);
}

}  // namespace orvelis
