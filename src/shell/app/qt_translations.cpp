#include "shell/app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace orvelis {

bool InstallQtTranslations() {
  // The interface speaks Russian, so Qt's dialogs do too, whatever the system's locale.
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  bool base = false;
  for (const char* catalogue : {"qtbase_ru", "qtwebengine_ru"}) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QString::fromLatin1(catalogue), folder)) {
      QCoreApplication::installTranslator(translator);
      base = base || QLatin1String(catalogue) == QLatin1String("qtbase_ru");
    } else {
      delete translator;
    }
  }
  return base;
}

}  // namespace orvelis
