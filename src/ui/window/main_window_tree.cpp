// The book tree: built per language, its state carried through the settings across rebuilds.

#include <QTreeWidget>

#include "book/book_store.h"
#include "ui/book_tree_model.h"
#include "ui/window/main_window.h"
#include "ui/window/qt_text.h"
#include "ui/window/toolbar_icons.h"

namespace orvelis {

void MainWindow::BuildBookTree(Language oldLanguage) {
  const Language lang = book_.CurrentLanguage();
  if (lang == oldLanguage && treBook_->topLevelItemCount() > 0) return;
  treBook_->setUpdatesEnabled(false);
  if (treBook_->topLevelItemCount() > 0) {
    SaveTreeState();
    treBook_->clear();
    bookItems_.clear();
  }
  const std::vector<BookTreeNode> nodes = BookTreeNodes(book_, lang);
  for (const BookTreeNode& node : nodes) {
    QTreeWidgetItem* item = node.parentKey.empty() ? new QTreeWidgetItem(treBook_)
                                                   : new QTreeWidgetItem(bookItems_.value(Q(node.parentKey)));
    item->setText(0, Q(node.text));
    item->setData(0, Qt::UserRole, Q(node.key));
    item->setData(0, Qt::UserRole + 1, Q(node.image));
    item->setIcon(0, NamedIcon(Q(node.image)));
    bookItems_.insert(Q(node.key), item);
  }
  RestoreTreeState();
  treBook_->setUpdatesEnabled(true);
}

void MainWindow::SaveTreeState() {
  if (treBook_->topLevelItemCount() == 0) return;
  BookTreeState state;
  state.selectedKey = SelectedTreeKey();
  const auto expanded = [this](const QString& key) {
    QTreeWidgetItem* item = bookItems_.value(key);
    return item && item->isExpanded();
  };
  state.bookExpanded = expanded(QStringLiteral("book"));
  state.contExpanded = expanded(QStringLiteral("cont"));
  for (int i = 1; i <= 4; ++i) {
    if (expanded(QStringLiteral("part%1").arg(i))) state.expandedParts.insert(i);
  }
  for (int i = 0; i < kPaperCount; ++i) {
    if (expanded(QStringLiteral("doc%1").arg(i))) state.expandedPapers.insert(i);
  }
  orvelis::SaveTreeState(settings_, state);
}

void MainWindow::RestoreTreeState() {
  const BookTreeState state = orvelis::RestoreTreeState(settings_);
  const auto setExpanded = [this](const QString& key, bool on) {
    if (QTreeWidgetItem* item = bookItems_.value(key)) item->setExpanded(on);
  };
  if (state.bookExpanded) setExpanded(QStringLiteral("book"), *state.bookExpanded);
  if (state.contExpanded) setExpanded(QStringLiteral("cont"), *state.contExpanded);
  for (int part : state.expandedParts) setExpanded(QStringLiteral("part%1").arg(part), true);
  for (int paper : state.expandedPapers) setExpanded(QStringLiteral("doc%1").arg(paper), true);
  // A remembered key that names no node shows the title page.
  const std::string key = bookItems_.contains(Q(state.selectedKey)) ? state.selectedKey : std::string("book");
  locator_.ShowTarget(key, true, "", -1);
}

void MainWindow::SelectTreeKey(const std::string& key) {
  if (QTreeWidgetItem* item = bookItems_.value(Q(key))) {
    const QSignalBlocker block(treBook_);
    treBook_->setCurrentItem(item);
    treBook_->scrollToItem(item);
  }
}

std::string MainWindow::SelectedTreeKey() const {
  const QTreeWidgetItem* item = treBook_->currentItem();
  return item ? S(item->data(0, Qt::UserRole).toString()) : std::string();
}

void MainWindow::OnTreeItemClicked(QTreeWidgetItem* item) {
  locator_.ShowTarget(S(item->data(0, Qt::UserRole).toString()), false, "", -1);
}

}  // namespace orvelis
