#pragma once
// The favourites in the window: the tree of left panel 3 (fraFavor, treFavor) with its menu
// (zContFavor) and its rename, delete and move, and the view laid over the reading area
// (picFavWeb) that shows one fragment. Every change goes through the store, which saves; the panel
// tells the window when the view opens or closes, and the window adapts its menus.

#include <QWidget>
#include <string>

class QLabel;
class QLineEdit;
class QMenu;
class QTreeWidgetItem;

namespace orvelis {

class BrowserPane;
class DocumentScheme;
class FavoritesStore;
class FavoritesTreeWidget;
class MessageSink;
class SettingsStore;
class Stylesheet;

class FavoritesPanel final : public QWidget {
  Q_OBJECT

 public:
  // `viewParent` holds the view (the window's reading area).
  FavoritesPanel(FavoritesStore& favorites, SettingsStore& settings, MessageSink& messages,
                 DocumentScheme& documents, const Stylesheet& stylesheet, QWidget* viewParent, QWidget* parent);

  FavoritesTreeWidget* Tree() const { return tree_; }
  QWidget* View() const { return view_; }
  BrowserPane* ViewPane() const { return viewPane_; }
  QMenu* Menu() const { return menu_; }
  bool ViewShown() const;
  // The location texts of the reading panes (txtAdd1, txtAdd2: hidden boxes that live here), which
  // a favourite taken from a pane is named by.
  QString LocationText(int pane) const;
  void SetLocationText(int pane, const QString& text);

  // Fills the tree from the store and opens the folders the settings remember.
  void Fill();
  // The tree again after a change (which the store has saved), keeping what is open.
  void Refresh();
  // The open folders ("f_exp") and the selected node.
  void SaveExpandedFolders();
  std::string SelectedKey() const;
  void SelectKey(const std::string& key);

  // The selected fragment as a document: for the view, or for printing (black text).
  std::string FragmentDocument(bool forPrint) const;
  // Shows the selected fragment in the view and opens it.
  void ShowFragment();
  void SetViewShown(bool on);
  // The text style changed: an open view takes the new rules without being rebuilt.
  void Restyle(const QString& script);
  // Files the selection of a pane as a new favourite through the add dialog.
  // `withTranslation`, when not empty, is offered as the fragment with its paragraphs translated.
  void AddFragment(const std::string& location, const std::string& html, QWidget* dialogParent,
                   const std::string& withTranslation = {});
  void ShowMenuAt(QPoint treePos);
  void Delete(const QString& key, const QString& text);
  void Move(const QString& source, const QString& target);

 signals:
  void viewShownChanged(bool on);
  void printRequested();
  // Something the settings keep changed (open folders, the selected node, the view).
  void settingsChanged();

 private:
  void CreateTree();
  void CreateView(QWidget* viewParent, DocumentScheme& documents);
  void CreateMenu();
  void RestoreExpandedFolders();
  std::string StoredName(const QString& key) const;
  void SetFolderIcon(QTreeWidgetItem* item);

  FavoritesStore& favorites_;
  SettingsStore& settings_;
  MessageSink& messages_;
  const Stylesheet& stylesheet_;
  FavoritesTreeWidget* tree_ = nullptr;
  QLineEdit* txtAdd1_ = nullptr;
  QMenu* menu_ = nullptr;
  QWidget* view_ = nullptr;
  QLabel* label_ = nullptr;
  BrowserPane* viewPane_ = nullptr;
  QLineEdit* txtAdd2_ = nullptr;
};

}  // namespace orvelis
