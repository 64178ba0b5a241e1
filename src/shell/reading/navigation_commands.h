#pragma once
// The navigation commands (back, forward, the previous and next page or Paper, the contents,
// go-to) and their availability, which the page locator sets as the reader moves.

#include <QObject>

class QWidget;

namespace orvelis {

class MessageSink;
class ReadingArea;
class SettingsStore;
class WindowCommands;

class NavigationCommands final : public QObject {
  Q_OBJECT

 public:
  NavigationCommands(WindowCommands& commands, ReadingArea& reading, SettingsStore& settings, MessageSink& messages,
                     QWidget* dialogParent);

  void GoToDialog();

 private:
  ReadingArea& reading_;
  SettingsStore& settings_;
  MessageSink& messages_;
  QWidget* dialogParent_;
};

}  // namespace orvelis
