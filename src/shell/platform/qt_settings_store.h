#pragma once
// The settings store of the reader: the registry key HKEY_CURRENT_USER\Software\ORVELIS_BOOK on
// Windows, an INI file named ORVELIS_BOOK in the user's configuration folder elsewhere. Every
// value is text.

#include <QSettings>
#include <memory>

#include "ports/settings_store.h"

namespace orvelis {

class QtSettingsStore final : public SettingsStore {
 public:
  QtSettingsStore();
  std::string Read(const std::string& name) const override;
  void Write(const std::string& name, const std::string& value) override;
  void Flush() override { settings_->sync(); }
  QString FileName() const { return settings_->fileName(); }

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace orvelis
