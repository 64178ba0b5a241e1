// The window's side of the book tree: what it asks to show, and the tree per language.

#include "book/book_store.h"
#include "shell/book_tree/book_tree_panel.h"
#include "shell/window/main_window.h"

namespace orvelis {

void MainWindow::BuildBookTree(Language oldLanguage) {
  const std::string key = treBook_->Build(oldLanguage, locator_.CurrentKey());
  if (!key.empty()) locator_.ShowTarget(key, true, "", -1);
}

QTreeWidget* MainWindow::BookTree() const { return treBook_; }

std::string MainWindow::SelectTreeKey(const std::string& key) {
  treBook_->Select(key);
  return treBook_->SelectedKey();
}

std::string MainWindow::SelectedTreeKey() const { return treBook_->SelectedKey(); }

}  // namespace orvelis
