#include "shell/favorites/favorites_add_dialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "favorites/favorites_store.h"
#include "ports/message_sink.h"
#include "shell/favorites/favorites_tree.h"
#include "shell/platform/qt_text.h"
#include "shell/window/toolbar_icons.h"
#include "window_rules/layout_rules.h"

namespace orvelis {

bool FavoritesAddDialog::ShowFolders = false;
bool FavoritesAddDialog::KeepTranslation = false;

FavoritesAddDialog::FavoritesAddDialog(FavoritesStore& favorites, const std::string& location,
                                       std::string html, MessageSink& messages, QWidget* parent,
                                       std::string withTranslation)
    : QDialog(parent),
      favorites_(favorites),
      messages_(messages),
      html_(std::move(html)),
      withTranslation_(std::move(withTranslation)) {
  setObjectName(QStringLiteral("frFavorAdd"));
  setWindowTitle(QCoreApplication::translate("FavoritesAddDialog", "Добавить в Избранное"));
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(
      QCoreApplication::translate("FavoritesAddDialog",
                                  "Введите имя, под которым выделенный фрагмент или страница будут сохранены в "
                                  "списке Избранных фрагментов"),
      this);
  label->setObjectName(QStringLiteral("Label1"));
  label->setWordWrap(true);
  layout->addWidget(label);
  txtAdd_ = new QLineEdit(this);
  txtAdd_->setObjectName(QStringLiteral("txtAdd"));
  layout->addWidget(txtAdd_);
  chkTranslation_ =
      new QCheckBox(QCoreApplication::translate("FavoritesAddDialog", "Сохранить вместе с переводом"), this);
  chkTranslation_->setObjectName(QStringLiteral("chkFavorTranslation"));
  chkTranslation_->setToolTip(QCoreApplication::translate(
      "FavoritesAddDialog", "Сохранить те же абзацы на другом языке под выделенным фрагментом"));
  chkTranslation_->setChecked(KeepTranslation);
  chkTranslation_->setVisible(!withTranslation_.empty());
  layout->addWidget(chkTranslation_);
  auto* buttons = new QHBoxLayout;
  cmdShowFolders_ = new QPushButton(this);
  cmdShowFolders_->setObjectName(QStringLiteral("cmdShowFolders"));
  auto* create = new QPushButton(QCoreApplication::translate("FavoritesAddDialog", "Создать папку"), this);
  create->setObjectName(QStringLiteral("cmdCreateFolders"));
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  auto* cancel = new QPushButton(QCoreApplication::translate("FavoritesAddDialog", "Отмена"), this);
  cancel->setObjectName(QStringLiteral("cmdCancel"));
  for (QPushButton* b : {cmdShowFolders_, create, ok, cancel}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  layout->addLayout(buttons);
  treFavor_ = new QTreeWidget(this);
  treFavor_->setObjectName(QStringLiteral("treFavor"));
  treFavor_->setHeaderHidden(true);
  treFavor_->setEditTriggers(QAbstractItemView::NoEditTriggers);  // folders are chosen here, not renamed
  layout->addWidget(treFavor_, 1);
  connect(treFavor_, &QTreeWidget::itemExpanded, this,
          [](QTreeWidgetItem* item) { item->setIcon(0, NamedIcon(QStringLiteral("open_folder"))); });
  connect(treFavor_, &QTreeWidget::itemCollapsed, this, [](QTreeWidgetItem* item) {
    if (FavoriteKey(item) != QLatin1String("f")) item->setIcon(0, NamedIcon(QStringLiteral("folder")));
  });
  connect(cmdShowFolders_, &QPushButton::clicked, this, &FavoritesAddDialog::cmdShowFolders_Click);
  connect(create, &QPushButton::clicked, this, &FavoritesAddDialog::cmdCreateFolders_Click);
  connect(ok, &QPushButton::clicked, this, &FavoritesAddDialog::cmdOK_Click);
  connect(txtAdd_, &QLineEdit::returnPressed, this, &FavoritesAddDialog::cmdOK_Click);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  ShowHideFolderList();
  FillFavoritesTree(favorites_.FavoritesRoot(), treFavor_, false);
  SuggestName(location);
}

void FavoritesAddDialog::SuggestName(const std::string& location) {
  const std::string base = S(QCoreApplication::translate("FavoritesAddDialog", "%1 - Фрагмент").arg(Q(location)));
  const float last = CFavorites::GetDocFragLastNum(favorites_.FavoritesRoot(), base);
  txtAdd_->setText(Q(base) + QStringLiteral(" %1").arg(static_cast<long long>(last) + 1));
  txtAdd_->selectAll();
}

// The dialog is 3990 twips tall with its folder tree and 1900 without (15 twips a pixel).
void FavoritesAddDialog::ShowHideFolderList() {
  treFavor_->setVisible(ShowFolders);
  // The translation's check box, when offered, adds its own row.
  const int translationRow = withTranslation_.empty() ? 0 : chkTranslation_->sizeHint().height() + 6;
  setFixedHeight(TwipsToPixels(ShowFolders ? 3990 : 1900) + translationRow);
  cmdShowFolders_->setText(QCoreApplication::translate("FavoritesAddDialog", "Папки") + QLatin1Char(' ') +
                           (ShowFolders ? QStringLiteral("<<") : QStringLiteral(">>")));
}

void FavoritesAddDialog::cmdShowFolders_Click() {
  ShowFolders = !ShowFolders;
  ShowHideFolderList();
  if (ShowFolders) treFavor_->setFocus();
}

void FavoritesAddDialog::cmdCreateFolders_Click() {
  const QString name = QInputDialog::getText(this, QCoreApplication::translate("FavoritesAddDialog", "Создание папки"),
                                             QCoreApplication::translate("FavoritesAddDialog", "Введите имя папки"));
  if (!name.isEmpty()) CreateFolder(name);
}

void FavoritesAddDialog::CreateFolder(const QString& name) {
  const QString key = FavoriteKey(treFavor_->currentItem()).isEmpty() ? QStringLiteral("f")
                                                                        : FavoriteKey(treFavor_->currentItem());
  const QString newKey = Q(favorites_.AddFolder(S(key), S(name)));
  if (newKey.isEmpty()) return;
  changed_ = true;
  QTreeWidgetItem* dialogParent = FindFavoriteNode(treFavor_, key);
  QTreeWidgetItem* dialogNode = NewFavoriteNode(newKey, name, QStringLiteral("folder"));
  dialogParent->addChild(dialogNode);
  dialogParent->setExpanded(true);
  treFavor_->setCurrentItem(dialogNode);
}

void FavoritesAddDialog::cmdOK_Click() {
  const QString name = txtAdd_->text();
  if (name.isEmpty()) {
    messages_.Show({S(QCoreApplication::translate("FavoritesAddDialog",
                                                  "Введите имя, под которым фрагмент будет сохранен в избранном")),
                    S(QCoreApplication::translate("FavoritesAddDialog", "Добавление Избранное")), MessageIcon::Critical,
                    MessageButtons::Ok});
    return;
  }
  // A refused add (the store said why) keeps the dialog open with the reader's text.
  if (AddFragment(name)) accept();
}

bool FavoritesAddDialog::AddFragment(const QString& name) {
  const QString key = FavoriteKey(treFavor_->currentItem()).isEmpty() ? QStringLiteral("f")
                                                                        : FavoriteKey(treFavor_->currentItem());
  const bool translated = !withTranslation_.empty() && chkTranslation_->isChecked();
  if (!withTranslation_.empty()) KeepTranslation = chkTranslation_->isChecked();
  const QString newKey = Q(favorites_.AddFragment(S(key), S(name), translated ? withTranslation_ : html_));
  if (newKey.isEmpty()) return false;
  changed_ = true;
  return true;
}

}  // namespace orvelis
