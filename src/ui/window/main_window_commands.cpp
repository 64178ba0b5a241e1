// The toolbar, the menus and the commands behind them.

#include <QAction>
#include <QActionGroup>
#include <QMenuBar>
#include <QToolBar>
#include <QTreeWidget>

#include "book/book_store.h"
#include "ui/message_sink.h"
#include "ui/navigation_rules.h"
#include "ui/window/browser_pane.h"
#include "ui/window/find_page_dialog.h"
#include "ui/window/main_window.h"
#include "ui/window/qt_text.h"
#include "ui/window/toolbar_icons.h"

namespace orvelis {
namespace {

struct ToolbarButton {
  int index;
  const char* tooltip;
  bool checkable;
};

// The toolbar's fixed positions; 4, 8, 14, 16, 19 and 24 are separators.
constexpr ToolbarButton kButtons[] = {
    {1, "Назад на предыдущую просмотренную страницу", false},
    {2, "Вперед на следующую просмотренную страницу", false},
    {3, "Печать текущей страницы основного окна", false},
    {5, "Книга", true},
    {6, "Поиск", true},
    {7, "Избранное", true},
    {9, "Предыдущий Документ", false},
    {10, "Предыдущая страница", false},
    {11, "Оглавление", false},
    {12, "Следующая страница", false},
    {13, "Следующий Документ", false},
    {15, "Перейти к ...", false},
    {17, "Текст Книги на русском языке", true},
    {18, "Текст Книги на английском языке", true},
    {20, "Текст на одном языке", true},
    {21, "Горизонтальное расположение окон", true},
    {22, "Вертикальное расположение окон", true},
    {23, "Синхронизировать прокрутку окон", true},
    {25, "Сайт читателей Книги Орвелис", false},
};
constexpr int kSeparators[] = {4, 8, 14, 16, 19, 24};

}  // namespace

void MainWindow::CreateActions() {
  for (const ToolbarButton& b : kButtons) {
    auto* action = new QAction(ToolbarIcon(b.index), QString::fromUtf8(b.tooltip), this);
    action->setObjectName(QStringLiteral("tbToolbar_%1").arg(b.index));
    action->setToolTip(QString::fromUtf8(b.tooltip));
    action->setCheckable(b.checkable);
    toolbarActions_[static_cast<std::size_t>(b.index)] = action;
  }
  const auto on = [this](int index, auto handler) {
    connect(ToolbarAction(index), &QAction::triggered, this, handler);
  };
  on(1, [this] { zContextBack_Click(); });
  on(2, [this] { zContextForw_Click(); });
  on(5, [this] { zToolsBook_Click(); });
  on(6, [this] { zToolsSearch_Click(); });
  on(7, [this] { zToolsFavor_Click(); });
  on(9, [this] { zNavigPrevDoc_Click(); });
  on(10, [this] { zNavigPrevPage_Click(); });
  on(11, [this] { zNavigCont_Click(); });
  on(12, [this] { zNavigNextPage_Click(); });
  on(13, [this] { zNavigNextDoc_Click(); });
  on(17, [this] { SetLanguage(kRussian); });
  on(18, [this] { SetLanguage(kEnglish); });
  on(20, [this] { SetLayout(kLayoutOnePane, false); });
  on(21, [this] { SetLayout(kLayoutStacked, false); });
  on(22, [this] { SetLayout(kLayoutSideBySide, false); });
  on(23, [this] { zLangSync_Click(); });
  on(15, [this] { zNavigFindPage_Click(); });
  for (int index : {1, 2}) ToolbarAction(index)->setEnabled(false);
  // Buttons whose command comes with later windows (printing, go-to, the web site) wait for them.
  ToolbarAction(25)->setEnabled(false);
  on(3, [this] { zFilePrint_Click(); });
  ToolbarAction(3)->setShortcut(QKeySequence::Print);
  ToolbarAction(15)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));

  ToolbarAction(1)->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
  ToolbarAction(2)->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
  ToolbarAction(10)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
  ToolbarAction(12)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
  ToolbarAction(9)->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_PageUp));
  ToolbarAction(13)->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_PageDown));
  ToolbarAction(11)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Home));

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
  for (int index : {20, 21, 22}) ToolbarAction(index)->setChecked(index == mode);
  ToolbarAction(23)->setEnabled(mode != kLayoutOnePane);
  if (!atStartup) LayoutPanes();
  SettingsChanged();
}

void MainWindow::SetLanguage(Language language) {
  if (BookResult r = book_.LoadPageTexts(language); !r) {
    messages_.Show({r.Text(), r.Caption(), MessageIcon::Critical, MessageButtons::Ok});
    ToolbarAction(17)->setChecked(book_.CurrentLanguage() == kRussian);
    ToolbarAction(18)->setChecked(book_.CurrentLanguage() == kEnglish);
    return;
  }
  const Language old = book_.CurrentLanguage();
  book_.SetCurrentLanguage(language);
  keepPosition_ = true;  // the same page in the other language, at the same paragraph
  BuildBookTree(treBook_->topLevelItemCount() == 0 ? Language{-1} : old);
  keepPosition_ = false;
  ToolbarAction(17)->setChecked(language == kRussian);
  ToolbarAction(18)->setChecked(language == kEnglish);
  ShowLeftPanel(leftPanel_);
  SettingsChanged();
}

void MainWindow::zLangSync_Click() {
  syncScroll_ = !syncScroll_;
  ToolbarAction(23)->setChecked(syncScroll_);
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
}

void MainWindow::zNavigFindPage_Click() {
  FindPageDialog dialog(settings_, messages_, this);
  if (dialog.exec() == QDialog::Accepted) locator_.ShowTarget(dialog.Target(), false, "", -1);
}

void MainWindow::zToolsFavor_Click() { ShowLeftPanel(leftPanel_ == 3 ? 0 : 3); }

}  // namespace orvelis
