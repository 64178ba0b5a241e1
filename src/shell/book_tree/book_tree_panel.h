#pragma once
// The book tree (treBook): the Foreword, Parts, Papers and pages in the book's current language,
// rebuilt on a language change with its expansion carried through the settings. It answers to the
// mouse and to the keys alike and asks for a node to be shown; it never shows anything itself.

#include <QHash>
#include <QTreeWidget>
#include <string>

#include "book/book_format.h"

class QTimer;

namespace orvelis {

class BookStore;
class SettingsStore;

class BookTreePanel final : public QTreeWidget {
  Q_OBJECT

 public:
  BookTreePanel(BookStore& book, SettingsStore& settings, QWidget* parent);

  // Builds the tree in the book's current language unless it is already built in it, keeping the
  // expansion of the tree it replaces. Returns the key to show: the one read with the settings,
  // "book" when that names no node; empty when nothing was rebuilt.
  std::string Build(Language oldLanguage, const std::string& keyBeingRead);
  bool IsBuilt() const { return topLevelItemCount() > 0; }
  // Writes the expansion and `keyBeingRead` (the page being read, not the highlight) to the settings.
  void SaveState(const std::string& keyBeingRead) const;
  // Highlights the node of `key` without asking for it to be shown.
  void Select(const std::string& key);
  std::string SelectedKey() const;

 signals:
  // A click, Enter or Space on a node, or the highlight resting on it after key moves.
  void showRequested(const std::string& key);
  // A branch opened or closed: the settings have something new to keep.
  void expansionChanged();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void RequestShow(QTreeWidgetItem* item);
  void RestoreExpansion();

  BookStore& book_;
  SettingsStore& settings_;
  QHash<QString, QTreeWidgetItem*> items_;
  QTimer* keyTimer_ = nullptr;
  bool mousePressed_ = false;
  bool building_ = false;
};

}  // namespace orvelis
