#include "shell/app/single_instance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace orvelis {

SingleInstance::SingleInstance() {
  const QByteArray place = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toUtf8();
  name_ = QStringLiteral("orvelis-reader-") +
          QString::fromLatin1(QCryptographicHash::hash(place, QCryptographicHash::Sha1).toHex().left(16));
}

bool SingleInstance::CheckPrevInstance() {
  QLocalSocket socket;
  socket.connectToServer(name_);
  if (!socket.waitForConnected(500)) return false;
  socket.write("raise\n");
  socket.waitForBytesWritten(500);
  socket.disconnectFromServer();
  return true;
}

void SingleInstance::Listen(std::function<void()> raise) {
  server_ = new QLocalServer(this);
  QLocalServer::removeServer(name_);  // a socket left by a crashed run
  server_->listen(name_);
  connect(server_, &QLocalServer::newConnection, this, [this, raise = std::move(raise)] {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      raise();
    }
  });
}

}  // namespace orvelis
