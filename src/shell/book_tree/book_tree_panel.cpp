#include "shell/book_tree/book_tree_panel.h"

#include <QKeyEvent>
#include <QTimer>

#include "book/book_store.h"
#include "window_rules/book_tree_model.h"
#include "window_rules/reading_settings.h"
#include "shell/platform/qt_text.h"
#include "shell/window/toolbar_icons.h"

namespace orvelis {
namespace {

constexpr int kKeyDelayMs = 150;  // holding an arrow key shows only where it stops
constexpr int kKeyRole = Qt::UserRole;
constexpr int kImageRole = Qt::UserRole + 1;

}  // namespace

BookTreePanel::BookTreePanel(BookStore& book, SettingsStore& settings, QWidget* parent)
    : QTreeWidget(parent), book_(book), settings_(settings) {
  setObjectName(QStringLiteral("treBook"));
  setHeaderHidden(true);
  setUniformRowHeights(true);
  keyTimer_ = new QTimer(this);
  keyTimer_->setSingleShot(true);
  keyTimer_->setInterval(kKeyDelayMs);
  connect(keyTimer_, &QTimer::timeout, this, [this] { RequestShow(currentItem()); });
  connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
    mousePressed_ = false;
    RequestShow(item);
  });
  connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
    // A press changes the current item before the click that shows it; a rebuild is no choice.
    if (current && !mousePressed_ && !building_) keyTimer_->start();
  });
  connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
    item->setIcon(0, NamedIcon(Q(ExpandedImage(S(item->data(0, kImageRole).toString())))));
    emit expansionChanged();
  });
  connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
    item->setIcon(0, NamedIcon(Q(CollapsedImage(S(item->data(0, kImageRole).toString())))));
    emit expansionChanged();
  });
}

void BookTreePanel::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space) {
    QTreeWidget::keyPressEvent(event);
    return;
  }
  keyTimer_->stop();
  RequestShow(currentItem());
  event->accept();
}

void BookTreePanel::mousePressEvent(QMouseEvent* event) {
  mousePressed_ = true;
  QTreeWidget::mousePressEvent(event);
}

void BookTreePanel::mouseReleaseEvent(QMouseEvent* event) {
  QTreeWidget::mouseReleaseEvent(event);
  QTimer::singleShot(0, this, [this] { mousePressed_ = false; });  // after itemClicked
}

void BookTreePanel::RequestShow(QTreeWidgetItem* item) {
  if (item) emit showRequested(S(item->data(0, kKeyRole).toString()));
}

std::string BookTreePanel::Build(Language oldLanguage, const std::string& keyBeingRead) {
  const Language lang = book_.CurrentLanguage();
  if (lang == oldLanguage && IsBuilt()) return {};
  building_ = true;
  setUpdatesEnabled(false);
  if (IsBuilt()) {
    SaveState(keyBeingRead);
    clear();
    items_.clear();
  }
  for (const BookTreeNode& node : BookTreeNodes(book_, lang)) {
    QTreeWidgetItem* item = node.parentKey.empty() ? new QTreeWidgetItem(this)
                                                   : new QTreeWidgetItem(items_.value(Q(node.parentKey)));
    item->setText(0, Q(node.text));
    item->setData(0, kKeyRole, Q(node.key));
    item->setData(0, kImageRole, Q(node.image));
    item->setIcon(0, NamedIcon(Q(node.image)));
    items_.insert(Q(node.key), item);
  }
  RestoreExpansion();
  setUpdatesEnabled(true);
  keyTimer_->stop();
  building_ = false;
  const std::string saved = orvelis::RestoreTreeState(settings_).selectedKey;
  return items_.contains(Q(saved)) ? saved : std::string("book");
}

void BookTreePanel::SaveState(const std::string& keyBeingRead) const {
  if (!IsBuilt()) return;
  BookTreeState saved;
  saved.selectedKey = keyBeingRead.empty() ? SelectedKey() : keyBeingRead;
  const auto expanded = [this](const QString& key) {
    QTreeWidgetItem* item = items_.value(key);
    return item && item->isExpanded();
  };
  saved.bookExpanded = expanded(QStringLiteral("book"));
  saved.contExpanded = expanded(QStringLiteral("cont"));
  for (int i = 1; i <= 4; ++i) {
    if (expanded(QStringLiteral("part%1").arg(i))) saved.expandedParts.insert(i);
  }
  for (int i = 0; i < kPaperCount; ++i) {
    if (expanded(QStringLiteral("doc%1").arg(i))) saved.expandedPapers.insert(i);
  }
  orvelis::SaveTreeState(settings_, saved);
}

void BookTreePanel::RestoreExpansion() {
  const BookTreeState remembered = orvelis::RestoreTreeState(settings_);
  const auto setExpanded = [this](const QString& key, bool on) {
    if (QTreeWidgetItem* item = items_.value(key)) item->setExpanded(on);
  };
  if (remembered.bookExpanded) setExpanded(QStringLiteral("book"), *remembered.bookExpanded);
  if (remembered.contExpanded) setExpanded(QStringLiteral("cont"), *remembered.contExpanded);
  for (int part : remembered.expandedParts) setExpanded(QStringLiteral("part%1").arg(part), true);
  for (int paper : remembered.expandedPapers) setExpanded(QStringLiteral("doc%1").arg(paper), true);
}

void BookTreePanel::Select(const std::string& key) {
  if (QTreeWidgetItem* item = items_.value(Q(key))) {
    {
      const QSignalBlocker block(this);
      setCurrentItem(item);
      scrollToItem(item);
    }
    // Showing the node opened its branches with the signals blocked: they take the open picture here.
    for (QTreeWidgetItem* up = item->parent(); up; up = up->parent()) {
      up->setIcon(0, NamedIcon(Q(ExpandedImage(S(up->data(0, kImageRole).toString())))));
    }
  }
}

std::string BookTreePanel::SelectedKey() const {
  const QTreeWidgetItem* item = currentItem();
  return item ? S(item->data(0, kKeyRole).toString()) : std::string();
}

}  // namespace orvelis
