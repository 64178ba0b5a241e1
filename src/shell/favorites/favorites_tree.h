#pragma once
// The favourites as tree nodes: the root "f" ("Избранное"), folders with their sub-folders first
// and then their fragments, each node keyed by its position key. Drops in the main tree are
// handed to the owner as (source key, target key) instead of moving nodes.

#include <QTreeWidget>
#include <functional>

namespace orvelis {

class CFavorites;

inline constexpr int kFavoriteKeyRole = Qt::UserRole;

class FavoritesTreeWidget final : public QTreeWidget {
  Q_OBJECT

 public:
  explicit FavoritesTreeWidget(QWidget* parent);
  // Called on a drop with the dragged node's key and the key of the node under the pointer.
  std::function<void(const QString& source, const QString& target)> onDrop;

 protected:
  void startDrag(Qt::DropActions actions) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  QString dragKey_;
};

// Fills an empty tree; `fragments` false leaves fragments out (the add dialog's folder tree).
void FillFavoritesTree(CFavorites& root, QTreeWidget* tree, bool fragments);
QTreeWidgetItem* FindFavoriteNode(QTreeWidget* tree, const QString& key);
QString FavoriteKey(const QTreeWidgetItem* item);
QTreeWidgetItem* NewFavoriteNode(const QString& key, const QString& text, const QString& image);

}  // namespace orvelis
