// Favourites in the window: the tree of left panel 3, the view over the reading area, renaming,
// deleting and moving by drag and drop, and the add dialog.

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

#include "favorites/favorites_store.h"
#include "render/html_escape.h"
#include "render/text_replace.h"
#include "ui/link_protocol.h"
#include "ui/message_sink.h"
#include "ui/settings_store.h"
#include "ui/window/browser_pane.h"
#include "ui/window/favorites_add_dialog.h"
#include "ui/window/favorites_tree.h"
#include "ui/window/main_window.h"
#include "ui/window/qt_text.h"
#include "ui/window/toolbar_icons.h"

namespace orvelis {

void MainWindow::CreateFavoritesPanel() {
  fraFavor_ = new QWidget(central_);
  fraFavor_->setObjectName(QStringLiteral("fraFavor"));
  auto* favor = new QVBoxLayout(fraFavor_);
  favor->setContentsMargins(2, 2, 2, 2);
  treFavor_ = new FavoritesTreeWidget(fraFavor_);
  treFavor_->setObjectName(QStringLiteral("treFavor"));
  treFavor_->setContextMenuPolicy(Qt::CustomContextMenu);
  treFavor_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  favor->addWidget(treFavor_);
  txtAdd1_ = new QLineEdit(fraFavor_);
  txtAdd1_->setObjectName(QStringLiteral("txtAdd1"));
  txtAdd1_->hide();

  treFavor_->onDrop = [this](const QString& source, const QString& target) { MoveFavorite(source, target); };
  connect(treFavor_, &QTreeWidget::itemDoubleClicked, this, [this] { ShowFavorite(false); });
  connect(treFavor_, &QTreeWidget::customContextMenuRequested, this, &MainWindow::ShowFavoritesMenuAt);
  // An icon change is an item change too: the rename handler must not see it.
  connect(treFavor_, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
    const QSignalBlocker block(treFavor_);
    SetFolderIcon(item);
    SettingsChanged();
  });
  connect(treFavor_, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
    const QSignalBlocker block(treFavor_);
    if (FavoriteKey(item) == QLatin1String("f")) item->setExpanded(true);  // the root never collapses
    SetFolderIcon(item);
    SettingsChanged();
  });
  connect(treFavor_, &QTreeWidget::currentItemChanged, this, [this] { SettingsChanged(); });
  // Label editing: an empty name is never accepted, the editor opens again. Only a real change of
  // the name reaches the store, which saves the file.
  connect(treFavor_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) {
    const QString key = FavoriteKey(item);
    const std::string stored = StoredFavoriteName(key);
    if (item->text(0).isEmpty()) {
      const QSignalBlocker block(treFavor_);
      item->setText(0, Q(stored));
      treFavor_->editItem(item);
      return;
    }
    if (S(item->text(0)) != stored) favorites_.RenameFavorite(S(key), S(item->text(0)));
  });

  zContFavor_ = new QMenu(QStringLiteral("Контекстное меню избранное"), this);
  zContFavor_->setObjectName(QStringLiteral("zContFavor"));
  zContFavor_->addAction(QStringLiteral("Показать"), this, [this] { ShowFavorite(false); })
      ->setObjectName(QStringLiteral("zContFavorShow"));
  zContFavor_->addAction(QStringLiteral("Печать"), this, [this] { PrintFavorite(); })
      ->setObjectName(QStringLiteral("zContFavorPrint"));
  zContFavor_->addSeparator()->setObjectName(QStringLiteral("zContFavorSep1"));
  zContFavor_->addAction(QStringLiteral("Переименовать"), this, [this] {
    if (QTreeWidgetItem* item = treFavor_->currentItem()) treFavor_->editItem(item);
  })->setObjectName(QStringLiteral("zContFavorRename"));
  zContFavor_->addAction(QStringLiteral("Удалить"), this, [this] {
    QTreeWidgetItem* item = treFavor_->currentItem();
    if (item && FavoriteKey(item) != QLatin1String("f")) DeleteFavorite(FavoriteKey(item), item->text(0));
  })->setObjectName(QStringLiteral("zContFavorDelete"));
}

void MainWindow::CreateFavoritesView() {
  picFavWeb_ = new QWidget(central_);
  picFavWeb_->setObjectName(QStringLiteral("picFavWeb"));
  picFavWeb_->setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(picFavWeb_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* top = new QWidget(picFavWeb_);
  top->setObjectName(QStringLiteral("picFavTop"));
  auto* topRow = new QHBoxLayout(top);
  topRow->setContentsMargins(6, 2, 2, 2);
  lblFavor_ = new QLabel(QStringLiteral("Избранное"), top);
  lblFavor_->setObjectName(QStringLiteral("lblFavor"));
  lblFavor_->setTextFormat(Qt::PlainText);  // it shows the user's names, which are never markup
  auto* close = new QToolButton(top);
  close->setObjectName(QStringLiteral("tbFavortop"));
  close->setIcon(NamedIcon(QStringLiteral("close")));
  close->setToolTip(QStringLiteral("Закрыть окно текста избранного"));
  close->setAutoRaise(true);
  connect(close, &QToolButton::clicked, this, [this] { SetFavoritesView(false); });
  topRow->addWidget(lblFavor_, 1);
  topRow->addWidget(close);
  layout->addWidget(top);
  wbFavWeb_ = new BrowserPane(QStringLiteral("wbFavWeb"), *documents_, picFavWeb_);
  wbFavWeb_->SetNavigationHandler([](const std::string& url) { return FavoritesViewAllows(url); });
  layout->addWidget(wbFavWeb_, 1);
  txtAdd2_ = new QLineEdit(picFavWeb_);
  txtAdd2_->setObjectName(QStringLiteral("txtAdd2"));
  txtAdd2_->hide();
  picFavWeb_->hide();
}

std::string MainWindow::StoredFavoriteName(const QString& key) {
  CFavorites* parent = nullptr;
  int n = 0;
  if (key.startsWith(QLatin1Char('d'))) {
    if (CFoldDoc* d = favorites_.FavoritesRoot().GetDocFromKey(S(key), parent, n)) return d->name;
  } else if (CFavorites* f = favorites_.FavoritesRoot().GetFolderFromKey(S(key), parent, n)) {
    return f->FolderName;
  }
  return {};
}

// Sub-folders show an open folder while expanded; the root keeps its own picture.
void MainWindow::SetFolderIcon(QTreeWidgetItem* item) {
  const QString key = FavoriteKey(item);
  if (!key.startsWith(QLatin1Char('f')) || key == QLatin1String("f")) return;
  item->setIcon(0, NamedIcon(item->isExpanded() ? QStringLiteral("open_folder") : QStringLiteral("folder")));
}

void MainWindow::FillFavoritesTree() {
  const QSignalBlocker block(treFavor_);
  treFavor_->clear();
  orvelis::FillFavoritesTree(favorites_.FavoritesRoot(), treFavor_, true);
  RestoreExpandedFolders();
}

void MainWindow::RefreshFavoritesTree() {
  treFavor_->setUpdatesEnabled(false);
  SaveExpandedFolders();
  FillFavoritesTree();
  treFavor_->setUpdatesEnabled(true);
  favorites_.SaveFavorites();
}

std::string MainWindow::ExpandedFolderKeys() const {
  std::string keys;
  for (QTreeWidgetItemIterator it(treFavor_); *it; ++it) {
    const QString key = FavoriteKey(*it);
    if (key.startsWith(QLatin1Char('f')) && (*it)->isExpanded()) keys += (keys.empty() ? "" : ",") + S(key);
  }
  return keys;
}

void MainWindow::SaveExpandedFolders() { settings_.Write("f_exp", ExpandedFolderKeys()); }

void MainWindow::RestoreExpandedFolders() {
  const QStringList keys = Q(settings_.Read("f_exp")).split(QLatin1Char(','), Qt::SkipEmptyParts);
  for (const QString& key : keys) {
    if (QTreeWidgetItem* node = FindFavoriteNode(treFavor_, key)) {
      const QSignalBlocker block(treFavor_);
      node->setExpanded(true);
      SetFolderIcon(node);
    }
  }
}

void MainWindow::ShowFavorite(bool forPrint) {
  BrowserPane* target = forPrint ? wbPrint_ : wbFavWeb_;
  const QString key = FavoriteKey(treFavor_->currentItem());
  std::string css = stylesheet_.StyleSheetHtml();
  if (forPrint) ReplaceAllExact(css, "#666666", "#000000");
  if (key.startsWith(QLatin1Char('d'))) {
    CFavorites* parent = nullptr;
    int n = 0;
    if (CFoldDoc* d = favorites_.FavoritesRoot().GetDocFromKey(S(key), parent, n)) {
      // The name is the user's text: shown, never interpreted; the fragment is the book's HTML.
      target->WriteDocument("<html><head><title>" + HtmlEscape(d->name) +
                            "</title><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html;CHARSET=Windows-1251\">"
                            "</head>" + css +
                            "<body style=\"padding: 5 5 5 5\"><table width=\"100%\" cellpadding=\"10\" "
                            "cellspacing=\"0\" border=\"0\"><tr><td width=\"100%\"><div align=\"justify\">" +
                            d->Text + "<br><br></div></td></tr></table></BODY></HTML>");
      lblFavor_->setText(Q(d->name));
      // A tooltip is read as markup when it looks like markup; escaped inside a span it stays text.
      lblFavor_->setToolTip(QStringLiteral("<span>%1</span>").arg(Q(d->name).toHtmlEscaped()));
    }
  }
  if (!forPrint) SetFavoritesView(true);
}

bool MainWindow::FavoritesViewShown() const { return picFavWeb_->isVisible(); }

void MainWindow::SetFavoritesView(bool on) {
  picFavWeb_->setVisible(on);
  if (on) picFavWeb_->raise();
  for (QAction* separator : fileSeparators_) separator->setVisible(!on);
  for (QAction* print : filePrintActions_) print->setVisible(!on);
  zNavigMenu_->menuAction()->setVisible(!on);
  zLangMenu_->menuAction()->setVisible(!on);
  for (int position : kReadingSeparators) toolbarSeparators_.value(position)->setVisible(!on);
  for (Cmd cmd : kReadingCommands) Action(cmd)->setVisible(!on);
  SettingsChanged();
}

void MainWindow::ShowFavoritesMenuAt(QPoint treePos) {
  QTreeWidgetItem* item = treFavor_->itemAt(treePos);
  if (!item) return;
  treFavor_->setCurrentItem(item);
  const QString key = FavoriteKey(item);
  if (key == QLatin1String("f")) return;  // the root has no menu
  const bool fragment = key.startsWith(QLatin1Char('d'));
  for (QAction* action : zContFavor_->actions()) {
    if (action->objectName() == QLatin1String("zContFavorShow") ||
        action->objectName() == QLatin1String("zContFavorPrint") ||
        action->objectName() == QLatin1String("zContFavorSep1")) {
      action->setVisible(fragment);
    }
  }
  zContFavor_->popup(treFavor_->viewport()->mapToGlobal(treePos));
}

void MainWindow::DeleteFavorite(const QString& key, const QString& text) {
  favorites_.DeleteFavorite(S(key), S(text));
  RefreshFavoritesTree();
}

void MainWindow::MoveFavorite(const QString& source, const QString& target) {
  if (favorites_.MoveFavorite(S(source), S(target)) == FavoritesChange::Rebuild) RefreshFavoritesTree();
}

std::string MainWindow::SelectedHtml() {
  QString html;
  bool done = false;
  GetWebBrowser()->RunScript(
      QStringLiteral("(function(){var s=window.getSelection();if(!s||!s.rangeCount)return '';"
                     "var d=document.createElement('div');for(var i=0;i<s.rangeCount;i++)"
                     "d.appendChild(s.getRangeAt(i).cloneContents());return d.innerHTML;})()"),
      [&](const QVariant& result) {
        html = result.toString();
        done = true;
      });
  QElapsedTimer timer;
  timer.start();
  while (!done && timer.elapsed() < 3000) QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
  return S(html);
}

void MainWindow::zContextAddFavor_Click() {
  BrowserPane* source = GetWebBrowser();
  const std::string location = webSearchGotFocus_ ? std::string() : S(LocationText(webFocus_ == 2 ? 1 : 0));
  FavoritesAddDialog dialog(favorites_, treFavor_, location, SelectedHtml(), messages_, this);
  dialog.exec();
  source->setFocus();
}

}  // namespace orvelis
