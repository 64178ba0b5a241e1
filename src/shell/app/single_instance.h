#pragma once
// One reader at a time: a second start tells the first to come forward, then ends.

#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;

namespace orvelis {

class SingleInstance final : public QObject {
  Q_OBJECT

 public:
  // The name is per user and per settings folder, so separate test environments do not meet.
  SingleInstance();

  // True when another instance runs; it has been asked to restore and raise its window.
  bool CheckPrevInstance();
  // From now on, a second start calls `raise`.
  void Listen(std::function<void()> raise);

 private:
  QString name_;
  QLocalServer* server_ = nullptr;
};

}  // namespace orvelis
