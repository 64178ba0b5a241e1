#include "app/image_extractor.h"

#include <QDir>
#include <QFile>

// The images live in a static library's resources, which must be registered by hand.
static void InitImageResources() { Q_INIT_RESOURCE(images); }

namespace orvelis {

QStringList NavigationImageNames() {
  return {QStringLiteral("1x1.gif"),      QStringLiteral("n_book.gif"),    QStringLiteral("n_book_on.gif"),
          QStringLiteral("n_page.gif"),   QStringLiteral("n_page_on.gif"), QStringLiteral("p_book.gif"),
          QStringLiteral("p_book_on.gif"), QStringLiteral("p_page.gif"),   QStringLiteral("p_page_on.gif"),
          QStringLiteral("point.gif"),    QStringLiteral("nopoint.gif")};
}

void ExtractImages(const QString& userDataFolder) {
  InitImageResources();
  const QDir folder(userDataFolder);
  for (const QString& name : NavigationImageNames()) {
    const QString target = folder.filePath(name);
    if (QFile::exists(target)) continue;
    QFile resource(QStringLiteral(":/images/") + name);
    QFile file(target);
    if (resource.open(QIODevice::ReadOnly) && file.open(QIODevice::WriteOnly)) file.write(resource.readAll());
  }
}

}  // namespace orvelis
