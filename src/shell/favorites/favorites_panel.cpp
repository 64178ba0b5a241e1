#include "shell/favorites/favorites_panel.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "favorites/favorites_store.h"
#include "ground/html_escape.h"
#include "ground/text_replace.h"
#include "navigation/link_protocol.h"
#include "ports/setting_names.h"
#include "ports/settings_store.h"
#include "render/stylesheet.h"
#include "shell/browser/browser_pane.h"
#include "shell/favorites/favorites_add_dialog.h"
#include "shell/favorites/favorites_tree.h"
#include "shell/platform/qt_text.h"
#include "shell/window/toolbar_icons.h"

namespace orvelis {

FavoritesPanel::FavoritesPanel(FavoritesStore& favorites, SettingsStore& settings, MessageSink& messages,
                               DocumentScheme& documents, const Stylesheet& stylesheet, QWidget* viewParent,
                               QWidget* parent)
    : QWidget(parent), favorites_(favorites), settings_(settings), messages_(messages), stylesheet_(stylesheet) {
  setObjectName(QStringLiteral("fraFavor"));
  CreateTree();
  CreateMenu();
  CreateView(viewParent, documents);
}

void FavoritesPanel::CreateTree() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  tree_ = new FavoritesTreeWidget(this);
  tree_->setObjectName(QStringLiteral("treFavor"));
  tree_->setContextMenuPolicy(Qt::CustomContextMenu);
  tree_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  layout->addWidget(tree_);
  txtAdd1_ = new QLineEdit(this);
  txtAdd1_->setObjectName(QStringLiteral("txtAdd1"));
  txtAdd1_->hide();

  tree_->onDrop = [this](const QString& source, const QString& target) { Move(source, target); };
  connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this] { ShowFragment(); });
  connect(tree_, &QTreeWidget::customContextMenuRequested, this, &FavoritesPanel::ShowMenuAt);
  // An icon change is an item change too: the rename handler must not see it.
  connect(tree_, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
    const QSignalBlocker block(tree_);
    SetFolderIcon(item);
    emit settingsChanged();
  });
  connect(tree_, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
    const QSignalBlocker block(tree_);
    if (FavoriteKey(item) == QLatin1String("f")) item->setExpanded(true);  // the root never collapses
    SetFolderIcon(item);
    emit settingsChanged();
  });
  connect(tree_, &QTreeWidget::currentItemChanged, this, [this] { emit settingsChanged(); });
  // Label editing: an empty name is never accepted, the editor opens again. Only a real change of
  // the name reaches the store, which saves the file.
  connect(tree_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) {
    const QString key = FavoriteKey(item);
    const std::string stored = StoredName(key);
    if (item->text(0).isEmpty()) {
      const QSignalBlocker block(tree_);
      item->setText(0, Q(stored));
      // The editor that gave the empty name is still closing: a new one opens on the next turn.
      QTimer::singleShot(0, tree_, [this, key] {
        if (QTreeWidgetItem* node = FindFavoriteNode(tree_, key)) tree_->editItem(node);
      });
      return;
    }
    if (S(item->text(0)) != stored) favorites_.RenameFavorite(S(key), S(item->text(0)));
  });
}

void FavoritesPanel::CreateMenu() {
  menu_ = new QMenu(QCoreApplication::translate("FavoritesPanel", "Контекстное меню избранное"), this);
  menu_->setObjectName(QStringLiteral("zContFavor"));
  menu_->addAction(QCoreApplication::translate("FavoritesPanel", "Показать"), this, [this] { ShowFragment(); })
      ->setObjectName(QStringLiteral("zContFavorShow"));
  menu_->addAction(QCoreApplication::translate("FavoritesPanel", "Печать"), this, [this] { emit printRequested(); })
      ->setObjectName(QStringLiteral("zContFavorPrint"));
  menu_->addSeparator()->setObjectName(QStringLiteral("zContFavorSep1"));
  menu_
      ->addAction(QCoreApplication::translate("FavoritesPanel", "Переименовать"), this,
                  [this] {
                    if (QTreeWidgetItem* item = tree_->currentItem()) tree_->editItem(item);
                  })
      ->setObjectName(QStringLiteral("zContFavorRename"));
  menu_
      ->addAction(QCoreApplication::translate("FavoritesPanel", "Удалить"), this,
                  [this] {
                    QTreeWidgetItem* item = tree_->currentItem();
                    if (item && FavoriteKey(item) != QLatin1String("f")) Delete(FavoriteKey(item), item->text(0));
                  })
      ->setObjectName(QStringLiteral("zContFavorDelete"));
}

void FavoritesPanel::CreateView(QWidget* viewParent, DocumentScheme& documents) {
  view_ = new QWidget(viewParent);
  view_->setObjectName(QStringLiteral("picFavWeb"));
  view_->setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(view_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* top = new QWidget(view_);
  top->setObjectName(QStringLiteral("picFavTop"));
  auto* topRow = new QHBoxLayout(top);
  topRow->setContentsMargins(6, 2, 2, 2);
  label_ = new QLabel(QCoreApplication::translate("FavoritesPanel", "Избранное"), top);
  label_->setObjectName(QStringLiteral("lblFavor"));
  label_->setTextFormat(Qt::PlainText);  // it shows the user's names, which are never markup
  auto* close = new QToolButton(top);
  close->setObjectName(QStringLiteral("tbFavortop"));
  close->setIcon(NamedIcon(QStringLiteral("close")));
  close->setToolTip(QCoreApplication::translate("FavoritesPanel", "Закрыть окно текста избранного"));
  close->setAutoRaise(true);
  connect(close, &QToolButton::clicked, this, [this] { SetViewShown(false); });
  topRow->addWidget(label_, 1);
  topRow->addWidget(close);
  layout->addWidget(top);
  viewPane_ = new BrowserPane(QStringLiteral("wbFavWeb"), documents, view_);
  viewPane_->SetNavigationHandler([](const std::string& url) { return FavoritesViewAllows(url); });
  layout->addWidget(viewPane_, 1);
  txtAdd2_ = new QLineEdit(view_);
  txtAdd2_->setObjectName(QStringLiteral("txtAdd2"));
  txtAdd2_->hide();
  view_->hide();
}

QString FavoritesPanel::LocationText(int pane) const { return (pane == 0 ? txtAdd1_ : txtAdd2_)->text(); }

void FavoritesPanel::SetLocationText(int pane, const QString& text) { (pane == 0 ? txtAdd1_ : txtAdd2_)->setText(text); }

std::string FavoritesPanel::StoredName(const QString& key) const {
  CFavorites* parent = nullptr;
  int n = 0;
  if (key.startsWith(QLatin1Char('d'))) {
    if (CFoldDoc* d = favorites_.FavoritesRoot().GetDocFromKey(S(key), parent, n)) return d->name;
  } else if (CFavorites* f = favorites_.FavoritesRoot().GetFolderFromKey(S(key), parent, n)) {
    return f->FolderName;
  }
  return {};
}

// Sub-folders show an open folder while expanded; the root keeps its own picture.
void FavoritesPanel::SetFolderIcon(QTreeWidgetItem* item) {
  const QString key = FavoriteKey(item);
  if (!key.startsWith(QLatin1Char('f')) || key == QLatin1String("f")) return;
  item->setIcon(0, NamedIcon(item->isExpanded() ? QStringLiteral("open_folder") : QStringLiteral("folder")));
}

void FavoritesPanel::Fill() {
  const QSignalBlocker block(tree_);
  tree_->clear();
  FillFavoritesTree(favorites_.FavoritesRoot(), tree_, true);
  RestoreExpandedFolders();
}

void FavoritesPanel::Refresh() {
  tree_->setUpdatesEnabled(false);
  SaveExpandedFolders();
  Fill();
  tree_->setUpdatesEnabled(true);
}

void FavoritesPanel::SaveExpandedFolders() {
  std::string keys;
  for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
    const QString key = FavoriteKey(*it);
    if (key.startsWith(QLatin1Char('f')) && (*it)->isExpanded()) keys += (keys.empty() ? "" : ",") + S(key);
  }
  settings_.Write(setting::kFavoritesExpanded, keys);
}

void FavoritesPanel::RestoreExpandedFolders() {
  const QStringList keys = Q(settings_.Read(setting::kFavoritesExpanded)).split(QLatin1Char(','), Qt::SkipEmptyParts);
  for (const QString& key : keys) {
    if (QTreeWidgetItem* node = FindFavoriteNode(tree_, key)) {
      const QSignalBlocker block(tree_);
      node->setExpanded(true);
      SetFolderIcon(node);
    }
  }
}

std::string FavoritesPanel::SelectedKey() const { return S(FavoriteKey(tree_->currentItem())); }

void FavoritesPanel::SelectKey(const std::string& key) {
  if (QTreeWidgetItem* node = FindFavoriteNode(tree_, Q(key))) tree_->setCurrentItem(node);
}

std::string FavoritesPanel::FragmentDocument(bool forPrint) const {
  const std::string key = SelectedKey();
  if (key.empty() || key[0] != 'd') return {};
  CFavorites* parent = nullptr;
  int n = 0;
  CFoldDoc* d = favorites_.FavoritesRoot().GetDocFromKey(key, parent, n);
  if (!d) return {};
  std::string css = stylesheet_.StyleSheetHtml();
  if (forPrint) ReplaceAllExact(css, "#666666", "#000000");
  // The name is the user's text: shown, never interpreted; the fragment is the book's HTML.
  return "<html><head><title>" + HtmlEscape(d->name) +
         "</title><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html;CHARSET=Windows-1251\"></head>" + css +
         "<body style=\"padding: 5 5 5 5\"><table width=\"100%\" cellpadding=\"10\" cellspacing=\"0\" border=\"0\">"
         "<tr><td width=\"100%\"><div align=\"justify\">" +
         d->Text + "<br><br></div></td></tr></table></BODY></HTML>";
}

void FavoritesPanel::ShowFragment() {
  if (const std::string html = FragmentDocument(false); !html.empty()) {
    viewPane_->WriteDocument(html);
    const QString name = Q(StoredName(Q(SelectedKey())));
    label_->setText(name);
    // A tooltip is read as markup when it looks like markup; escaped inside a span it stays text.
    label_->setToolTip(QStringLiteral("<span>%1</span>").arg(name.toHtmlEscaped()));
  }
  SetViewShown(true);
}

bool FavoritesPanel::ViewShown() const { return view_->isVisible(); }

void FavoritesPanel::SetViewShown(bool on) {
  view_->setVisible(on);
  if (on) view_->raise();
  emit viewShownChanged(on);
  emit settingsChanged();
}

void FavoritesPanel::ShowMenuAt(QPoint treePos) {
  QTreeWidgetItem* item = tree_->itemAt(treePos);
  if (!item) return;
  tree_->setCurrentItem(item);
  const QString key = FavoriteKey(item);
  if (key == QLatin1String("f")) return;  // the root has no menu
  const bool fragment = key.startsWith(QLatin1Char('d'));
  for (QAction* action : menu_->actions()) {
    if (action->objectName() == QLatin1String("zContFavorShow") ||
        action->objectName() == QLatin1String("zContFavorPrint") ||
        action->objectName() == QLatin1String("zContFavorSep1")) {
      action->setVisible(fragment);
    }
  }
  menu_->popup(tree_->viewport()->mapToGlobal(treePos));
}

void FavoritesPanel::Delete(const QString& key, const QString& text) {
  favorites_.DeleteFavorite(S(key), S(text));
  Refresh();  // the store has saved (and said so if it could not): once is enough
}

void FavoritesPanel::Move(const QString& source, const QString& target) {
  if (favorites_.MoveFavorite(S(source), S(target)) == FavoritesChange::Rebuild) Refresh();  // saved by the store
}

// The dialog files the fragment (and any folder made in it) through the store, which saves; the
// tree then shows the collection as it now is.
void FavoritesPanel::AddFragment(const std::string& location, const std::string& html, QWidget* dialogParent,
                                 const std::string& withTranslation) {
  FavoritesAddDialog dialog(favorites_, location, html, messages_, dialogParent, withTranslation);
  dialog.exec();
  if (!dialog.Changed()) return;
  // Adding appends, so the keys of the nodes already there, the selected one too, stay valid.
  const std::string selected = SelectedKey();
  Refresh();
  SelectKey(selected);
}

void FavoritesPanel::Restyle(const QString& script) {
  if (ViewShown()) viewPane_->RunScript(script);
}

}  // namespace orvelis
