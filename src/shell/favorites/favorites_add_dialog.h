#pragma once
// frFavorAdd: files the selected text of a pane as a new favourite.

#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace orvelis {

class FavoritesStore;
class MessageSink;

class FavoritesAddDialog final : public QDialog {
  Q_OBJECT

 public:
  // `location` is the location text of the pane the selection comes from ("" from the search
  // pane); `html` the selection's HTML.
  FavoritesAddDialog(FavoritesStore& favorites, const std::string& location, std::string html, MessageSink& messages,
                     QWidget* parent);

  // Whether the folder tree is shown: kept between openings for the run.
  static bool ShowFolders;

  void cmdShowFolders_Click();
  void cmdCreateFolders_Click();
  void CreateFolder(const QString& name);
  void cmdOK_Click();
  QTreeWidget* FolderTree() const { return treFavor_; }
  // Whether a fragment or a folder was filed (the window's tree must show it).
  bool Changed() const { return changed_; }
  QLineEdit* NameBox() const { return txtAdd_; }

 private:
  void SuggestName(const std::string& location);
  void ShowHideFolderList();
  bool AddFragment(const QString& name);

  FavoritesStore& favorites_;
  bool changed_ = false;
  MessageSink& messages_;
  std::string html_;
  QLineEdit* txtAdd_ = nullptr;
  QTreeWidget* treFavor_ = nullptr;
  QPushButton* cmdShowFolders_ = nullptr;
};

}  // namespace orvelis
