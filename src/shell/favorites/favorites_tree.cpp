#include "shell/favorites/favorites_tree.h"

#include <QCoreApplication>
#include <QDragMoveEvent>
#include <QDropEvent>

#include "favorites/favorites_model.h"
#include "shell/platform/qt_text.h"
#include "shell/window/toolbar_icons.h"

namespace orvelis {
namespace {

void AddFolderNodes(CFavorites& folder, QTreeWidgetItem* parent, const QString& prefix, bool fragments) {
  for (int i = 1; i <= folder.FolderLen(); ++i) {
    const QString p = prefix + QStringLiteral("_%1").arg(i);
    auto sub = folder.Folder(i);
    QTreeWidgetItem* node = NewFavoriteNode(QStringLiteral("f") + p, Q(sub->FolderName), QStringLiteral("folder"));
    parent->addChild(node);
    AddFolderNodes(*sub, node, p, fragments);
  }
  if (!fragments) return;
  for (int j = 1; j <= folder.DocLen(); ++j) {
    parent->addChild(NewFavoriteNode(QStringLiteral("d") + prefix + QStringLiteral("_%1").arg(j),
                                     Q(folder.doc(j)->name), QStringLiteral("doc")));
  }
}

}  // namespace

FavoritesTreeWidget::FavoritesTreeWidget(QWidget* parent) : QTreeWidget(parent) {
  setHeaderHidden(true);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDropIndicatorShown(false);
  setDragDropMode(QAbstractItemView::DragDrop);
  setDefaultDropAction(Qt::MoveAction);
}

void FavoritesTreeWidget::startDrag(Qt::DropActions actions) {
  dragKey_ = FavoriteKey(currentItem());
  QTreeWidget::startDrag(actions);
}

// The node under the pointer becomes the selected one; over empty space nothing changes.
void FavoritesTreeWidget::dragMoveEvent(QDragMoveEvent* event) {
  if (QTreeWidgetItem* item = itemAt(event->position().toPoint())) setCurrentItem(item);
  event->acceptProposedAction();
}

void FavoritesTreeWidget::dropEvent(QDropEvent* event) {
  QTreeWidgetItem* target = itemAt(event->position().toPoint());
  event->setDropAction(Qt::IgnoreAction);
  event->accept();
  if (target && onDrop && !dragKey_.isEmpty()) onDrop(dragKey_, FavoriteKey(target));
}

QTreeWidgetItem* NewFavoriteNode(const QString& key, const QString& text, const QString& image) {
  auto* item = new QTreeWidgetItem;
  item->setText(0, text);
  item->setData(0, kFavoriteKeyRole, key);
  item->setIcon(0, NamedIcon(image));
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
  if (key != QLatin1String("f")) flags |= Qt::ItemIsEditable;
  item->setFlags(flags);
  return item;
}

void FillFavoritesTree(CFavorites& root, QTreeWidget* tree, bool fragments) {
  QTreeWidgetItem* top = NewFavoriteNode(QStringLiteral("f"), QCoreApplication::translate("FavoritesTree", "Избранное"),
                                         QStringLiteral("favor"));
  tree->addTopLevelItem(top);
  top->setExpanded(true);
  tree->setCurrentItem(top);
  AddFolderNodes(root, top, QString(), fragments);
}

QTreeWidgetItem* FindFavoriteNode(QTreeWidget* tree, const QString& key) {
  for (QTreeWidgetItemIterator it(tree); *it; ++it) {
    if (FavoriteKey(*it) == key) return *it;
  }
  return nullptr;
}

QString FavoriteKey(const QTreeWidgetItem* item) {
  return item ? item->data(0, kFavoriteKeyRole).toString() : QString();
}

}  // namespace orvelis
