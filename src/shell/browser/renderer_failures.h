#pragma once
// Each pane reloads its document by itself when its renderer dies; this reports the pane that
// could not be brought back, once for the panes that failed together.

#include <QObject>

namespace orvelis {

class BrowserPane;
class MessageSink;

class RendererFailures final : public QObject {
  Q_OBJECT

 public:
  RendererFailures(MessageSink& messages, QObject* parent) : QObject(parent), messages_(messages) {}

  void Watch(BrowserPane* pane);

 private:
  void Report();

  MessageSink& messages_;
  bool shown_ = false;
};

}  // namespace orvelis
