#include "shell/window/interface_language_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QLocale>
#include <QMenu>

#include "ground/app_info.h"
#include "ports/message_sink.h"
#include "ports/setting_names.h"
#include "ports/settings_store.h"
#include "shell/app/qt_translations.h"
#include "shell/platform/qt_text.h"
#include "window_rules/interface_language.h"

namespace orvelis {

InterfaceLanguageMenu::InterfaceLanguageMenu(QMenu* menu, SettingsStore& settings, MessageSink& messages)
    : QObject(menu), settings_(settings), messages_(messages) {
  menu->addSeparator()->setObjectName(QStringLiteral("zLangSepInterface"));
  QMenu* submenu = menu->addMenu(QCoreApplication::translate("InterfaceLanguageMenu", "Язык интерфейса"));
  submenu->setObjectName(QStringLiteral("zLangInterface"));
  auto* group = new QActionGroup(submenu);
  const InterfaceChoice stored = ParseInterfaceChoice(settings_.Read(setting::kInterfaceLanguage));
  const struct {
    InterfaceChoice choice;
    QString text;
    const char* name;
  } items[] = {
      {InterfaceChoice::System, QCoreApplication::translate("InterfaceLanguageMenu", "Как в системе"), "zLangUiSystem"},
      // Each language is named in itself, so that a reader who cannot read the other finds it.
      {InterfaceChoice::Russian, QStringLiteral("Русский"), "zLangUiRussian"},
      {InterfaceChoice::English, QStringLiteral("English"), "zLangUiEnglish"},
  };
  for (const auto& item : items) {
    QAction* action = submenu->addAction(item.text);
    action->setObjectName(QString::fromLatin1(item.name));
    action->setCheckable(true);
    action->setChecked(item.choice == stored);
    group->addAction(action);
    const QString value = Q(InterfaceChoiceValue(item.choice));
    connect(action, &QAction::triggered, this, [this, value] { Choose(value); });
  }
}

void InterfaceLanguageMenu::Choose(const QString& value) {
  const InterfaceChoice choice = ParseInterfaceChoice(S(value));
  settings_.Write(setting::kInterfaceLanguage, S(value));
  settings_.Flush();
  if (InterfaceIsRussian(choice, S(QLocale::system().uiLanguages().value(0))) == RussianInterface()) return;
  messages_.Show({S(QCoreApplication::translate("InterfaceLanguageMenu",
                                                "Язык интерфейса изменится при следующем запуске программы.")),
                  ApplicationTitle(), MessageIcon::Information, MessageButtons::Ok});
}

}  // namespace orvelis
