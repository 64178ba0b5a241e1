#pragma once
// frFavorAdd: files the selected text of a pane as a new favourite.

#include <QDialog>
#include <string>

class QCheckBox;
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
  // pane); `html` the selection's HTML; `withTranslation` the same followed by the paragraphs in
  // the other language, offered by a check box when not empty.
  FavoritesAddDialog(FavoritesStore& favorites, const std::string& location, std::string html, MessageSink& messages,
                     QWidget* parent, std::string withTranslation = {});

  // Whether the folder tree is shown, and whether the translation is kept: kept between openings
  // for the run.
  static bool ShowFolders;
  static bool KeepTranslation;

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
  std::string withTranslation_;
  QCheckBox* chkTranslation_ = nullptr;
  QLineEdit* txtAdd_ = nullptr;
  QTreeWidget* treFavor_ = nullptr;
  QPushButton* cmdShowFolders_ = nullptr;
};

}  // namespace orvelis
