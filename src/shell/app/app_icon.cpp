#include "shell/app/app_icon.h"

#include <QApplication>
#include <QIcon>
#include <QString>

// The icon lives in a static library's resources, which must be registered by hand.
static void InitIconResources() { Q_INIT_RESOURCE(app_icon); }

namespace orvelis {

void SetApplicationIcon() {
  InitIconResources();
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/app_icon/%1.png").arg(size), QSize(size, size));
  }
  QApplication::setWindowIcon(icon);
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
}

}  // namespace orvelis
