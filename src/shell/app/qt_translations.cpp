#include "shell/app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ground/ui_text.h"
#include "ports/setting_names.h"
#include "shell/platform/qt_settings_store.h"
#include "shell/platform/qt_text.h"
#include "window_rules/interface_language.h"

namespace orvelis {
namespace {

bool russian = true;

std::string TranslateCoreText(const char* original) {
  return S(QCoreApplication::translate(kCoreTextContext, original));
}

bool Load(const QString& name, const QString& folder) {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (translator->load(name, folder)) {
    QCoreApplication::installTranslator(translator);
    return true;
  }
  delete translator;
  return false;
}

}  // namespace

bool InstallQtTranslations() {
  const QtSettingsStore settings;
  const InterfaceChoice choice = ParseInterfaceChoice(settings.Read(setting::kInterfaceLanguage));
  russian = InterfaceIsRussian(choice, S(QLocale::system().uiLanguages().value(0)));
  // With no catalogue of the program's own, every text is its Russian original, byte for byte.
  SetTextTranslator(&TranslateCoreText);
  if (!russian) {
    if (!Load(QStringLiteral("orvelis_en"), QStringLiteral(":/i18n"))) {
      qWarning("orvelis: the English interface texts are missing from the program");
    }
    return true;  // Qt's own texts are English already
  }
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  const bool base = Load(QStringLiteral("qtbase_ru"), folder);
  Load(QStringLiteral("qtwebengine_ru"), folder);
  return base;
}

bool RussianInterface() { return russian; }

}  // namespace orvelis
