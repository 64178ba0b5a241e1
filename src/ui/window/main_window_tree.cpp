// The book tree: built per language, its state carried through the settings across rebuilds.

#include <QKeyEvent>
#include <QTimer>
#include <QTreeWidget>

#include "book/book_store.h"
#include "ui/book_tree_model.h"
#include "ui/window/main_window.h"
#include "ui/window/qt_text.h"
#include "ui/window/toolbar_icons.h"

namespace orvelis {

namespace {
constexpr int kTreeKeyDelayMs = 150;  // holding an arrow key shows only where it stops
}  // namespace

// The tree answers to the mouse and to the keys alike: a click, Enter or Space shows the node at
// once; moving the highlight with the keys shows the node where the highlight rests.
void MainWindow::ConnectBookTree() {
  treeKeyTimer_ = new QTimer(this);
  treeKeyTimer_->setSingleShot(true);
  treeKeyTimer_->setInterval(kTreeKeyDelayMs);
  connect(treeKeyTimer_, &QTimer::timeout, this, [this] {
    if (QTreeWidgetItem* item = treBook_->currentItem()) OnTreeItemClicked(item);
  });
  treBook_->installEventFilter(this);
  treBook_->viewport()->installEventFilter(this);
  connect(treBook_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
    treeMousePressed_ = false;
    OnTreeItemClicked(item);
  });
  connect(treBook_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
    // A press changes the current item before the click that shows it; a rebuild is no choice.
    if (current && !treeMousePressed_ && !buildingTree_) treeKeyTimer_->start();
  });
  connect(treBook_, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
    item->setIcon(0, NamedIcon(Q(ExpandedImage(S(item->data(0, Qt::UserRole + 1).toString())))));
    SettingsChanged();
  });
  connect(treBook_, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
    item->setIcon(0, NamedIcon(Q(CollapsedImage(S(item->data(0, Qt::UserRole + 1).toString())))));
    SettingsChanged();
  });
}

bool MainWindow::FilterBookTreeEvent(QObject* watched, QEvent* event) {
  if (!treBook_) return false;  // events of the form before the tree exists
  if (watched == treBook_->viewport()) {
    if (event->type() == QEvent::MouseButtonPress) treeMousePressed_ = true;
    if (event->type() == QEvent::MouseButtonRelease) {
      QTimer::singleShot(0, this, [this] { treeMousePressed_ = false; });  // after itemClicked
    }
    return false;
  }
  if (watched != treBook_ || event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space) return false;
  treeKeyTimer_->stop();
  if (QTreeWidgetItem* item = treBook_->currentItem()) OnTreeItemClicked(item);
  return true;
}

void MainWindow::BuildBookTree(Language oldLanguage) {
  const Language lang = book_.CurrentLanguage();
  if (lang == oldLanguage && treBook_->topLevelItemCount() > 0) return;
  buildingTree_ = true;
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
  treeKeyTimer_->stop();
  buildingTree_ = false;
}

void MainWindow::SaveTreeState() {
  if (treBook_->topLevelItemCount() == 0) return;
  BookTreeState state;
  // The page being read, not wherever the highlight was moved to.
  state.selectedKey = locator_.CurrentKey().empty() ? SelectedTreeKey() : locator_.CurrentKey();
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
