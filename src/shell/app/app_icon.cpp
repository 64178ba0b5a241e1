#include "shell/app/app_icon.h"

#include <QApplication>
#include <QIcon>
#include <QString>

namespace orvelis {

void SetApplicationIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/app_icon/%1.png").arg(size), QSize(size, size));
  }
  QApplication::setWindowIcon(icon);
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
}

}  // namespace orvelis
