#include "shell/window/text_style.h"

#include <QAction>
#include <QColorDialog>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMenu>
#include <QTimer>
#include <string>
#include <vector>

#include "ports/setting_names.h"
#include "ports/settings_store.h"
#include "render/font_choices.h"
#include "shell/platform/qt_text.h"

namespace orvelis {
namespace {

constexpr const char* kSizeCaptions[] = {"50%", "75%", "88%", "100%", "115%", "125%", "150%", "175%", "200%"};

}  // namespace

TextStyle::TextStyle(Stylesheet& stylesheet, SettingsStore& settings, QWidget* dialogParent)
    : QObject(dialogParent), stylesheet_(stylesheet), settings_(settings), dialogParent_(dialogParent) {}

void TextStyle::FillMenu(QMenu* menu, const MenuNames& names) {
  QMenu* family = menu->addMenu(QCoreApplication::translate("TextStyle", "Тип шрифта"));
  family->setObjectName(QString::fromLatin1(names.family));
  familyMenus_.append(family);
  familyActions_.append(QList<QAction*>());
  menu->addAction(QCoreApplication::translate("TextStyle", "Цвет"), this, &TextStyle::ChooseColour)
      ->setObjectName(QString::fromLatin1(names.colour));
  QMenu* size = menu->addMenu(QCoreApplication::translate("TextStyle", "Размер"));
  size->setObjectName(QString::fromLatin1(names.size));
  QList<QAction*> sizes;
  for (int i = 0; i < 9; ++i) {
    QAction* item = size->addAction(QString::fromLatin1(kSizeCaptions[i]), this, [this, i] { ChooseSize(i); });
    item->setCheckable(true);
    item->setObjectName(QString::fromLatin1(names.sizeItem) + QString::number(i));
    sizes.append(item);
  }
  sizeActions_.append(sizes);
}

void TextStyle::Load() {
  stylesheet_.Apply(ReadFontSettings(settings_));
  CheckSizeItem(stylesheet_.SizeMenuIndex());
}

void TextStyle::BuildFontMenus() {
  std::vector<std::string> families;
  for (const QString& family : QFontDatabase::families()) {
    if (QFontDatabase::isScalable(family)) families.push_back(S(family));
  }
  const std::vector<std::string> sorted = SortedFontFamilies(families);
  // The family in use: the chosen one when installed; otherwise the one the font system puts in
  // its place for the stylesheet's list, which the menu ticks and names.
  const QString chosen = Q(stylesheet_.FontFamily());
  QString used;
  for (const std::string& family : sorted) {
    if (Q(family).compare(chosen, Qt::CaseInsensitive) == 0) used = Q(family);
  }
  QString notice;
  if (used.isEmpty()) {
    QFont fallback;
    fallback.setFamilies({chosen, QStringLiteral("Verdana"), QStringLiteral("Arial"), QStringLiteral("Helvetica"),
                          QStringLiteral("Tahoma")});
    used = QFontInfo(fallback).family();
    notice = QCoreApplication::translate("TextStyle", "Шрифт «%1» не установлен, используется «%2»").arg(chosen, used);
  }
  for (qsizetype m = 0; m < familyMenus_.size(); ++m) {
    QMenu* menu = familyMenus_[m];
    menu->clear();
    familyActions_[m].clear();
    if (!notice.isEmpty()) {
      QAction* info = menu->addAction(notice);
      info->setObjectName(QStringLiteral("fontNotInstalled"));
      info->setEnabled(false);
      menu->addSeparator();
    }
    for (std::size_t i = 0; i < sorted.size(); ++i) {
      const int index = static_cast<int>(i) + 1;
      QAction* item = menu->addAction(Q(sorted[i]), this, [this, index] { ChooseFamily(index); });
      item->setCheckable(true);
      item->setChecked(Q(sorted[i]).compare(used, Qt::CaseInsensitive) == 0);
      familyActions_[m].append(item);
    }
    menu->setEnabled(!sorted.empty());
  }
}

void TextStyle::ChooseFamily(int index) {
  for (const auto& actions : familyActions_) {
    for (int i = 0; i < actions.size(); ++i) actions[i]->setChecked(i + 1 == index);
  }
  if (familyActions_.isEmpty() || index < 1 || index > familyActions_[0].size()) return;
  const std::string family = S(familyActions_[0][index - 1]->text());
  FontSettings font = stylesheet_.Font();
  font.family = family;
  settings_.Write(setting::kFontFamily, family);
  Apply(std::move(font));
  // The not-installed notice goes once a family is chosen; not from inside the item's own signal.
  QTimer::singleShot(0, this, &TextStyle::BuildFontMenus);
}

void TextStyle::ChooseSize(int index) {
  const int step = SizeStepOfMenuItem(index);
  FontSettings font = stylesheet_.Font();
  font.sizeStep = step;
  settings_.Write(setting::kFontSize, std::to_string(step));
  Apply(std::move(font));
}

void TextStyle::ChooseColour() {
  const std::uint32_t bgr = stylesheet_.FontColor();
  const QColor initial(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
  const QColor chosen = QColorDialog::getColor(initial, dialogParent_);
  if (!chosen.isValid()) return;  // cancelled: nothing changes
  const auto color = static_cast<std::uint32_t>(chosen.red() | chosen.green() << 8 | chosen.blue() << 16);
  FontSettings font = stylesheet_.Font();
  font.color = color;
  settings_.Write(setting::kFontColor, std::to_string(color));
  Apply(std::move(font));
}

void TextStyle::Apply(FontSettings font) {
  stylesheet_.Apply(std::move(font));
  CheckSizeItem(stylesheet_.SizeMenuIndex());
  emit changed(RestyleScript());
}

void TextStyle::CheckSizeItem(int index) {
  for (const auto& actions : sizeActions_) {
    for (int i = 0; i < actions.size(); ++i) actions[i]->setChecked(i == index);
  }
}

QString TextStyle::RestyleScript() const {
  return QStringLiteral("(function(){var s=document.getElementsByTagName('style')[0];if(s)s.textContent=%1;})()")
      .arg(JsString(Q(stylesheet_.StyleRules())));
}

}  // namespace orvelis
