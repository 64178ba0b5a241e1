#include "shell/platform/qt_settings_store.h"

#include <QStandardPaths>

#include "shell/platform/qt_text.h"

namespace orvelis {

QtSettingsStore::QtSettingsStore() {
#ifdef Q_OS_WIN
  settings_ = std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\ORVELIS_BOOK"),
                                          QSettings::NativeFormat);
#else
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  settings_ = std::make_unique<QSettings>(folder + QStringLiteral("/ORVELIS_BOOK"), QSettings::IniFormat);
#endif
}

// A value that is missing, or not text (a file edited by hand), reads as empty.
std::string QtSettingsStore::Read(const std::string& name) const {
  const QVariant value = settings_->value(Q(name));
  if (!value.canConvert<QString>()) return {};
  return S(value.toString());
}

void QtSettingsStore::Write(const std::string& name, const std::string& value) {
  settings_->setValue(Q(name), Q(value));
}

}  // namespace orvelis
