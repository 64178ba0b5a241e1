// The toolbar, the menus and the commands behind them.

#include <QAction>
#include <QActionGroup>
#include <QMenuBar>
#include <QToolBar>
#include <QTreeWidget>

#include "book/book_store.h"
#include "ports/message_sink.h"
#include "navigation/navigation_rules.h"
#include "shell/book_tree/book_tree_panel.h"
#include "shell/browser/browser_pane.h"
#include "shell/browser/find_page_dialog.h"
#include "shell/window/command_table.h"
#include "shell/window/main_window.h"
#include "shell/platform/qt_text.h"
#include "shell/search/search_panel.h"
#include "shell/window/toolbar_icons.h"

namespace orvelis {

void MainWindow::CreateActions() {
  for (const CommandSpec& spec : ToolbarCommands()) {
    const int position = static_cast<int>(spec.cmd);
    auto* action = new QAction(ToolbarIcon(position), QString::fromUtf8(spec.menuText), this);
    action->setObjectName(QString::fromLatin1(spec.objectName));
    action->setToolTip(QString::fromUtf8(spec.tooltip));
    action->setCheckable(spec.checkable);
    if (*spec.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(spec.shortcut), QKeySequence::PortableText));
    toolbarActions_[static_cast<std::size_t>(position)] = action;
  }
  const auto on = [this](Cmd cmd, auto handler) { connect(Action(cmd), &QAction::triggered, this, handler); };
  on(Cmd::Back, [this] { zContextBack_Click(); });
  on(Cmd::Forward, [this] { zContextForw_Click(); });
  on(Cmd::Print, [this] { zFilePrint_Click(); });
  on(Cmd::Book, [this] { zToolsBook_Click(); });
  on(Cmd::Search, [this] { zToolsSearch_Click(); });
  on(Cmd::Favorites, [this] { zToolsFavor_Click(); });
  on(Cmd::PrevPaper, [this] { zNavigPrevDoc_Click(); });
  on(Cmd::PrevPage, [this] { zNavigPrevPage_Click(); });
  on(Cmd::Contents, [this] { zNavigCont_Click(); });
  on(Cmd::NextPage, [this] { zNavigNextPage_Click(); });
  on(Cmd::NextPaper, [this] { zNavigNextDoc_Click(); });
  on(Cmd::GoTo, [this] { zNavigFindPage_Click(); });
  on(Cmd::Russian, [this] { SetLanguage(kRussian); });
  on(Cmd::English, [this] { SetLanguage(kEnglish); });
  on(Cmd::OnePane, [this] { SetLayout(kLayoutOnePane, false); });
  on(Cmd::Stacked, [this] { SetLayout(kLayoutStacked, false); });
  on(Cmd::SideBySide, [this] { SetLayout(kLayoutSideBySide, false); });
  on(Cmd::SyncScroll, [this] { zLangSync_Click(); });
  on(Cmd::Site, [this] { zAboutOrvel_Click(); });
  // The history is empty at start; the locator enables these as it fills.
  Action(Cmd::Back)->setEnabled(false);
  Action(Cmd::Forward)->setEnabled(false);

  zContextFixTop_ = new QAction(QStringLiteral("Фиксировать заголовки"), this);
  zContextFixTop_->setObjectName(QStringLiteral("zContextFixTop"));
  zContextFixTop_->setCheckable(true);
  connect(zContextFixTop_, &QAction::triggered, this, [this] { zContextFixTop_Click(); });
  zFileExit_ = new QAction(QStringLiteral("Выход"), this);
  zFileExit_->setObjectName(QStringLiteral("zFileExit"));
  connect(zFileExit_, &QAction::triggered, this, &QWidget::close);
}

void MainWindow::SetLayout(int mode, bool atStartup) {
  if (mode != locator_.LayoutMode()) {
    locator_.SetLayoutMode(mode);
    if (mode != kLayoutOnePane) ReshowCurrentTarget();
  }
  Action(Cmd::OnePane)->setChecked(mode == kLayoutOnePane);
  Action(Cmd::Stacked)->setChecked(mode == kLayoutStacked);
  Action(Cmd::SideBySide)->setChecked(mode == kLayoutSideBySide);
  Action(Cmd::SyncScroll)->setEnabled(mode != kLayoutOnePane);
  if (!atStartup) LayoutPanes();
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
  keepPosition_ = true;  // the same page in the other language, at the same paragraph
  BuildBookTree(treBook_->IsBuilt() ? old : Language{-1});
  keepPosition_ = false;
  Action(Cmd::Russian)->setChecked(language == kRussian);
  Action(Cmd::English)->setChecked(language == kEnglish);
  ShowLeftPanel(leftPanel_);
  SettingsChanged();
}

void MainWindow::zLangSync_Click() {
  syncScroll_ = !syncScroll_;
  Action(Cmd::SyncScroll)->setChecked(syncScroll_);
  webFocus_ = 1;
  SyncScrollFrom(1);
  SettingsChanged();
}

void MainWindow::zContextFixTop_Click() {
  composerSettings_.fixedHeaders = !composerSettings_.fixedHeaders;
  zContextFixTop_->setChecked(composerSettings_.fixedHeaders);
  ReshowCurrentTarget();
  LayoutPanes();
  SettingsChanged();
}

void MainWindow::zNavigNextPage_Click() {
  if (const auto key = NextPageKey(CurrentPageNumber())) locator_.ShowTarget(*key, false, "", -1);
}

void MainWindow::zNavigPrevPage_Click() {
  if (const auto key = PrevPageKey(CurrentPageNumber())) locator_.ShowTarget(*key, false, "", -1);
}

void MainWindow::zNavigNextDoc_Click() {
  if (const auto key = NextDocKey(CurrentPageNumber())) locator_.ShowTarget(*key, false, "", -1);
}

void MainWindow::zNavigPrevDoc_Click() { locator_.ShowTarget(PrevDocKey(CurrentPageNumber()), false, "", -1); }

void MainWindow::zNavigCont_Click() { locator_.ShowTarget("cont", false, "", -1); }

void MainWindow::zToolsBook_Click() {
  ShowLeftPanel(leftPanel_ == 1 ? 0 : 1);
  SetFavoritesView(false);
}

void MainWindow::zToolsSearch_Click() {
  ShowLeftPanel(leftPanel_ == 2 ? 0 : 2);
  SetFavoritesView(false);
  if (leftPanel_ == 2) searchPanel_->SelectAndFocusSearchBox();  // ready for the query
}

void MainWindow::zNavigFindPage_Click() {
  FindPageDialog dialog(settings_, messages_, this);
  if (dialog.exec() == QDialog::Accepted) locator_.ShowTarget(dialog.Target(), false, "", -1);
}

void MainWindow::zToolsFavor_Click() { ShowLeftPanel(leftPanel_ == 3 ? 0 : 3); }

}  // namespace orvelis
