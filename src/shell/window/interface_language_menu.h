#pragma once
// The "Язык интерфейса" submenu: the system's language, Russian or English for the menus, dialogs
// and messages. The choice is stored at once and applies at the next start.

#include <QObject>

class QActionGroup;
class QMenu;

namespace orvelis {

class MessageSink;
class SettingsStore;

class InterfaceLanguageMenu final : public QObject {
  Q_OBJECT

 public:
  // Adds the submenu at the end of `menu`.
  InterfaceLanguageMenu(QMenu* menu, SettingsStore& settings, MessageSink& messages);

 private:
  void Choose(const QString& value);

  SettingsStore& settings_;
  MessageSink& messages_;
};

}  // namespace orvelis
